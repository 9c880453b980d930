"""Drawing helpers and extra colours shared by the scenery, panel, font, title and setup pictures.

Every picture is drawn pixel by pixel on a PIL image in RGB: no smoothing, no fonts from the
system. Dithering uses a 4 x 4 ordered matrix so that gradients stay crisp at 1x.
"""

import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paleta as P  # noqa: E402

CARPETA = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# Extra colours of the scenery, chosen with enough red and green that the afternoon
# (R-88, G-184, B-184) turns them into a sunset and the night (R-207, G-207, B-128) keeps
# the brightest ones faintly visible.
CIELO_HORIZONTE = (236, 222, 206)
CIELO_MEDIO = (164, 198, 226)
SOL_BLANCO = (255, 250, 226)
ENCALADO = (240, 230, 206)       # whitewashed wall across the street
ENCALADO_SOMBRA = (206, 190, 166)
TEJADO = (176, 84, 56)
MONTE_MEDIO = (200, 128, 96)
MONTE_LUZ = (226, 156, 112)
ARENA_BRILLO = (246, 216, 156)
PIEDRA = (170, 150, 130)
VENTANA_OSCURA = (60, 40, 34)

# Inside the bank.
TABLA_CLARA = (180, 118, 68)
TABLA = (146, 90, 50)
TABLA_OSCURA = (112, 66, 38)
JUNTA = (70, 40, 24)
ZOCALO = (120, 58, 40)
ZOCALO_OSCURO = (84, 38, 26)
ZOCALO_CLARO = (156, 80, 54)
PUERTA_VERDE = (70, 104, 78)
PUERTA_VERDE_CLARA = (98, 136, 100)
PUERTA_VERDE_OSCURA = (44, 70, 52)
LATON_BRILLO = (255, 240, 150)

BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def nuevo(ancho, alto, color=P.NEGRO):
    return Image.new("RGB", (ancho, alto), color)


def punto(img, x, y, color):
    if 0 <= x < img.width and 0 <= y < img.height:
        img.putpixel((x, y), tuple(color))


def caja(img, x0, y0, x1, y1, color):
    """Fills the rectangle from (x0, y0) to (x1, y1), both corners included."""
    for y in range(max(0, y0), min(img.height, y1 + 1)):
        for x in range(max(0, x0), min(img.width, x1 + 1)):
            img.putpixel((x, y), tuple(color))


def marco(img, x0, y0, x1, y1, color):
    caja(img, x0, y0, x1, y0, color)
    caja(img, x0, y1, x1, y1, color)
    caja(img, x0, y0, x0, y1, color)
    caja(img, x1, y0, x1, y1, color)


def tramado(img, x0, y0, x1, y1, color_a, color_b, nivel):
    """Fills a rectangle mixing two colours; nivel 0..16 is how many sixteenths take color_b."""
    for y in range(max(0, y0), min(img.height, y1 + 1)):
        for x in range(max(0, x0), min(img.width, x1 + 1)):
            img.putpixel((x, y), tuple(color_b if BAYER[y % 4][x % 4] < nivel else color_a))


def degradado(img, x0, y0, x1, y1, colores):
    """Vertical gradient through a list of colours, dithered between neighbouring steps."""
    alto = y1 - y0 + 1
    tramos = len(colores) - 1
    for y in range(y0, y1 + 1):
        f = (y - y0) / max(1, alto - 1) * tramos
        i = min(int(f), tramos - 1)
        nivel = int(round((f - i) * 16))
        for x in range(max(0, x0), min(img.width, x1 + 1)):
            c = colores[i + 1] if BAYER[y % 4][x % 4] < nivel else colores[i]
            img.putpixel((x, y), tuple(c))


def mapa(img, x0, y0, filas, colores):
    """Draws a pixel map: each character of the rows picks a colour from the dict; '.' is left."""
    for dy, fila in enumerate(filas):
        for dx, ch in enumerate(fila):
            if ch in colores:
                punto(img, x0 + dx, y0 + dy, colores[ch])


def disco(img, cx, cy, r, color):
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r * 0.8:
                punto(img, x, y, color)


def mezcla(a, b, f):
    return tuple(int(round(a[i] + (b[i] - a[i]) * f)) for i in range(3))


def guardar(img, nombre):
    ruta = os.path.join(CARPETA, nombre)
    os.makedirs(os.path.dirname(ruta), exist_ok=True)
    img.save(ruta, optimize=True)
    return ruta


def oscurecer(img, r, g, b):
    """The game's afternoon and night colourings, for looking at the scenery here."""
    fuera = img.copy()
    px = fuera.load()
    for y in range(fuera.height):
        for x in range(fuera.width):
            c = px[x, y]
            px[x, y] = (max(0, c[0] - r), max(0, c[1] - g), max(0, c[2] - b))
    return fuera
