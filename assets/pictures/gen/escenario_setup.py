"""The pictures of the setup window, under setup/: the 480 x 460 background, the seven option
icons (48 x 96: picture on black over its mask), the language plaques, buttons, tick box,
hand cursor and the distribution logo."""

import math
import random

from PIL import Image

import escenario_base as B
import escenario_letras as L
import escenario_paisaje as PA
import escenario_titulo as T

P = B.P

PERGAMINO = (230, 212, 172)
PERGAMINO_OSCURO = (216, 196, 154)
TABLERO = (92, 56, 32)
CREMA = (255, 255, 221)       # the window's caption colour
TIERRA = (160, 128, 96)       # the window's frame colour

# Three-by-five capitals for the little plaques.
MINI = {
    "E": ["###", "#..", "##.", "#..", "###"], "S": ["###", "#..", "###", "..#", "###"],
    "N": ["#..#", "##.#", "#.##", "#..#", "#..#"], "J": ["..#", "..#", "..#", "#.#", "###"],
    "U": ["#.#", "#.#", "#.#", "#.#", "###"], "G": ["###", "#..", "#.#", "#.#", "###"],
    "O": ["###", "#.#", "#.#", "#.#", "###"],
}


def hacer_fondo():
    img = B.nuevo(480, 460, PERGAMINO)
    rnd = random.Random(4)
    # Parchment, faintly mottled, with a darker rim.
    for _ in range(9000):
        B.punto(img, rnd.randrange(104, 480), rnd.randrange(460), PERGAMINO_OSCURO)
    # Left column: a tall desert view with the bank's sign, framed in wood.
    B.degradado(img, 0, 0, 103, 300, [P.CIELO_ALTO, B.CIELO_MEDIO, P.CIELO_BAJO, B.CIELO_HORIZONTE])
    for (x, y, largo) in ((8, 120, 40), (20, 123, 50), (50, 190, 36), (4, 60, 24)):
        B.caja(img, x, y, x + largo, y, P.NUBE)
        B.caja(img, x + 4, y - 1, x + largo - 8, y - 1, P.NUBE)
    B.disco(img, 70, 250, 12, P.SOL)
    B.disco(img, 70, 250, 9, B.SOL_BLANCO)
    sub = B.nuevo(104, 320)
    sub.paste(img.crop((0, 0, 104, 320)), (0, 0))
    PA.mesas(sub, 300, 104)
    img.paste(sub, (0, 0))
    B.degradado(img, 0, 301, 103, 459, [P.ARENA, B.ARENA_BRILLO, P.ARENA_CLARA, P.ARENA, P.ARENA_OSCURA])
    for _ in range(300):
        B.punto(img, rnd.randrange(104), rnd.randrange(303, 460), P.ARENA_OSCURA)
    PA.cactus(img, 30, 400, 60)
    PA.cactus(img, 78, 350, 22)
    B.caja(img, 104, 0, 107, 459, P.MADERA)
    B.caja(img, 104, 0, 104, 459, P.MADERA_CLARA)
    B.caja(img, 107, 0, 107, 459, P.MADERA_NEGRA)
    B.marco(img, 108, 0, 479, 459, PERGAMINO_OSCURO)
    # The title board behind the product name (cream letters with a brown shadow).
    B.caja(img, 112, 158, 466, 210, P.MADERA_NEGRA)
    B.caja(img, 113, 159, 465, 209, TABLERO)
    for y in range(162, 208, 6):
        B.caja(img, 114, y, 464, y, P.PANEL_OSCURO)
    B.caja(img, 113, 159, 465, 159, P.MADERA)
    for (x, y) in ((116, 162), (460, 162), (116, 204), (460, 204)):
        B.punto(img, x, y, P.LATON)
        B.punto(img, x + 1, y, P.LATON_OSCURO)
    # A thin rule under the title lines and over the buttons.
    B.caja(img, 120, 52, 390, 52, TIERRA)
    B.caja(img, 120, 398, 350, 398, TIERRA)
    return img


def icono(dibujo):
    """Draws on a key colour, then splits into the picture on black (top) over its mask."""
    clave = (255, 0, 255)
    lienzo = B.nuevo(48, 48, clave)
    dibujo(lienzo)
    img = B.nuevo(48, 96, P.NEGRO)
    for y in range(48):
        for x in range(48):
            c = lienzo.getpixel((x, y))
            if c == clave:
                img.putpixel((x, y + 48), P.BLANCO)
            else:
                img.putpixel((x, y), c if c != (0, 0, 0) else P.CONTORNO)
    return img


