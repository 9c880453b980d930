"""The one palette every picture of the game is drawn with: warm desert colours by day.

The afternoon and night sets are made by the game by lowering each channel, so the day colours
keep enough red and green to read once darkened. Pure black (0, 0, 0) is reserved for the
ground of figure sheets and for outlines; the figure sheets never use it for anything else
inside a figure except outlines, which belong to the figure (their mask is black there too).
"""

NEGRO = (0, 0, 0)          # sheet ground; never a figure colour except where noted
BLANCO = (255, 255, 255)   # mask: scenery shows through
CONTORNO = (24, 14, 10)    # outlines of figures and objects (not pure black: stays in the mask)

# sky and land
CIELO_ALTO = (120, 176, 220)
CIELO_BAJO = (188, 214, 226)
NUBE = (240, 240, 232)
MONTE_LEJOS = (176, 112, 96)
MONTE_CERCA = (150, 84, 60)
ARENA_CLARA = (236, 196, 128)
ARENA = (216, 168, 100)
ARENA_OSCURA = (184, 132, 76)
CACTUS = (72, 132, 64)
CACTUS_OSCURO = (44, 92, 44)
SOL = (255, 232, 140)

# wood and building
MADERA_CLARA = (196, 132, 76)
MADERA = (156, 96, 52)
MADERA_OSCURA = (108, 64, 36)
MADERA_NEGRA = (64, 38, 24)
ADOBE_CLARO = (228, 184, 136)
ADOBE = (204, 156, 108)
ADOBE_OSCURO = (164, 116, 80)
LATON = (232, 196, 72)
LATON_OSCURO = (176, 136, 40)
HIERRO = (92, 92, 100)
HIERRO_CLARO = (150, 150, 160)

# people
PIEL_CLARA = (244, 196, 152)
PIEL = (216, 160, 116)
PIEL_OSCURA = (150, 100, 68)
CAMISA_ROJA = (196, 52, 40)
CAMISA_AZUL = (64, 96, 168)
CAMISA_BLANCA = (232, 228, 212)
CHALECO = (92, 60, 44)
PANTALON = (72, 80, 112)
PANTALON_PARDO = (120, 96, 68)
SOMBRERO_NEGRO = (52, 40, 36)
SOMBRERO_PARDO = (140, 100, 60)
SOMBRERO_CLARO = (212, 184, 132)
VESTIDO = (200, 80, 132)
VESTIDO_CLARO = (236, 148, 180)
PELO_RUBIO = (236, 200, 96)
PELO_CASTANO = (110, 66, 36)
PANUELO = (176, 40, 40)
BILLETE = (112, 180, 96)
BILLETE_OSCURO = (64, 124, 56)
ARMA = (70, 70, 78)
ARMA_CLARA = (160, 160, 170)
FOGONAZO = (255, 236, 120)
FOGONAZO_ROJO = (248, 120, 40)

# panel and interface
PANEL = (92, 52, 28)
PANEL_CLARO = (140, 88, 48)
PANEL_OSCURO = (56, 30, 16)
ORO = (248, 208, 64)
ORO_OSCURO = (184, 132, 24)
GRIS_CLARO = (192, 192, 192)   # C0C0C0, the ground of the splash window
