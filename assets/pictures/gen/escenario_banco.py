"""Inside the bank: the wall tile Pared.png (88 x 115), the doors Puertas.png (128 x 88) and
the counter ventanilla.png (264 x 28, three thirds that tile as A B A B C B C).

The wall tile is repeated four times side by side for the scroll, so its left and right columns
must join; only its rows 0-102 move, rows 103-114 stay still, so those rows are plain bands.
A closed door is pasted into the tile at (16, 7); the casing around it belongs to the wall."""

import random

import escenario_base as B

P = B.P

PUERTA_X, PUERTA_Y = 16, 7
SUELO = (96, 62, 40)          # the lobby floor seen between the grille's bars
SUELO_OSCURO = (72, 44, 28)


# --- The wall -------------------------------------------------------------------------------

def hacer_pared():
    img = B.nuevo(88, 115)
    rnd = random.Random(11)
    # Plastered adobe, lightly mottled.
    B.caja(img, 0, 0, 87, 96, P.ADOBE)
    for y in range(3, 97):
        for x in range(88):
            r = rnd.random()
            if r < 0.05:
                B.punto(img, x, y, P.ADOBE_CLARO)
            elif r < 0.07:
                B.punto(img, x, y, P.ADOBE_OSCURO)
    # Crown: a dark beam along the ceiling.
    B.caja(img, 0, 0, 87, 0, P.MADERA_NEGRA)
    B.caja(img, 0, 1, 87, 1, P.MADERA)
    B.caja(img, 0, 2, 87, 2, P.MADERA_OSCURA)
    B.caja(img, 0, 3, 87, 3, P.ADOBE_OSCURO)
    # A few hairline cracks in the plaster, away from the door.
    for (x, y, pasos) in ((4, 30, [(1, 1), (0, 1), (1, 1), (1, 0), (0, 1)]),
                          (82, 60, [(-1, 1), (0, 1), (-1, 1), (0, 1)]),
                          (6, 76, [(1, 1), (1, 0), (0, 1)])):
        for dx, dy in pasos:
            B.punto(img, x, y, P.ADOBE_OSCURO)
            x, y = x + dx, y + dy
    # A small framed notice board on each side of the door would clutter; instead a lamp
    # bracket on the left pier, lit warm.
    B.mapa(img, 4, 24, [
        ".##.", "#ll#", "#ll#", ".##.", "..#.", ".###", ".#..",
    ], {"#": P.LATON_OSCURO, "l": P.SOL})
    B.caja(img, 5, 31, 6, 33, P.MADERA_NEGRA)
    # Door casing: a wooden frame 4 pixels wide with a lintel.
    x0, y0 = PUERTA_X - 4, PUERTA_Y - 4
    x1 = PUERTA_X + 56 + 3
    B.caja(img, x0, y0, x1, 96, P.MADERA)
    B.caja(img, x0, y0, x1, y0, P.MADERA_CLARA)
    B.caja(img, x0, y0, x0, 96, P.MADERA_CLARA)
    B.caja(img, x1, y0, x1, 96, P.MADERA_NEGRA)
    B.caja(img, x0 + 3, y0 + 3, x1 - 3, y0 + 3, P.MADERA_NEGRA)
    B.caja(img, x0 - 2, y0 - 1, x1 + 2, y0, P.MADERA_OSCURA)
    B.caja(img, x0 - 2, y0 - 1, x1 + 2, y0 - 1, P.MADERA_CLARA)
    for y in range(y0 + 4, 96, 6):
        B.punto(img, x0 + 1, y, P.MADERA_OSCURA)
        B.punto(img, x1 - 1, y + 3, P.MADERA_OSCURA)
    # The doorway itself (covered by the door picture in the game).
    B.caja(img, PUERTA_X, PUERTA_Y, PUERTA_X + 55, PUERTA_Y + 87, P.MADERA_NEGRA)
    # Threshold and the wainscot below: plain horizontal bands from row 95 on.
    B.caja(img, 0, 95, 87, 95, P.MADERA_NEGRA)
    B.caja(img, 0, 96, 87, 96, P.MADERA_CLARA)
    B.caja(img, 0, 97, 87, 98, P.MADERA)
    B.caja(img, 0, 99, 87, 99, P.MADERA_NEGRA)
    bandas = [B.ZOCALO_CLARO, B.ZOCALO, B.ZOCALO, B.ZOCALO, B.ZOCALO_OSCURO, B.JUNTA]
    for y in range(100, 115):
        B.caja(img, 0, y, 87, y, bandas[(y - 100) % len(bandas)])
    B.caja(img, 0, 112, 87, 114, P.MADERA_NEGRA)
    B.caja(img, 0, 112, 87, 112, B.ZOCALO_OSCURO)
    return img


# --- The doors ------------------------------------------------------------------------------

