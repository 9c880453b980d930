"""The title picture Pantalla.png (256 x 192): the game's name over the bank on a desert
street; and the start-up window's picture splash.png (320 x 96) with the studio's name.

The game writes text over rows 174-185 of the title at times, so the bottom rows are plain
street."""

import random

import escenario_base as B
import escenario_letras as L
import escenario_paisaje as PA

P = B.P

TITULO_RELLENO = [(255, 244, 170), (255, 214, 80), (240, 150, 40), (196, 80, 24)]
TITULO_CONTORNO = (60, 22, 12)
TITULO_SOMBRA = (110, 50, 28)


def banco(img, x0, x1, techo, suelo):
    """The bank's false front: adobe with a wooden sign, barred windows and a double door."""
    B.caja(img, x0, techo, x1, suelo, P.ADOBE)
    rnd = random.Random(2)
    for _ in range((x1 - x0) * (suelo - techo) // 9):
        B.punto(img, rnd.randint(x0, x1), rnd.randint(techo, suelo), P.ADOBE_CLARO)
    # Stepped parapet.
    mitad = (x0 + x1) // 2
    B.caja(img, x0 + 10, techo - 6, x1 - 10, techo, P.ADOBE)
    B.caja(img, mitad - 16, techo - 11, mitad + 16, techo - 6, P.ADOBE)
    B.caja(img, x0, techo, x1, techo + 1, P.ADOBE_CLARO)
    B.caja(img, x0 + 10, techo - 6, x1 - 10, techo - 5, P.ADOBE_CLARO)
    B.caja(img, mitad - 16, techo - 11, mitad + 16, techo - 10, P.ADOBE_CLARO)
    B.caja(img, x1, techo, x1, suelo, P.ADOBE_OSCURO)
    # Sign board BANCO.
    B.caja(img, mitad - 30, techo + 4, mitad + 30, techo + 17, P.MADERA_NEGRA)
    B.caja(img, mitad - 29, techo + 5, mitad + 29, techo + 16, P.MADERA_OSCURA)
    L.rotulo(img, mitad - 19, techo + 6, "BANCO", 1, [B.LATON_BRILLO, P.ORO, P.LATON_OSCURO], paso=8)
    # Windows with bars.
    for wx in (x0 + 8, x1 - 26):
        B.caja(img, wx - 1, techo + 24, wx + 18, techo + 47, P.MADERA_OSCURA)
        B.caja(img, wx, techo + 25, wx + 17, techo + 46, B.VENTANA_OSCURA)
        B.caja(img, wx + 1, techo + 26, wx + 6, techo + 30, (96, 120, 140))
        for bx in range(wx + 2, wx + 17, 3):
            B.caja(img, bx, techo + 25, bx, techo + 46, P.HIERRO_CLARO)
        B.caja(img, wx - 2, techo + 47, wx + 19, techo + 48, P.MADERA)
    # Double door under a little porch roof.
    B.caja(img, mitad - 13, techo + 22, mitad + 13, suelo, P.MADERA_NEGRA)
    B.caja(img, mitad - 11, techo + 24, mitad - 1, suelo, P.MADERA)
    B.caja(img, mitad + 1, techo + 24, mitad + 11, suelo, P.MADERA)
    for dx in (mitad - 9, mitad + 3):
        B.caja(img, dx, techo + 27, dx + 6, techo + 37, P.MADERA_OSCURA)
        B.caja(img, dx, techo + 41, dx + 6, suelo - 3, P.MADERA_OSCURA)
    B.punto(img, mitad - 3, techo + 40, P.LATON)
    B.punto(img, mitad + 2, techo + 40, P.LATON)
    B.caja(img, x0 - 3, techo + 19, x1 + 3, techo + 21, P.MADERA)
    B.caja(img, x0 - 3, techo + 19, x1 + 3, techo + 19, P.MADERA_CLARA)
    for px in (x0, mitad - 22, mitad + 21, x1 - 1):
        B.caja(img, px, techo + 22, px + 1, suelo, P.MADERA_OSCURA)
    # Boardwalk.
    B.caja(img, x0 - 6, suelo + 1, x1 + 6, suelo + 3, P.MADERA)
    B.caja(img, x0 - 6, suelo + 4, x1 + 6, suelo + 4, P.MADERA_NEGRA)
    for bx in range(x0 - 6, x1 + 6, 5):
        B.punto(img, bx, suelo + 2, P.MADERA_OSCURA)


def hacer_pantalla():
    img = B.nuevo(256, 192)
    horizonte = 120
    B.degradado(img, 0, 0, 255, horizonte, [P.CIELO_ALTO, B.CIELO_MEDIO, P.CIELO_BAJO, B.CIELO_HORIZONTE])
    B.disco(img, 214, 96, 9, P.SOL)
    B.disco(img, 214, 96, 7, B.SOL_BLANCO)
    PA.mesas(img, horizonte)
    B.degradado(img, 0, horizonte + 1, 255, 191, [P.ARENA, B.ARENA_BRILLO, P.ARENA_CLARA, P.ARENA, P.ARENA])
    rnd = random.Random(9)
    for _ in range(120):
        x, y = rnd.randrange(256), rnd.randrange(horizonte + 2, 168)
        B.punto(img, x, y, P.ARENA_OSCURA)
    banco(img, 74, 182, 104, 160)
    PA.cactus(img, 30, 160, 38)
    PA.cactus(img, 228, 150, 22)
    PA.abrevadero(img, 192, 166)
    # Dust blowing along the street.
    for (x, y, largo) in ((8, 170, 30), (40, 168, 16), (140, 171, 40), (200, 169, 20)):
        for k in range(largo):
            if k % 3 != 2:
                B.punto(img, x + k, y, B.ARENA_BRILLO)
    # The name.
    nombre = "POLVAREDA"
    ancho = L.ancho_texto(nombre, 3) - 6
    L.rotulo(img, (256 - ancho) // 2, 12, nombre, 3, TITULO_RELLENO, TITULO_CONTORNO,
             (TITULO_SOMBRA, (2, 3)))
    plus = "PLUS"
    ancho = L.ancho_texto(plus, 2) - 4
    L.rotulo(img, (256 - ancho) // 2, 52, plus, 2, [(255, 255, 240), (236, 226, 200), (200, 180, 150)],
             TITULO_CONTORNO, (TITULO_SOMBRA, (2, 2)))
    # Two little stars beside PLUS.
    for sx in ((256 - ancho) // 2 - 16, (256 + ancho) // 2 + 9):
        B.mapa(img, sx, 60, ["..#..", ".###.", "#####", ".###.", ".#.#."],
               {"#": P.ORO})
    return img


def lampara(img, x, y, escala=1):
    """The studio's oil lamp: a brass body, a handle and a flame."""
    filas = [
        "......f......",
        ".....fFf.....",
        ".....fFf.....",
        "....fFYFf....",
        "....fYYYf....",
        ".....fYf.....",
        "......#......",
        ".....###.....",
        "..#########..",
        ".#lllllllll#.",
        "#llLLLllllll#",
        "#lLLllllllll#####",
        "#lllllllllll#...#",
        ".#lllllllll#...#.",
        "..#########..##..",
        "....#lll#........",
        "...#######.......",
    ]
    colores = {"#": P.LATON_OSCURO, "l": P.LATON, "L": B.LATON_BRILLO, "f": P.FOGONAZO_ROJO,
               "F": P.FOGONAZO, "Y": (255, 255, 220)}
    for fy, fila in enumerate(filas):
        for fx, c in enumerate(fila):
            if c in colores:
                B.caja(img, x + fx * escala, y + fy * escala, x + fx * escala + escala - 1,
                       y + fy * escala + escala - 1, colores[c])


def hacer_splash():
    img = B.nuevo(320, 96, P.GRIS_CLARO)
    lampara(img, 14, 10, 3)
    L.rotulo(img, 78, 10, "Candil", 3, [(120, 70, 36), (92, 52, 28), (64, 34, 18)],
             None, ((150, 150, 150), (2, 2)), paso=7)
    B.caja(img, 74, 48, 300, 48, (150, 150, 150))
    B.caja(img, 74, 49, 300, 49, (232, 232, 232))
    L.rotulo(img, 78, 60, "Polvareda Plus", 2, [(230, 150, 40), (196, 90, 24), (140, 50, 20)],
             (70, 30, 14), None, paso=8)
    return img


if __name__ == "__main__":
    print(B.guardar(hacer_pantalla(), "Pantalla.png"))
    print(B.guardar(hacer_splash(), "splash.png"))
