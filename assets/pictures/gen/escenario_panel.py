"""The score panel's ground and its indicators: panel.png, cajas.png, CuadroCajas.png,
sino.png and dolar.png."""

import escenario_base as B

P = B.P

# Tiny 3 x 5 digits for the door numbers on the indicator marks.
CIFRAS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"], "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"], "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"], "5": ["###", "#..", "##.", "..#", "##."],
    "6": [".##", "#..", "###", "#.#", "###"], "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"], "9": ["###", "#.#", "###", "..#", "##."],
}


def cifras(img, x, y, texto, color):
    for ch in texto:
        B.mapa(img, x, y, CIFRAS[ch], {"#": color})
        x += 4


def clavo(img, x, y):
    """A brass nail head, 2 x 2."""
    B.punto(img, x, y, B.LATON_BRILLO)
    B.punto(img, x + 1, y, P.LATON)
    B.punto(img, x, y + 1, P.LATON)
    B.punto(img, x + 1, y + 1, P.LATON_OSCURO)


def hacer_panel():
    img = B.nuevo(256, 24, P.PANEL)
    # The bottom bar is cut from rows 1-23, x 8-103, and texts and life icons are drawn over
    # the panel's own colour there, so that part stays flat. The top bar's open parts (the two
    # ends and the middle plaque around the dollar) carry the decoration.
    for x0, x1 in ((0, 7), (248, 255)):
        B.caja(img, x0, 2, x1, 23, P.PANEL_OSCURO)
        B.caja(img, x0 + 1, 3, x1 - 1, 22, P.PANEL_CLARO)
        B.caja(img, x0 + 2, 4, x1 - 1, 22, P.PANEL)
        clavo(img, x0 + 3, 5)
        clavo(img, x0 + 3, 18)
    # Middle plaque: a carved board holding the spinning dollar at (120, 8).
    B.caja(img, 104, 0, 151, 23, P.PANEL_OSCURO)
    B.caja(img, 105, 1, 150, 23, P.PANEL_CLARO)
    B.caja(img, 106, 2, 150, 23, P.PANEL)
    for x in range(108, 149, 4):
        B.punto(img, x, 4, P.PANEL_OSCURO)
    B.caja(img, 108, 2, 148, 2, P.MADERA)
    # Gold rays around the coin's place.
    for x in range(108, 118):
        if x % 2 == 0:
            B.punto(img, x, 15, P.ORO_OSCURO)
    for x in range(138, 148):
        if x % 2 == 0:
            B.punto(img, x, 15, P.ORO_OSCURO)
    B.caja(img, 118, 6, 137, 6, P.ORO_OSCURO)
    B.caja(img, 118, 6, 118, 23, P.ORO_OSCURO)
    B.caja(img, 137, 6, 137, 23, P.ORO_OSCURO)
    B.caja(img, 119, 7, 136, 7, P.PANEL_OSCURO)
    clavo(img, 110, 19)
    clavo(img, 144, 19)
    clavo(img, 110, 8)
    clavo(img, 144, 8)
    # A thin dark line under the whole top bar, so it stands apart from the wall.
    B.caja(img, 0, 0, 7, 0, P.PANEL_OSCURO)
    B.caja(img, 248, 0, 255, 0, P.PANEL_OSCURO)
    img.putpixel((0, 1), P.PANEL)  # the panel's key colour, read by the game
    return img