def cara_puerta():
    """The closed door's face, 56 x 88: oak stiles and rails, four raised panels, a brass plate
    for the number, a knob on the left (the hinges are on the right)."""
    img = B.nuevo(56, 88, P.MADERA)
    rnd = random.Random(5)
    # Wood grain running down the stiles.
    for x in range(56):
        y = -rnd.randrange(12)
        while y < 88:
            largo = rnd.randrange(5, 18)
            tono = [P.MADERA, P.MADERA, P.MADERA, B.TABLA, B.TABLA_CLARA][rnd.randrange(5)]
            B.caja(img, x, y, x, y + largo - 1, tono)
            y += largo
    B.marco(img, 0, 0, 55, 87, P.MADERA_NEGRA)
    B.caja(img, 1, 1, 54, 1, P.MADERA_CLARA)
    B.caja(img, 1, 1, 1, 86, P.MADERA_CLARA)
    B.caja(img, 54, 1, 54, 86, P.MADERA_OSCURA)

    def panel(px0, py0, px1, py1):
        B.caja(img, px0, py0, px1, py1, P.MADERA_OSCURA)
        B.caja(img, px0 + 1, py0 + 1, px1, py1, P.MADERA_CLARA)
        B.caja(img, px0 + 1, py0 + 1, px1 - 1, py1 - 1, P.MADERA)
        B.caja(img, px0 + 3, py0 + 3, px1 - 3, py1 - 3, B.TABLA)
        B.caja(img, px0 + 3, py0 + 3, px1 - 3, py0 + 3, P.MADERA_OSCURA)
        B.caja(img, px0 + 3, py0 + 3, px0 + 3, py1 - 3, P.MADERA_OSCURA)
        B.caja(img, px0 + 4, py1 - 3, px1 - 3, py1 - 3, P.MADERA_CLARA)
        for gy in range(py0 + 6, py1 - 4, 5):
            B.caja(img, px0 + 6, gy, px0 + 6 + (gy * 7) % 5, gy, P.MADERA)

    panel(7, 20, 26, 48)
    panel(30, 20, 49, 48)
    panel(7, 55, 26, 78)
    panel(30, 55, 49, 78)
    # Number plate across the top rail.
    B.caja(img, 18, 6, 37, 14, P.LATON_OSCURO)
    B.caja(img, 18, 6, 36, 13, P.LATON)
    B.caja(img, 19, 7, 35, 7, B.LATON_BRILLO)
    B.caja(img, 20, 9, 34, 11, P.LATON_OSCURO)
    B.caja(img, 20, 12, 34, 12, B.LATON_BRILLO)
    for x in (19, 36):
        B.punto(img, x, 10, P.MADERA_NEGRA)
    # Kick plate.
    B.caja(img, 2, 82, 53, 86, P.MADERA_OSCURA)
    B.caja(img, 2, 82, 53, 82, P.LATON_OSCURO)
    for x in range(4, 53, 8):
        B.punto(img, x, 84, P.LATON)
    # Knob and key plate on the left stile.
    B.mapa(img, 2, 47, [
        ".##.", "#ll#", "#lo#", ".##.", ".##.", ".#o.", ".##.", "..#.",
    ], {"#": P.LATON_OSCURO, "l": B.LATON_BRILLO, "o": P.LATON})
    B.punto(img, 4, 52, P.CONTORNO)
    # Hinges on the right.
    for hy in (8, 74):
        B.caja(img, 52, hy, 55, hy + 5, P.HIERRO)
        B.caja(img, 52, hy, 55, hy, P.HIERRO_CLARO)
    return img


def puerta_en_escorzo(cara, ancho, canto):
    """The door turned on its right-hand hinges towards the room: the face squeezed into
    ancho - canto columns and, on the left, `canto` columns of the leaf's thickness."""
    img = B.nuevo(ancho, 88)
    cara_ancho = ancho - canto
    for x in range(cara_ancho):
        sx = min(55, int(x * 56 / cara_ancho))
        # The face darkens a little as it turns away from the light.
        for y in range(88):
            c = cara.getpixel((sx, y))
            f = 0.12 + 0.25 * (1 - cara_ancho / 56)
            img.putpixel((canto + x, y), B.mezcla(c, P.MADERA_NEGRA, f))
    for x in range(canto):
        for y in range(88):
            c = P.MADERA_CLARA if x == canto - 1 else P.MADERA_OSCURA
            if y in (0, 87):
                c = P.MADERA_NEGRA
            img.putpixel((x, y), c)
    if canto:
        B.caja(img, 0, 0, 0, 87, P.MADERA_NEGRA)
    return img


