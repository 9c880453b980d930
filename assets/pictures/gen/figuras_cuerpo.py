"""The body parts every figure in a doorway is made of, and the poses they are put in.

A figure is 48 x 88 pixels, centred on x = 24 (columns 0-23 left, 24-47 right), boots on
row 86. Each figure type is an Aspecto (skin, clothes, hat, face); the same parts then give
the standing, drawing, hit and fallen frames, so the four pictures of a type always match.
"""

from dataclasses import dataclass, replace

from figuras_colores import (
    ACERO, ACERO_OSCURO, ARMA, ARMA_BRILLO, ARMA_CLARA, BILLETE, BILLETE_OSCURO, BOCA, BOLSA, BOLSA_OSCURA, BOTA,
    CAMISA_BLANCA, CHALECO, CONTORNO, CUERDA, CULATA, ESPUELA, LATON, LATON_OSCURO, LUNAR,
    OJO_BLANCO, PANTALON, PELO_CASTANO, PIEL, SANGRE, SANGRE_OSCURA, SOMBRERO_PARDO, tono)
from figuras_lienzo import Lienzo, Pieza

ANCHO, ALTO = 48, 88
CX = 24


@dataclass
class Aspecto:
    piel: tuple = PIEL
    pelo: tuple = PELO_CASTANO
    camisa: tuple = CAMISA_BLANCA
    chaleco: tuple = None
    chaqueta: bool = False        # the vest reaches below the belt (a coat)
    pantalon: tuple = PANTALON
    botas: tuple = BOTA
    sombrero: tuple = SOMBRERO_PARDO
    banda: tuple = None
    estilo: str = "vaquero"       # vaquero, ancho, bombin, copa, gorro
    panuelo: tuple = None         # neckerchief tied at the neck
    mascara: tuple = None         # neckerchief pulled up over nose and mouth (bandits)
    lunares: bool = False         # white dots on the mask
    bigote: tuple = None
    barba: tuple = None
    falda: tuple = None           # dress of the girl (no trousers)
    delantal: tuple = None
    pelo_largo: bool = False
    ancho: int = 0                # extra half-width of the torso
    cinturon: tuple = CHALECO
    bandolera: bool = False
    cara: str = "normal"          # normal, sonrisa, malo, susto, ko


def sombra(c):
    return tono(c, 0.72)


def luz(c):
    return tono(c, 1.18)


# ---------------------------------------------------------------- legs, torso, arms

def piernas(a, dy=0):
    p = Pieza()
    if a.falda is not None:
        # a long dress widening to the ankles, boots peeping out below
        for y in range(46, 82):
            hw = 8 + a.ancho + (y - 46) * 6 // 35
            p.fila(y + dy, CX - hw, CX + hw - 1, a.falda)
        for y in range(49, 82, 6):          # folds
            p.pon(CX - 4, y + dy, sombra(a.falda))
            p.pon(CX + 3, y + dy + 2, sombra(a.falda))
        p.fila(81 + dy, CX - 14, CX + 13, sombra(a.falda))
        return p
    p.rect(CX - 7, 48 + dy, CX + 6, 54 + dy, a.pantalon)
    p.rect(CX - 7, 55 + dy, CX - 2, 78 + dy, a.pantalon)
    p.rect(CX + 1, 55 + dy, CX + 6, 78 + dy, a.pantalon)
    p.tinta(lambda x, y, c: x in (CX - 2, CX + 6), sombra(a.pantalon))
    p.pon(CX - 5, 66 + dy, sombra(a.pantalon))  # knees
    p.pon(CX + 3, 66 + dy, sombra(a.pantalon))
    return p


def bota(a, izquierda, dy=0):
    p = Pieza()
    p.rect(CX - 8, 76 + dy, CX - 2, 82 + dy, a.botas)       # shaft
    p.rect(CX - 10, 83 + dy, CX - 2, 86 + dy, a.botas)      # foot, toe outwards
    p.fila(76 + dy, CX - 8, CX - 2, luz(a.botas))
    p.pon(CX - 9, 83 + dy, luz(a.botas))
    p.fila(86 + dy, CX - 10, CX - 2, sombra(a.botas))       # sole
    p.pon(CX - 1, 85 + dy, ESPUELA)                          # spur
    return p if izquierda else p.espejo(2 * CX - 1)