def dib_pantalla(img):
    B.caja(img, 3, 5, 44, 36, P.CONTORNO)
    B.caja(img, 4, 6, 43, 35, P.MADERA)
    B.caja(img, 7, 9, 40, 32, P.CONTORNO)
    sub = B.nuevo(32, 22)
    B.degradado(sub, 0, 0, 31, 13, [P.CIELO_ALTO, P.CIELO_BAJO])
    B.caja(sub, 0, 14, 31, 21, P.ARENA)
    B.mapa(sub, 3, 8, ["..####..", ".######.", "########"], {"#": P.MONTE_CERCA})
    B.disco(sub, 24, 5, 3, P.SOL)
    for y in range(8, 19):
        B.caja(sub, 12, y, 13, y, P.CACTUS)
    B.caja(sub, 9, 11, 11, 12, P.CACTUS)
    B.caja(sub, 9, 8, 9, 11, P.CACTUS)
    B.caja(sub, 14, 13, 16, 14, P.CACTUS)
    B.caja(sub, 16, 10, 16, 13, P.CACTUS)
    img.paste(sub, (8, 10))
    B.caja(img, 20, 37, 27, 41, P.MADERA_OSCURA)
    B.caja(img, 12, 41, 35, 43, P.CONTORNO)
    B.caja(img, 13, 41, 34, 42, P.MADERA)
    B.caja(img, 5, 7, 42, 7, P.MADERA_CLARA)


def dib_sonido(img):
    # A gramophone: a brass horn over a wooden box.
    B.caja(img, 6, 32, 30, 44, P.CONTORNO)
    B.caja(img, 7, 33, 29, 43, P.MADERA)
    B.caja(img, 7, 33, 29, 33, P.MADERA_CLARA)
    B.caja(img, 4, 30, 32, 31, P.MADERA_OSCURA)
    B.caja(img, 17, 22, 19, 30, P.LATON_OSCURO)
    # The horn rises from the tone arm and flares into a bell facing up and to the right.
    for k in range(0, 22):
        cx, cy = 18 + k, 22 - k * 0.75
        r = 1.2 + (k / 21) ** 2 * 10
        for y in range(int(round(cy - r)), int(round(cy + r)) + 1):
            c = P.LATON_OSCURO if y > cy + r * 0.35 else (B.LATON_BRILLO if y < cy - r * 0.45 else P.LATON)
            B.punto(img, cx, y, c)
    for y in range(-1, 17):
        B.punto(img, 40, y, P.LATON_OSCURO)
        B.caja(img, 41, y, 42, y, P.CONTORNO)
    # Notes.
    B.mapa(img, 2, 4, ["..##", "..#.", "..#.", "###.", "##.."], {"#": P.CONTORNO})
    B.mapa(img, 8, 12, ["..#", "..#", "###", "##."], {"#": P.CONTORNO})


def dib_teclado(img):
    B.caja(img, 1, 12, 46, 38, P.CONTORNO)
    B.caja(img, 2, 13, 45, 37, P.MADERA_OSCURA)
    for fila in range(3):
        for col in range(6):
            x, y = 5 + col * 7 + (fila % 2) * 2, 16 + fila * 7
            if x + 5 > 44:
                continue
            B.caja(img, x, y, x + 5, y + 5, P.CONTORNO)
            B.caja(img, x, y, x + 4, y + 4, P.CAMISA_BLANCA)
            B.caja(img, x + 1, y + 1, x + 4, y + 4, B.ENCALADO_SOMBRA)
    B.caja(img, 12, 37, 35, 37, P.CONTORNO)
    B.caja(img, 12, 33, 35, 36, P.CAMISA_BLANCA)


def dib_idioma(img):
    # Two speech balloons.
    for (x0, y0, x1, y1, c, t) in ((2, 4, 30, 24, P.CAMISA_BLANCA, "ES"), (17, 19, 45, 39, P.ARENA_CLARA, "EN")):
        B.caja(img, x0, y0, x1, y1, P.CONTORNO)
        B.caja(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, c)
        x = x0 + 6
        for ch in t:
            filas = MINI[ch]
            for fy, fila in enumerate(filas):
                for fx, cc in enumerate(fila):
                    if cc == "#":
                        B.caja(img, x + fx * 2, y0 + 5 + fy * 2, x + fx * 2 + 1, y0 + 6 + fy * 2, P.CAMISA_ROJA if t == "ES" else P.CAMISA_AZUL)
            x += len(filas[0]) * 2 + 2
    B.mapa(img, 6, 25, ["####", "###.", "##..", "#..."], {"#": P.CONTORNO})
    B.mapa(img, 36, 40, ["####", ".###", "..##", "...#"], {"#": P.CONTORNO})