def hacer_puertas():
    cara = cara_puerta()
    img = B.nuevo(128, 88)
    img.paste(cara, (0, 0))
    img.paste(puerta_en_escorzo(cara, 40, 2), (56, 0))
    img.paste(puerta_en_escorzo(cara, 24, 4), (96, 0))
    # The open door: the leaf seen on edge against the hinge side of the doorway.
    borde = B.nuevo(8, 88, P.MADERA_OSCURA)
    B.caja(borde, 0, 0, 0, 87, P.MADERA_NEGRA)
    B.caja(borde, 1, 0, 3, 87, P.MADERA)
    B.caja(borde, 1, 0, 1, 87, P.MADERA_CLARA)
    B.caja(borde, 4, 0, 6, 87, P.MADERA_OSCURA)
    B.caja(borde, 7, 0, 7, 87, P.MADERA_NEGRA)
    B.caja(borde, 1, 82, 3, 82, P.LATON_OSCURO)
    B.mapa(borde, 0, 48, ["##.", "#l#", "##."], {"#": P.LATON_OSCURO, "l": B.LATON_BRILLO})
    B.caja(borde, 0, 0, 7, 0, P.MADERA_NEGRA)
    B.caja(borde, 0, 87, 7, 87, P.MADERA_NEGRA)
    img.paste(borde, (120, 0))
    return img


# --- The counter ----------------------------------------------------------------------------

def tercio(clase):
    """One 88-pixel third of the counter; every third starts and ends on the same post so that
    any two thirds join."""
    img = B.nuevo(88, 28, SUELO)
    # Brass grille on the counter top, rows 0-8: bars every 3 pixels, a rail on top, and the
    # teller's opening in the middle of the third.
    for x in range(88):
        if x % 3 == 1:
            B.caja(img, x, 1, x, 8, P.LATON_OSCURO)
            B.punto(img, x, 1, P.LATON)
    B.caja(img, 0, 0, 87, 0, B.LATON_BRILLO)
    B.caja(img, 0, 1, 87, 1, P.LATON)
    B.caja(img, 0, 2, 87, 2, P.LATON_OSCURO)
    abertura = (30, 57)
    B.caja(img, abertura[0], 3, abertura[1], 8, SUELO)
    B.caja(img, abertura[0], 3, abertura[1], 3, SUELO_OSCURO)
    B.caja(img, abertura[0] - 1, 2, abertura[0] - 1, 8, P.LATON)
    B.caja(img, abertura[1] + 1, 2, abertura[1] + 1, 8, P.LATON_OSCURO)
    # Posts at both ends of the third, half on each side of the join.
    for x in (0, 87):
        B.caja(img, x, 0, x, 8, P.LATON)
    # Counter top.
    B.caja(img, 0, 9, 87, 9, P.MADERA_CLARA)
    B.caja(img, 0, 10, 87, 11, P.MADERA)
    B.caja(img, 0, 12, 87, 12, P.MADERA_NEGRA)
    for x in range(0, 88, 11):
        B.punto(img, x + 5, 10, B.TABLA_CLARA)
    # Front: one raised panel per third between stiles at the joins.
    B.caja(img, 0, 13, 87, 27, B.TABLA_OSCURA)
    B.caja(img, 0, 13, 87, 13, P.MADERA_OSCURA)
    B.caja(img, 4, 15, 83, 25, P.MADERA_OSCURA)
    B.caja(img, 5, 16, 83, 25, B.TABLA_CLARA)
    B.caja(img, 5, 16, 82, 24, B.TABLA)
    B.caja(img, 8, 18, 79, 22, P.MADERA)
    B.caja(img, 8, 18, 79, 18, B.TABLA_OSCURA)
    B.caja(img, 8, 22, 79, 22, B.TABLA_CLARA)
    B.caja(img, 0, 27, 87, 27, P.MADERA_NEGRA)
    for x in (0, 87):
        B.caja(img, x, 13, x, 27, P.MADERA_NEGRA)
    # What sits on the counter top in each third's opening.
    if clase == "A":
        # A brass deposit plate.
        B.caja(img, 38, 7, 49, 8, P.LATON_OSCURO)
        B.caja(img, 39, 7, 48, 7, P.LATON)
    elif clase == "B":
        # An ink pad and a stamp.
        B.caja(img, 36, 7, 43, 8, P.HIERRO)
        B.caja(img, 46, 4, 47, 8, P.MADERA_OSCURA)
        B.caja(img, 45, 4, 48, 4, P.MADERA_CLARA)
    else:
        # A desk bell.
        B.mapa(img, 40, 4, ["...#...", ".#####.", "#lllll#", "#######", ".#####."],
               {"#": P.LATON_OSCURO, "l": P.LATON})
    return img


def hacer_ventanilla():
    img = B.nuevo(264, 28)
    for k, clase in enumerate("ABC"):
        img.paste(tercio(clase), (88 * k, 0))
    return img


if __name__ == "__main__":
    print(B.guardar(hacer_pared(), "Pared.png"))
    print(B.guardar(hacer_puertas(), "Puertas.png"))
    print(B.guardar(hacer_ventanilla(), "ventanilla.png"))
