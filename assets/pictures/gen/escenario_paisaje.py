"""The street and the desert seen through the bank's doors: Paisaje.png, 256 x 112.

Rows 24-111 show through the doors (x 13-60, 101-148 and 189-236 for the three slots); the
duel shows the whole picture and writes its scores over the sky at rows 10-21, so the sky stays
calm there. Figures stand on the street with their feet near the bottom row."""

import math
import random

import escenario_base as B

P = B.P

HORIZONTE = 62      # where the desert floor meets the mesas
CALLE = 84          # the near edge of the boardwalk across the street


def cielo(img):
    B.degradado(img, 0, 0, 255, HORIZONTE, [P.CIELO_ALTO, B.CIELO_MEDIO, P.CIELO_BAJO,
                                            B.CIELO_HORIZONTE])
    # Sun low on the left, and a few thin streaks of cloud.
    B.disco(img, 34, 30, 6, P.SOL)
    B.disco(img, 34, 30, 4, B.SOL_BLANCO)
    for (x, y, largo) in ((150, 26, 22), (162, 28, 30), (212, 34, 18), (70, 40, 16), (84, 42, 12)):
        B.caja(img, x, y, x + largo, y, P.NUBE)
        B.caja(img, x + 3, y - 1, x + largo - 6, y - 1, P.NUBE)