def dib_opciones(img):
    # A revolver's cylinder, seen end on: six chambers around a pin.
    B.disco(img, 24, 24, 20, P.CONTORNO)
    B.disco(img, 24, 24, 19, P.ARMA)
    B.disco(img, 23, 23, 17, P.ARMA_CLARA)
    B.disco(img, 24, 24, 16, P.ARMA)
    for k in range(6):
        a = math.radians(60 * k - 90)
        cx, cy = int(round(24 + 10 * math.cos(a))), int(round(24 + 10 * math.sin(a)))
        B.disco(img, cx, cy, 4, P.CONTORNO)
        B.disco(img, cx, cy, 2, P.LATON)
        B.punto(img, cx - 1, cy - 1, B.LATON_BRILLO)
    B.disco(img, 24, 24, 2, P.HIERRO_CLARO)
    for k in range(6):
        a = math.radians(60 * k - 60)
        x, y = int(round(24 + 19 * math.cos(a))), int(round(24 + 19 * math.sin(a)))
        B.caja(img, x - 1, y - 1, x + 1, y + 1, P.CONTORNO)


def dib_internet(img):
    # A telegraph pole with its wires and a spark running along them.
    B.caja(img, 21, 4, 25, 46, P.CONTORNO)
    B.caja(img, 22, 5, 24, 46, P.MADERA)
    B.caja(img, 22, 5, 22, 46, P.MADERA_CLARA)
    for y in (8, 16):
        B.caja(img, 6, y, 40, y + 3, P.CONTORNO)
        B.caja(img, 7, y + 1, 39, y + 2, P.MADERA_OSCURA)
        for x in (8, 16, 30, 38):
            B.caja(img, x, y - 3, x + 1, y - 1, P.CAMISA_BLANCA)
    for x in range(0, 48):
        for y0 in (5, 13):
            y = y0 + int(round(3 * math.sin(math.pi * (x % 22) / 22)))
            if x not in range(21, 26):
                B.punto(img, x, y, P.CONTORNO)
    B.mapa(img, 36, 24, ["..#..", ".###.", "#####", ".###.", "..#.."], {"#": P.FOGONAZO})
    B.punto(img, 38, 26, B.SOL_BLANCO)
    B.caja(img, 16, 45, 30, 47, P.ARENA_OSCURA)


def dib_creditos(img):
    # A pinned-up notice with lines of writing and a signature.
    B.caja(img, 6, 2, 41, 45, P.CONTORNO)
    B.caja(img, 7, 3, 40, 44, PERGAMINO)
    B.caja(img, 7, 3, 40, 9, P.MADERA_OSCURA)
    B.caja(img, 11, 5, 36, 7, P.ARENA_CLARA)
    for y in range(13, 34, 4):
        B.caja(img, 11, y, 36 - (y * 3) % 9, y + 1, P.MADERA_OSCURA)
    B.mapa(img, 12, 37, [".##..#...#", "#..#.##.##", "....#..#.."], {"#": P.CAMISA_AZUL})
    B.disco(img, 33, 39, 3, P.CAMISA_ROJA)
    B.caja(img, 23, 1, 24, 3, P.HIERRO_CLARO)


def plaqueta(texto, fondo, tinta):
    img = B.nuevo(16, 12, P.CONTORNO)
    B.caja(img, 1, 1, 14, 10, fondo)
    B.caja(img, 1, 1, 14, 1, B.mezcla(fondo, P.BLANCO, 0.4))
    B.caja(img, 1, 10, 14, 10, B.mezcla(fondo, P.NEGRO, 0.3))
    x = 3
    for ch in texto:
        B.mapa(img, x, 4, MINI[ch], {"#": tinta})
        x += len(MINI[ch][0]) + 1
    return img


def boton(ancho, alto, pulsado):
    luz, sombra = (P.MADERA_CLARA, P.MADERA_NEGRA) if not pulsado else (P.MADERA_NEGRA, P.MADERA_CLARA)
    img = B.nuevo(ancho, alto, P.MADERA if not pulsado else P.MADERA_OSCURA)
    B.marco(img, 0, 0, ancho - 1, alto - 1, P.CONTORNO)
    B.caja(img, 1, 1, ancho - 2, 1, luz)
    B.caja(img, 1, 1, 1, alto - 2, luz)
    B.caja(img, 1, alto - 2, ancho - 2, alto - 2, sombra)
    B.caja(img, ancho - 2, 1, ancho - 2, alto - 2, sombra)
    for (x, y) in ((3, 3), (ancho - 5, 3), (3, alto - 5), (ancho - 5, alto - 5)):
        if ancho > 30:
            B.punto(img, x, y, P.LATON)
    return img


