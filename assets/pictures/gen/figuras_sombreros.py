"""The little man under seven hats, and the last hat he wears: with money or with a bomb.

Every hit takes the top six rows off his sheet, so each of the six hats of the pile fills
exactly one band of six rows (rows 6-11, 12-17, ... 36-41); the last hat is drawn by the game
from the 12 x 11 hat sheet at columns 18-29, rows 35-45, over his face, which therefore
appears in the hat sheet too (its rows 7-10 are his rows 42-45).
"""

from figuras_colores import (
    BILLETE, BILLETE_OSCURO, BOLSA, BOMBA, BOMBA_CLARA, BOTA, CAMISA_AMARILLA, CAMISA_ROJA,
    CHISPA, CONTORNO, FOGONAZO_ROJO, LATON, MECHA, OJO_BLANCO, PANTALON_PARDO, PELO_CASTANO,
    PIEL, SOMBRERO_CLARO, SOMBRERO_PARDO, CAMISA_CELESTE, CAMISA_VERDE, tono)
from figuras_cuerpo import Aspecto, CX, brazo, luz, mano_suelta, sombra
from figuras_lienzo import Lienzo, Pieza

PIEL_HOMBRE = PIEL
BIGOTE = (96, 56, 32)

# colours of the six hats of the pile, top to bottom, and their bands
PILA = [
    ((200, 84, 64), (240, 200, 80)),
    (SOMBRERO_CLARO, (176, 64, 48)),
    ((104, 136, 196), (232, 228, 212)),
    (SOMBRERO_PARDO, (90, 60, 36)),
    ((132, 176, 96), (232, 196, 72)),
    ((168, 120, 80), (200, 84, 64)),
]
VAIVEN = [1, -1, 2, 0, -1, 0]     # the pile wobbles: sideways offset of each hat


def sombrero_de_pila(j, c, banda):
    """Hat j of the pile in its six-row band: outline row, three rows of crown, two of brim."""
    y0 = 6 + 6 * j
    d = VAIVEN[j]
    p = Pieza()
    p.rect(CX - 5 + d, y0 + 1, CX + 4 + d, y0 + 3, c)
    p.fila(y0 + 3, CX - 5 + d, CX + 4 + d, banda)
    p.pon(CX - 4 + d, y0 + 1, luz(c))
    p.fila(y0 + 4, CX - 9 + d, CX + 8 + d, c)
    p.fila(y0 + 5, CX - 8 + d, CX + 7 + d, sombra(c))
    p.pon(CX - 10 + d, y0 + 3, c)
    p.pon(CX + 9 + d, y0 + 3, c)
    return p


def cara_pequena():
    """His face under the hats: rows 42-48; rows 42-45 are also drawn in the hat sheet.

    The game marks every hit at rows 41-46, columns 18-29, so once the last hat of the pile
    is gone the mark lands on rows 42-45: his hair and brow are there, with the hat pulled
    low, and his eyes sit just under it at row 46, so the mark reads as a hole in his hair and
    never as a bandit's mask across his eyes.
    """
    p = Pieza()
    p.rect(19, 42, 28, 47, PIEL_HOMBRE)
    p.fila(48, 20, 27, PIEL_HOMBRE)
    p.fila(42, 19, 28, PELO_CASTANO)
    p.fila(43, 19, 28, PELO_CASTANO)
    p.pon(19, 44, PELO_CASTANO); p.pon(28, 44, PELO_CASTANO)
    p.fila(45, 21, 26, sombra(PIEL_HOMBRE))                   # the brow under the fringe
    p.pon(21, 46, CONTORNO); p.pon(26, 46, CONTORNO)
    p.pon(20, 46, OJO_BLANCO); p.pon(27, 46, OJO_BLANCO)
    p.pon(28, 46, sombra(PIEL_HOMBRE)); p.pon(28, 47, sombra(PIEL_HOMBRE))
    p.fila(47, 20, 27, BIGOTE)
    p.pon(23, 47, sombra(PIEL_HOMBRE)); p.pon(24, 47, sombra(PIEL_HOMBRE))
    p.fila(48, 22, 25, (150, 44, 40))
    return p