def hacer_cajas():
    img = B.nuevo(192, 16, P.PANEL)
    for d in range(12):
        x = 16 * d
        texto = str(d + 1)
        ancho = 4 * len(texto) - 1
        for fila, (fondo, borde, tinta, brillo) in enumerate((
                (P.PANEL_OSCURO, P.CONTORNO, P.PANEL_CLARO, None),
                (P.ORO, P.ORO_OSCURO, P.CONTORNO, B.LATON_BRILLO))):
            y = 8 * fila
            B.caja(img, x + 1, y, x + 14, y + 6, borde)
            B.caja(img, x + 2, y + 1, x + 13, y + 5, fondo)
            if brillo:
                B.caja(img, x + 2, y + 1, x + 13, y + 1, brillo)
            cifras(img, x + 8 - (ancho + 1) // 2, y + 1, texto, tinta)
            B.caja(img, x, y + 7, x + 15, y + 7, P.PANEL)
    return img


def hacer_cuadro():
    img = B.nuevo(16, 16, P.PANEL_OSCURO)
    B.marco(img, 0, 0, 15, 15, P.PANEL_CLARO)
    B.caja(img, 15, 1, 15, 15, P.CONTORNO)
    B.caja(img, 1, 15, 15, 15, P.CONTORNO)
    B.caja(img, 1, 1, 14, 14, P.PANEL_OSCURO)
    B.caja(img, 1, 1, 14, 1, P.CONTORNO)
    B.caja(img, 1, 1, 1, 14, P.CONTORNO)
    return img


MONEDA = [
    "....####....",
    "..##oooo##..",
    ".#oollllo##.",
    ".#ol$$$lo##.",
    "#ol$$ll$oo##",
    "#ol$$llloo##",
    "#oll$$$loo##",
    "#olll$$$oo##",
    "#ol$ll$$oo##",
    ".#o$$$$oo##.",
    ".#ooo$oo###.",
    "..##oooo##..",
    "....####....",
]


def hacer_sino():
    img = B.nuevo(28, 14, P.PANEL_OSCURO)
    B.caja(img, 0, 0, 0, 13, P.CONTORNO)
    B.caja(img, 0, 0, 13, 0, P.CONTORNO)
    B.caja(img, 14, 0, 14, 13, P.CONTORNO)
    B.caja(img, 14, 0, 27, 0, P.CONTORNO)
    apagada = {"#": P.CONTORNO, "o": P.PANEL_CLARO, "l": P.MADERA, "$": P.PANEL}
    lucida = {"#": P.ORO_OSCURO, "o": P.ORO, "l": B.LATON_BRILLO, "$": P.ORO_OSCURO}
    B.mapa(img, 1, 1, MONEDA, apagada)
    B.mapa(img, 15, 1, MONEDA, lucida)
    return img


def hacer_dolar():
    img = B.nuevo(16, 64, P.PANEL)
    # Four views of a spinning coin: face on, turning, edge on, turning back.
    for k, ancho in enumerate((14, 8, 2, 8)):
        y0 = 16 * k + 1
        cx = 8
        for y in range(14):
            dy = (y - 6.5) / 7
            mitad = ancho / 2 * (1 - dy * dy) ** 0.5
            x0 = int(round(cx - mitad))
            x1 = int(round(cx + mitad)) - 1
            if x1 < x0:
                x0 = x1 = cx - 1
            for x in range(x0, x1 + 1):
                c = P.ORO
                if x == x0 or y in (0, 13):
                    c = B.LATON_BRILLO if k != 2 else P.ORO
                if x == x1 or (y >= 12 and x > x0):
                    c = P.ORO_OSCURO
                B.punto(img, x, y0 + y, c)
        if k == 0:
            B.mapa(img, 4, y0 + 2, [
                "...#...", ".#####.", "##.#...", "##.#...", ".####..",
                "...#.#.", "...#.##", "...#.##", "######.", "...#..."], {"#": P.ORO_OSCURO})
        elif k in (1, 3):
            B.mapa(img, 6, y0 + 3, [".#.", "###", "##.", ".#.", "..#", ".##", "###", ".#."],
                   {"#": P.ORO_OSCURO})
    return img


if __name__ == "__main__":
    for nombre, hacer in (("panel.png", hacer_panel), ("cajas.png", hacer_cajas),
                          ("CuadroCajas.png", hacer_cuadro), ("sino.png", hacer_sino),
                          ("dolar.png", hacer_dolar)):
        print(B.guardar(hacer(), nombre))