def hacer_examinar(pulsado):
    img = boton(19, 19, pulsado)
    d = 1 if pulsado else 0
    B.mapa(img, 4 + d, 5 + d, [
        "###.......", "#ll#####..", "#llllllll#", "#lLLLLLLL#", "#lLLLLLLL#",
        "#lLLLLLLL#", "#lLLLLLLL#", "##########"],
        {"#": P.CONTORNO, "l": P.LATON_OSCURO, "L": P.LATON})
    return img


def hacer_casilla():
    img = B.nuevo(13, 13, P.BLANCO)
    B.caja(img, 0, 0, 12, 0, P.MADERA_OSCURA)
    B.caja(img, 0, 0, 0, 12, P.MADERA_OSCURA)
    B.caja(img, 1, 1, 11, 1, P.CONTORNO)
    B.caja(img, 1, 1, 1, 11, P.CONTORNO)
    B.caja(img, 0, 12, 12, 12, PERGAMINO)
    B.caja(img, 12, 0, 12, 12, PERGAMINO)
    B.caja(img, 2, 2, 11, 11, (255, 255, 240))
    return img


def transparente(filas, colores, ancho, alto):
    img = Image.new("RGBA", (ancho, alto), (0, 0, 0, 0))
    for y, fila in enumerate(filas):
        for x, c in enumerate(fila):
            if c in colores:
                img.putpixel((x, y), tuple(colores[c]) + (255,))
    return img


def hacer_marca():
    filas = [
        ".............", ".............", "..........#..", ".........##..", "........##...",
        "..#.....##...", "..##...##....", "...##.##.....", "....###......", ".....#.......",
        ".............", ".............", ".............",
    ]
    return transparente(filas, {"#": (40, 110, 40)}, 13, 13)


def hacer_mano():
    filas = [
        ".....##.........",
        "....#ww#........",
        "....#ww#........",
        "....#ww#........",
        "....#ww#........",
        "....#ww###......",
        "....#ww#ww###...",
        "....#ww#ww#ww##.",
        ".##.#ww#ww#ww#w#",
        "#ww##wwwwwwwwwww#"[:16],
        "#www#wwwwwwwwwww#"[:16],
        ".#wwwwwwwwwwwww#",
        "..#wwwwwwwwwwww#",
        "..#wwwwwwwwwwww#",
        "...#wwwwwwwwww#.",
        "...#wwwwwwwwww#.",
        "....#wwwwwwww#..",
        "....#wwwwwwww#..",
        "....##########..",
    ]
    filas = [f.ljust(16, ".") for f in filas]
    img = transparente(filas, {"#": P.CONTORNO, "w": (255, 255, 240)}, 32, 32)
    return img


def hacer_logo():
    img = B.nuevo(100, 36, TABLERO)
    B.marco(img, 0, 0, 99, 35, P.LATON_OSCURO)
    B.marco(img, 1, 1, 98, 34, P.MADERA_NEGRA)
    T.lampara(img, 6, 9, 1)
    L.rotulo(img, 26, 5, "Candil", 1, [B.LATON_BRILLO, P.ORO, P.LATON_OSCURO], P.MADERA_NEGRA,
             None, paso=8)
    B.caja(img, 26, 18, 94, 18, P.LATON_OSCURO)
    x = 36
    for ch in "JUEGOS":
        B.mapa(img, x, 23, MINI[ch], {"#": P.ORO})
        x += len(MINI[ch][0]) + 5
    return img


if __name__ == "__main__":
    print(B.guardar(hacer_fondo(), "setup/fondo.png"))
    for nombre, d in (("pantalla", dib_pantalla), ("sonido", dib_sonido), ("teclado", dib_teclado),
                      ("idioma", dib_idioma), ("opciones", dib_opciones), ("internet", dib_internet),
                      ("creditos", dib_creditos)):
        print(B.guardar(icono(d), "setup/icono_%s.png" % nombre))
    B.guardar(plaqueta("ES", (200, 60, 40), (255, 224, 96)), "setup/idioma_es.png")
    B.guardar(plaqueta("EN", (52, 80, 150), (240, 240, 240)), "setup/idioma_en.png")
    B.guardar(boton(75, 23, False), "setup/boton.png")
    B.guardar(boton(75, 23, True), "setup/boton_pulsado.png")
    B.guardar(hacer_examinar(False), "setup/examinar.png")
    B.guardar(hacer_examinar(True), "setup/examinar_pulsado.png")
    B.guardar(hacer_casilla(), "setup/casilla.png")
    B.guardar(hacer_marca(), "setup/marca.png")
    B.guardar(hacer_mano(), "setup/mano.png")
    print(B.guardar(hacer_logo(), "setup/logo.png"))