def torso(a, dy=0):
    p = Pieza()
    for y in range(21, 49):
        if y == 21:
            hw = 6
        elif y < 27:
            hw = 9
        else:
            hw = 9 - (y - 27) // 9
        hw += a.ancho
        p.fila(y + dy, CX - hw, CX + hw - 1, a.camisa)
    p.tinta(lambda x, y, c: x >= CX + 6 + a.ancho, sombra(a.camisa))
    for y in (26, 31, 36, 41):                                  # buttons
        p.pon(CX - 1, y + dy, sombra(a.camisa))
    if a.chaleco is not None:
        bajo = 52 if a.chaqueta else 46
        for (x, y), c in list(p.px.items()):
            if y - dy >= 23 and (x <= CX - 3 or x >= CX + 2 - (1 if y - dy > 40 else 0)):
                p.pon(x, y, a.chaleco if x < CX + 5 + a.ancho else sombra(a.chaleco))
        if a.chaqueta:
            for y in range(49, bajo + 1):
                hw = 7 + a.ancho
                p.fila(y + dy, CX - hw - 1, CX - 3, a.chaleco)
                p.fila(y + dy, CX + 2, CX + hw, sombra(a.chaleco))
        for y in range(23, 30):                                 # lapels
            p.pon(CX - 3 - (y - 23) // 3, y + dy, luz(a.chaleco))
            p.pon(CX + 2 + (y - 23) // 3, y + dy, luz(a.chaleco))
        p.pon(CX - 6, 34 + dy, LATON)                           # watch chain
        p.pon(CX - 5, 35 + dy, LATON)
    if a.falda is None:
        hw = 8 + a.ancho
        p.rect(CX - hw, 45 + dy, CX + hw - 1, 47 + dy, a.cinturon)
        p.rect(CX - 2, 45 + dy, CX + 1, 47 + dy, LATON)
        p.pon(CX - 1, 46 + dy, LATON_OSCURO)
        p.pon(CX, 46 + dy, LATON_OSCURO)
    else:
        p.rect(CX - 7 - a.ancho, 44 + dy, CX + 6 + a.ancho, 45 + dy, sombra(a.falda))
    if a.delantal is not None:
        for y in range(46, 76):
            hw = 5 + (y - 46) // 8
            p.fila(y + dy, CX - hw, CX + hw - 1, a.delantal)
    if a.bandolera:
        # a cartridge belt from the right shoulder to the left hip
        for k in range(24):
            y = 22 + k
            x = CX + 7 - k * 14 // 23
            p.pon(x, y + dy, CULATA)
            p.pon(x + 1, y + dy, CULATA)
            if k % 3 == 0:
                p.pon(x, y + dy, LATON)
                p.pon(x + 1, y + dy, LATON_OSCURO)
    return p


def brazo(a, puntos, mano=True, manga=None):
    """An arm along shoulder -> elbow -> hand points; the hand a 3 x 3 fist at the end."""
    p = Pieza()
    c = manga or (a.camisa if a.chaleco is None or a.falda is not None else a.camisa)
    p.trazo(puntos, 4, c)
    x, y = puntos[-1]
    if mano:
        p.rect(x - 1, y - 1, x + 1, y + 1, a.piel)
        p.pon(x + 1, y + 1, sombra(a.piel))
    return p


def mano_suelta(a, x, y):
    """A 3 x 3 fist centred on (x, y), stamped over what it holds."""
    p = Pieza()
    p.rect(x - 1, y - 1, x + 1, y + 1, a.piel)
    p.pon(x + 1, y + 1, sombra(a.piel))
    return p


def brazos_quietos(a, dy=0):
    w = a.ancho
    izq = brazo(a, [(CX - 10 - w, 24 + dy), (CX - 11 - w, 35 + dy), (CX - 11 - w, 46 + dy)])
    der = brazo(a, [(CX + 9 + w, 24 + dy), (CX + 10 + w, 35 + dy), (CX + 10 + w, 46 + dy)])
    return izq, der


# ---------------------------------------------------------------- head and hats

def cabeza(a, dx=0, dy=0, cara=None):
    """Head with its face, neck, hair and (for bandits) the neckerchief mask; top row 9."""
    cara = cara or a.cara
    p = Pieza()
    sk, sh = a.piel, sombra(a.piel)
    p.rect(CX - 2, 19, CX + 1, 23, sh)                          # neck
    p.rect(CX - 5, 10, CX + 4, 18, sk)
    p.fila(19, CX - 4, CX + 3, sk)
    p.fila(20, CX - 3, CX + 2, sk)
    p.rect(CX - 6, 13, CX - 6, 15, sk)                          # ears
    p.rect(CX + 5, 13, CX + 5, 15, sh)
    p.tinta(lambda x, y, c: x == CX + 4 and c == sk, sh)
    # hair under the hat brim, sideburns
    p.fila(10, CX - 5, CX + 4, a.pelo)
    p.rect(CX - 5, 11, CX - 5, 13, a.pelo)
    p.rect(CX + 4, 11, CX + 4, 13, a.pelo)
    if a.pelo_largo:
        p.rect(CX - 7, 10, CX - 6, 26, a.pelo)
        p.rect(CX + 5, 10, CX + 6, 26, a.pelo)
        p.rect(CX - 5, 11, CX - 5, 18, a.pelo)
        p.rect(CX + 4, 11, CX + 4, 18, a.pelo)
        p.pon(CX - 8, 24, a.pelo)
        p.pon(CX + 7, 24, a.pelo)
    ojo, ceja = CONTORNO, sombra(a.pelo)
    i, d = CX - 3, CX + 2                                       # eye columns
    if cara == "susto":
        for x in (i, d):
            p.rect(x - 1, 13, x, 14, OJO_BLANCO)
            p.pon(x, 14, ojo)
        p.pon(i - 1, 11, ceja); p.pon(i, 11, ceja)
        p.pon(d, 11, ceja); p.pon(d + 1, 11, ceja)
        p.rect(CX - 1, 17, CX, 19, BOCA)
        p.pon(CX - 1, 17, CONTORNO)
    elif cara == "ko":
        for x in (i, d):
            p.pon(x - 1, 13, ojo); p.pon(x + 1, 13, ojo)
            p.pon(x, 14, ojo)
            p.pon(x - 1, 15, ojo); p.pon(x + 1, 15, ojo)
        p.fila(18, CX - 1, CX + 1, BOCA)
    else:
        p.pon(i, 13, ojo); p.pon(i, 14, ojo)
        p.pon(d, 13, ojo); p.pon(d, 14, ojo)
        p.pon(i - 1, 14, OJO_BLANCO); p.pon(d + 1, 14, OJO_BLANCO)
        if cara == "malo":
            p.pon(i - 1, 11, ceja); p.pon(i, 12, ceja); p.pon(i + 1, 12, ceja)
            p.pon(d + 1, 11, ceja); p.pon(d, 12, ceja); p.pon(d - 1, 12, ceja)
        else:
            p.fila(12, i - 1, i + 1, ceja)
            p.fila(12, d - 1, d + 1, ceja)
        p.pon(CX, 15, sh); p.pon(CX, 16, sh); p.pon(CX - 1, 16, sh)   # nose
        if cara == "sonrisa":
            p.pon(CX - 3, 17, BOCA); p.pon(CX + 2, 17, BOCA)
            p.fila(18, CX - 2, CX + 1, BOCA)
        else:
            p.fila(18, CX - 2, CX + 1, BOCA)
    if a.bigote is not None and cara != "ko":
        p.fila(17, CX - 3, CX + 2, a.bigote)
        p.pon(CX - 4, 18, a.bigote); p.pon(CX + 3, 18, a.bigote)
    if a.barba is not None:
        for y in range(17, 22):
            hw = 5 if y < 20 else (4 if y == 20 else 3)
            p.fila(y, CX - hw, CX + hw - 1, a.barba)
        p.fila(18, CX - 2, CX + 1, BOCA)
        p.pon(CX - 2, 21, sombra(a.barba)); p.pon(CX + 1, 21, sombra(a.barba))
    if a.mascara is not None:
        m, ms = a.mascara, sombra(a.mascara)
        for y in range(15, 22):
            hw = 6 if y < 20 else (5 if y == 20 else 3)
            p.fila(y, CX - hw, CX + hw - 1, m)
        p.fila(22, CX - 2, CX + 1, m)
        p.fila(23, CX - 1, CX, m)
        p.pon(CX - 3, 18, ms); p.pon(CX - 2, 19, ms); p.pon(CX + 2, 18, ms); p.pon(CX + 1, 19, ms)
        p.pon(CX, 16, luz(m))                                   # the nose under the cloth
        if a.lunares:
            # dense enough to stay a pattern at night, when only the dots are left
            for x, y in ((CX - 5, 16), (CX - 1, 18), (CX + 3, 16), (CX + 1, 21), (CX - 4, 20),
                         (CX + 4, 19), (CX - 2, 15), (CX + 1, 15), (CX - 3, 18), (CX + 2, 18),
                         (CX - 1, 21), (CX + 4, 17), (CX - 5, 18), (CX, 20)):
                p.pon(x, y, LUNAR)
        # the hem of the cloth, worn pale, draws the mask's edge across the face
        p.fila(20, CX - 4, CX + 3, LUNAR)
        p.pon(CX + 6, 16, m); p.pon(CX + 7, 15, m)               # the knot behind
    elif a.panuelo is not None:
        p.fila(21, CX - 4, CX + 3, a.panuelo)
        p.fila(22, CX - 3, CX + 2, a.panuelo)
        p.fila(23, CX - 1, CX, a.panuelo)
    return p.movida(dx, dy)


def sombrero(a, dx=0, dy=0, inclina=0):
    """The hat of a figure; inclina shifts each row sideways by one pixel per inclina rows."""
    p = Pieza()
    c, cs, cl = a.sombrero, sombra(a.sombrero), luz(a.sombrero)
    banda = a.banda or sombra(c)
    if a.estilo == "vaquero":
        p.fila(2, CX - 5, CX - 2, c); p.fila(2, CX + 1, CX + 4, c)
        p.rect(CX - 6, 3, CX + 5, 8, c)
        p.rect(CX - 1, 2, CX, 3, cs)                            # dent of the crown
        p.fila(7, CX - 6, CX + 5, banda)
        p.fila(8, CX - 11, CX + 10, c)
        p.fila(9, CX - 10, CX + 9, cs)
        p.pon(CX - 12, 7, c); p.pon(CX + 11, 7, c)              # brim curls up
        p.rect(CX - 5, 3, CX - 5, 6, cl)
    elif a.estilo == "ancho":
        p.rect(CX - 4, 0, CX + 3, 1, c)
        p.rect(CX - 5, 2, CX + 4, 7, c)
        p.fila(6, CX - 5, CX + 4, banda)
        p.fila(8, CX - 14, CX + 13, c)
        p.fila(9, CX - 15, CX + 14, cs)
        p.pon(CX - 15, 8, c); p.pon(CX + 14, 8, c)
        p.pon(CX - 16, 7, c); p.pon(CX + 15, 7, c)
        p.rect(CX - 4, 1, CX - 4, 5, cl)
    elif a.estilo == "bombin":
        p.fila(3, CX - 3, CX + 2, c)
        p.rect(CX - 5, 4, CX + 4, 8, c)
        p.fila(8, CX - 5, CX + 4, banda)
        p.fila(9, CX - 8, CX + 7, cs)
        p.rect(CX - 3, 4, CX - 2, 5, cl)
    elif a.estilo == "copa":
        p.rect(CX - 5, 0, CX + 4, 8, c)
        p.fila(7, CX - 5, CX + 4, banda)
        p.fila(9, CX - 8, CX + 7, cs)
        p.fila(8, CX - 7, CX + 6, c)
        p.rect(CX - 4, 1, CX - 4, 6, cl)
    elif a.estilo == "gorro":
        # a sun bonnet framing the face, tied under the chin with a bow
        p.rect(CX - 7, 5, CX + 6, 10, c)
        p.fila(4, CX - 5, CX + 4, c)
        p.rect(CX - 8, 9, CX - 7, 16, c); p.rect(CX + 6, 9, CX + 7, 16, c)
        p.fila(10, CX - 6, CX + 5, cs)
        p.rect(CX - 3, 5, CX - 1, 6, cl)
        p.pon(CX - 6, 7, banda); p.fila(8, CX - 6, CX + 5, banda)
    if inclina:
        q = Pieza()
        for (x, y), v in p.px.items():
            q.px[(x + (9 - y) // inclina, y)] = v
        p = q
    return p.movida(dx, dy)


# ---------------------------------------------------------------- things held

REVOLVER = [
    "...kk.......",
    "hhhhhhhhggk.",
    "gggggggggcgk",
    "kk....gcccg.",
    "......kwwk..",
    ".......wwk..",
    ".......ww...",
]


def revolver(x, y, izquierda=True):
    """A revolver in profile with a bright barrel; (x, y) is the grip, muzzle outwards."""
    ley = {"h": ARMA_BRILLO, "g": ACERO, "c": ACERO_OSCURO, "k": ARMA, "w": CULATA}
    p = Pieza()
    p.mapa(0, 0, REVOLVER, ley)
    # grip is at column 8, row 5 of the map
    p = p.movida(x - 8, y - 5)
    return p if izquierda else p.espejo(2 * x)


BOLSA_DINERO = [
    "...rr...",
    "..r..r..",
    "...ff...",
    "..ffff..",
    ".ffffff.",
    "ffffzfff",
    "fffzzzff",
    "ffffzfff",
    "fffzzzfo",
    "ffffzffo",
    ".fffffo.",
]


def bolsa(x, y):
    """A money sack with a dollar sign, hanging from the hand at (x, y)."""
    p = Pieza()
    p.mapa(x - 4, y, BOLSA_DINERO, {"r": CUERDA, "f": BOLSA, "o": BOLSA_OSCURA,
                                     "z": BILLETE_OSCURO})
    return p


def billetes(x, y):
    """A fan of three banknotes held up in the hand at (x, y): a list of pieces, back first."""
    notas = []
    for bx, by in ((-6, -6), (-4, -9), (-1, -7)):
        p = Pieza()
        p.rect(x + bx, y + by, x + bx + 6, y + by + 3, BILLETE)
        p.fila(y + by, x + bx, x + bx + 6, tono(BILLETE, 1.25))
        p.rect(x + bx + 2, y + by + 1, x + bx + 4, y + by + 2, BILLETE_OSCURO)
        p.pon(x + bx + 3, y + by + 1, tono(BILLETE, 1.25))
        notas.append(p)
    return notas


def herida(x, y):
    """A red splash where the bullet went in."""
    p = Pieza()
    p.rect(x, y, x + 3, y + 2, SANGRE)
    p.rect(x + 1, y - 1, x + 2, y + 3, SANGRE)
    p.rect(x + 1, y, x + 2, y + 1, SANGRE_OSCURA)
    p.pon(x - 1, y + 1, SANGRE)
    p.pon(x + 4, y + 1, SANGRE)
    p.pon(x + 2, y + 4, SANGRE)
    p.pon(x + 2, y + 5, SANGRE_OSCURA)
    return p


__all__ = ["Aspecto", "ANCHO", "ALTO", "CX", "Lienzo", "Pieza", "piernas", "bota", "torso",
           "brazo", "brazos_quietos", "mano_suelta", "cabeza", "sombrero", "revolver", "bolsa", "billetes",
           "herida", "sombra", "luz", "replace"]