def mesas(img, horizonte=HORIZONTE, ancho=256):
    # Far range: a long low line with two flat-topped mesas.
    perfil = []
    for x in range(ancho):
        h = 3 + int(round(1.5 + 1.5 * math.sin(x / 9.0) + math.sin(x / 3.7 + 1)))
        for (a, b, alto) in ((14, 70, 18), (120, 150, 12), (196, 250, 22)):
            if a <= x <= b:
                h = max(h, alto)
            elif a - 6 <= x < a:
                h = max(h, alto - (a - x) * 3)
            elif b < x <= b + 5:
                h = max(h, alto - (x - b) * 4)
        perfil.append(h)
    for x, h in enumerate(perfil):
        for y in range(horizonte - h, horizonte + 1):
            capa = y - (horizonte - h)
            c = B.MONTE_LUZ if capa < 2 else (B.MONTE_MEDIO if capa < h // 2 else P.MONTE_LEJOS)
            if capa >= 2 and (x + y) % 7 == 0 and capa < h - 1:
                c = P.MONTE_LEJOS
            B.punto(img, x, y, c)
    # Shadowed flanks on the right of each mesa.
    for x in range(1, ancho):
        if perfil[x] < perfil[x - 1] - 1:
            for y in range(horizonte - perfil[x - 1] + 2, horizonte + 1):
                B.punto(img, x, y, P.MONTE_CERCA)


def suelo(img):
    B.degradado(img, 0, HORIZONTE + 1, 255, 111, [P.ARENA, B.ARENA_BRILLO, P.ARENA_CLARA, P.ARENA])
    rnd = random.Random(3)
    for _ in range(160):
        x, y = rnd.randrange(256), rnd.randrange(HORIZONTE + 3, 112)
        B.punto(img, x, y, P.ARENA_OSCURA if rnd.random() < 0.6 else B.ARENA_BRILLO)
    # Wheel ruts along the street.
    for y, paso in ((100, 5), (106, 3)):
        for x in range(256):
            if (x // paso) % 3 != 0:
                B.punto(img, x, y, P.ARENA_OSCURA)
    for x in range(0, 256, 2):
        B.punto(img, x, 101, B.ARENA_BRILLO)


def cactus(img, x, base, alto):
    tronco = {"#": P.CACTUS, "o": P.CACTUS_OSCURO, "l": (120, 176, 96)}
    for y in range(base - alto, base + 1):
        B.mapa(img, x, y, ["lo#o"], tronco)
    B.mapa(img, x, base - alto - 1, [".##."], tronco)
    # Two arms.
    brazo_y = base - alto * 2 // 3
    B.mapa(img, x - 4, brazo_y, ["l#o.", "l#oo"], tronco)
    for y in range(brazo_y - 6, brazo_y):
        B.mapa(img, x - 4, y, ["l#"], tronco)
    B.mapa(img, x - 4, brazo_y - 7, [".#"], tronco)
    brazo_y2 = base - alto // 2
    B.mapa(img, x + 4, brazo_y2, ["o##l", "oo#l"], tronco)
    for y in range(brazo_y2 - 8, brazo_y2):
        B.mapa(img, x + 6, y, ["#l"], tronco)
    B.mapa(img, x + 6, brazo_y2 - 9, ["#."], tronco)
    for y in range(base - alto + 2, base, 3):
        B.punto(img, x + 1, y, (180, 220, 150))
    B.caja(img, x - 2, base + 1, x + 5, base + 1, P.ARENA_OSCURA)


def saloon(img, x0, x1):
    """The whitewashed false front of the saloon across the street, with its boardwalk."""
    techo = 34
    B.caja(img, x0, techo, x1, CALLE, B.ENCALADO)
    for y in range(techo + 3, CALLE, 5):
        B.caja(img, x0, y, x1, y, B.ENCALADO_SOMBRA)
    # False front with a stepped top and a sign board.
    B.caja(img, x0, techo - 4, x1, techo, B.ENCALADO)
    B.caja(img, x0 + 8, techo - 8, x1 - 8, techo - 4, B.ENCALADO)
    B.caja(img, x0, techo - 4, x1, techo - 4, B.ENCALADO_SOMBRA)
    B.caja(img, x0 + 6, techo + 1, x1 - 6, techo + 9, P.MADERA_OSCURA)
    B.caja(img, x0 + 7, techo + 2, x1 - 7, techo + 8, B.TEJADO)
    mitad = (x0 + x1) // 2
    # SALOON in the 3 x 5 digits' spirit, drawn with small maps.
    letras = {
        "S": ["###", "#..", "###", "..#", "###"], "A": ["###", "#.#", "###", "#.#", "#.#"],
        "L": ["#..", "#..", "#..", "#..", "###"], "O": ["###", "#.#", "#.#", "#.#", "###"],
        "N": ["#..#", "##.#", "#.##", "#..#", "#..#"],
    }
    palabra = "SALOON"
    x = mitad - (len(palabra) * 4) // 2
    for ch in palabra:
        B.mapa(img, x, techo + 3, letras[ch], {"#": B.ENCALADO})
        x += len(letras[ch][0]) + 1
    # Porch roof on posts, windows and the swinging doors.
    B.caja(img, x0 - 2, techo + 18, x1 + 2, techo + 20, P.MADERA)
    B.caja(img, x0 - 2, techo + 21, x1 + 2, techo + 21, P.MADERA_OSCURA)
    for px in range(x0, x1 + 1, 16):
        B.caja(img, px, techo + 22, px + 1, CALLE, P.MADERA_OSCURA)
        B.punto(img, px, techo + 22, P.MADERA)
    for wx in range(x0 + 6, x1 - 10, 24):
        if abs(wx + 4 - mitad) < 10:
            continue
        B.caja(img, wx, techo + 26, wx + 9, techo + 39, P.MADERA_OSCURA)
        B.caja(img, wx + 1, techo + 27, wx + 8, techo + 38, B.VENTANA_OSCURA)
        B.caja(img, wx + 1, techo + 32, wx + 8, techo + 32, P.MADERA_OSCURA)
        B.caja(img, wx + 4, techo + 27, wx + 5, techo + 38, P.MADERA_OSCURA)
        B.caja(img, wx + 1, techo + 27, wx + 3, techo + 28, (120, 150, 170))
    B.caja(img, mitad - 7, techo + 25, mitad + 6, CALLE, B.VENTANA_OSCURA)
    B.caja(img, mitad - 6, techo + 30, mitad - 1, techo + 41, P.MADERA_CLARA)
    B.caja(img, mitad, techo + 30, mitad + 5, techo + 41, P.MADERA_CLARA)
    B.caja(img, mitad - 1, techo + 30, mitad, techo + 41, P.MADERA_OSCURA)
    # Boardwalk.
    B.caja(img, x0 - 4, CALLE - 2, x1 + 4, CALLE + 1, P.MADERA)
    B.caja(img, x0 - 4, CALLE + 2, x1 + 4, CALLE + 2, P.MADERA_NEGRA)
    for bx in range(x0 - 4, x1 + 4, 6):
        B.punto(img, bx, CALLE - 1, P.MADERA_OSCURA)


def abrevadero(img, x0, y0):
    """A hitching rail with a water trough beside it."""
    B.caja(img, x0, y0 - 12, x0 + 30, y0 - 11, P.MADERA)
    B.caja(img, x0, y0 - 10, x0 + 30, y0 - 10, P.MADERA_OSCURA)
    for px in (x0 + 1, x0 + 28):
        B.caja(img, px, y0 - 12, px + 2, y0, P.MADERA_OSCURA)
        B.caja(img, px, y0 - 12, px, y0, P.MADERA)
    B.caja(img, x0 + 7, y0 - 5, x0 + 24, y0, P.MADERA_OSCURA)
    B.caja(img, x0 + 8, y0 - 4, x0 + 23, y0 - 4, (120, 170, 210))
    B.caja(img, x0 + 8, y0 - 3, x0 + 23, y0 - 1, P.MADERA)
    B.caja(img, x0 - 1, y0 + 1, x0 + 32, y0 + 1, P.ARENA_OSCURA)


def hacer_paisaje():
    img = B.nuevo(256, 112)
    cielo(img)
    mesas(img)
    suelo(img)
    saloon(img, 168, 244)
    cactus(img, 38, 90, 30)
    cactus(img, 92, 70, 10)
    abrevadero(img, 110, 92)
    # A cow skull and stones on the road side.
    B.mapa(img, 64, 104, ["#.#.#", ".###.", ".#.#.", "..#.."], {"#": B.ENCALADO})
    for (x, y) in ((20, 108), (150, 106), (80, 96)):
        B.mapa(img, x, y, [".##.", "####"], {"#": B.PIEDRA})
    return img


if __name__ == "__main__":
    print(B.guardar(hacer_paisaje(), "Paisaje.png"))