def pila_de_sombreros():
    lz = Lienzo(48, 88)
    a = Aspecto(camisa=CAMISA_AMARILLA, pantalon=PANTALON_PARDO, ancho=1)
    # body: short and round, rows 46-87
    cuerpo = Pieza()
    for y in range(49, 70):
        hw = 9 if y == 49 else 10 if y < 64 else 10 - (y - 63) // 2
        cuerpo.fila(y, CX - hw, CX + hw - 1, a.camisa)
    cuerpo.tinta(lambda x, y, c: x >= CX + 7, sombra(a.camisa))
    for x in (CX - 5, CX + 4):                                  # red braces
        cuerpo.rect(x, 49, x, 66, CAMISA_ROJA)
    cuerpo.rect(CX - 2, 49, CX + 1, 50, CAMISA_ROJA)              # bow tie
    cuerpo.rect(CX - 7, 66, CX + 6, 69, PANTALON_PARDO)
    piernas = Pieza()
    piernas.rect(CX - 7, 68, CX - 2, 80, PANTALON_PARDO)
    piernas.rect(CX + 1, 68, CX + 6, 80, PANTALON_PARDO)
    botas = Pieza()
    botas.rect(CX - 9, 81, CX - 2, 86, BOTA)
    botas.rect(CX + 1, 81, CX + 8, 86, BOTA)
    botas.fila(81, CX - 9, CX - 2, luz(BOTA)); botas.fila(81, CX + 1, CX + 8, luz(BOTA))
    botas.fila(86, CX - 9, CX - 2, sombra(BOTA)); botas.fila(86, CX + 1, CX + 8, sombra(BOTA))
    lz.estampa(piernas)
    lz.estampa(botas)
    lz.estampa(cuerpo)
    for x0, sig in ((CX - 12, -1), (CX + 11, 1)):
        arm = brazo(a, [(x0 - sig, 51), (x0 + sig, 57), (x0 + sig, 63)], mano=False)
        lz.estampa(arm)
        lz.estampa(mano_suelta(a, x0 + sig, 64))
    lz.estampa(cara_pequena())
    # the pile, bottom hat first so that each hat sits on the one below
    for j in reversed(range(6)):
        c, banda = PILA[j]
        lz.estampa(sombrero_de_pila(j, c, banda))
    return lz


def sombrero_suelto(con_bomba):
    """The last hat over his face, 12 x 11: banknotes in the crown, or a lit bomb on it."""
    lz = Lienzo(12, 11)
    c = (168, 120, 80)
    p = Pieza()
    p.rect(3, 2, 8, 4, c)
    p.fila(4, 3, 8, (200, 84, 64))
    p.fila(5, 1, 10, sombra(c))
    p.pon(3, 2, luz(c))
    if con_bomba:
        # a black-iron bomb sits in the crown, its fuse burning
        b = Pieza()
        b.rect(4, 0, 7, 3, BOMBA)
        b.rect(3, 1, 8, 2, BOMBA)
        b.pon(4, 1, BOMBA_CLARA)
        b.pon(5, 0, BOMBA_CLARA)
        lz.estampa(p)
        lz.estampa(b)
        lz.pon(9, 0, MECHA)
        lz.pon(10, 0, CHISPA)
        lz.pon(11, 0, FOGONAZO_ROJO)
        lz.pon(10, 1, FOGONAZO_ROJO)
    else:
        # banknotes stuffed into the crown, fanned out on top, and a gold coin
        lz.estampa(p)
        for x, top in ((2, 1), (5, 0), (8, 1)):
            b = Pieza()
            b.rect(x, top, x + 1, 3, BILLETE)
            b.pon(x, top, tono(BILLETE, 1.3))
            b.pon(x + 1, top + 1, BILLETE_OSCURO)
            lz.estampa(b)
        lz.pon(4, 4, LATON)
        lz.pon(7, 4, LATON)
    # his face below the brim, the same pixels as on his sheet
    cara = Lienzo(48, 88)
    cara.estampa(cara_pequena())
    for y in range(7, 11):
        for x in range(12):
            lz.pon(x, y, cara.toma(18 + x, 35 + y))
    return lz
