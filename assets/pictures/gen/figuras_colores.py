"""Colours of the figure pictures that the shared palette does not have.

Every day colour keeps enough red and green to read after the afternoon darkening
(R-88, G-112, B-184); the night darkening (R-191, G-191, B-112) leaves only the brightest ones,
so what tells one figure from another at night (gun steel, the white dots of a bandit's mask)
is painted in near-white or strong blue.
"""

from paleta import *  # noqa: F401,F403  (the figure modules take every colour from here)


def tono(c, f):
    """The colour c made lighter (f > 1) or darker (f < 1), for one-pixel shading."""
    return tuple(max(1, min(255, round(v * f))) for v in c)


ARMA_BRILLO = (244, 244, 252)       # the glint on a drawn gun: the first thing the eye finds
# Gun steel is a strong, cold blue-white: the night darkening leaves it a clear blue (9, 29,
# 143), so a drawn gun still shows when everything else has gone dark.
ACERO = (200, 220, 255)
ACERO_OSCURO = (128, 150, 224)
CULATA = (132, 76, 40)              # wooden grip of a revolver
SANGRE = (232, 40, 32)
SANGRE_OSCURA = (156, 24, 24)
OJO_BLANCO = (250, 246, 236)
BOCA = (150, 44, 40)

# bandits: dark, but with some red and green left so the afternoon still shows their shape
ROPA_BANDIDO = (96, 84, 92)
CHALECO_BANDIDO = (60, 48, 50)
PANTALON_BANDIDO = (70, 64, 72)
GABAN = (104, 78, 70)
PANUELO_OSCURO = (58, 70, 120)
LUNAR = (236, 232, 220)             # white dots of the dark neckerchief

# customers and honest townsfolk: light and open
CAMISA_AMARILLA = (236, 196, 96)
CAMISA_VERDE = (132, 176, 96)
CAMISA_CELESTE = (140, 176, 224)
CHAQUETA_CLARA = (196, 168, 124)
PANTALON_CLARO = (168, 140, 100)
BOTA = (124, 72, 40)
BOTA_CLARA = (168, 108, 60)
ESPUELA = (220, 220, 200)
BOLSA = (214, 190, 140)
BOLSA_OSCURA = (164, 136, 92)
CUERDA = (120, 84, 48)
CANAS = (224, 224, 216)
LAZO = (250, 236, 120)
DELANTAL = (246, 240, 226)

# the bomb on the last hat, the shot flash, the star
BOMBA = (72, 72, 92)
BOMBA_CLARA = (132, 132, 156)
MECHA = (236, 220, 180)
CHISPA = (255, 250, 200)
ORO_CLARO = (255, 240, 150)
ORO_MEDIO = (232, 176, 40)
