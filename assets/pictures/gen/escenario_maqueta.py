"""Puts the pictures together as the game assembles its play screen, for judging them as a
whole: /tmp/maqueta.png (x3), with door 1 open on the scenery and door 2 half open.
Also the afternoon and night versions of the scenery side by side, /tmp/paisaje_horas.png."""

import os
import sys

from PIL import Image

import escenario_base as B

RUTA = B.CARPETA


def abre(nombre):
    return Image.open(os.path.join(RUTA, nombre)).convert("RGB")


def maqueta():
    panel, pared, puertas = abre("panel.png"), abre("Pared.png"), abre("Puertas.png")
    ventanilla, cajas, cuadro = abre("ventanilla.png"), abre("cajas.png"), abre("CuadroCajas.png")
    sino, dolar, paisaje, letras = abre("sino.png"), abre("dolar.png"), abre("Paisaje.png"), abre("letras.png")
    fondo = B.nuevo(256, 192)
    fondo.paste(panel.crop((0, 0, 256, 24)), (0, 0))
    for i in range(3):
        fondo.paste(panel.crop((8, 1, 104, 24)), (96 * i, 169))
    fondo.paste(cajas.crop((0, 8, 48, 16)), (8, 0))
    fondo.paste(cajas.crop((48, 0, 96, 8)), (56, 0))
    fondo.paste(cajas.crop((96, 0, 192, 8)), (152, 0))
    for j in range(6):
        fondo.paste(cuadro, (8 + 16 * j, 8))
        fondo.paste(cuadro, (152 + 16 * j, 8))
    tile = pared.copy()
    tile.paste(puertas.crop((0, 0, 56, 88)), (16, 7))
    for k in range(3):
        fondo.paste(tile, (88 * k, 25))
    ancho = Image.new("RGB", (616, 28))
    for pos, t in enumerate("ABABCBC"):
        k = "ABC".index(t)
        ancho.paste(ventanilla.crop((88 * k, 0, 88 * k + 88, 28)), (88 * pos, 0))
    fondo.paste(ancho.crop((176, 0, 432, 28)), (0, 140))
    fondo.paste(dolar.crop((0, 0, 16, 16)), (120, 8))
    # Paid marks on doors 0 and 7.
    fondo.paste(sino.crop((14, 0, 28, 14)), (9, 9))
    fondo.paste(sino.crop((0, 0, 14, 14)), (57 + 16 * 7, 9))
    # Door 1 wide open, door 2 half open.
    fondo.paste(paisaje.crop((13 + 88, 24, 61 + 88, 112)), (16 + 88, 32))
    fondo.paste(puertas.crop((120, 0, 128, 88)), (64 + 88, 32))
    fondo.paste(paisaje.crop((13 + 176, 24, 61 + 176, 112)), (16 + 176, 32))
    fondo.paste(puertas.crop((96, 0, 120, 88)), (48 + 176, 32))
    # Panel texts in the game's font.
    def escribe(col, y, texto, color):
        for i, ch in enumerate(texto):
            if ch == " ":
                continue
            g = ord(ch) - 65 if ord(ch) >= 65 else ord(ch) - 22
            for yy in range(12):
                for xx in range(7):
                    if letras.getpixel((7 * g + xx, yy)) == (0, 0, 0):
                        fondo.putpixel((8 * col + 8 * i + xx, y + yy), letras.getpixel((7 * g + xx, 12 * color + yy)))
    escribe(1, 178, "PUNTOS", 6)
    escribe(8, 178, "001250", 1)
    escribe(16, 178, "VIDAS", 2)
    return fondo


def main():
    m = maqueta()
    m.resize((768, 576), Image.NEAREST).save("/tmp/maqueta.png")
    p = abre("Paisaje.png")
    t = B.oscurecer(p, 88, 184, 184)
    n = B.oscurecer(p, 207, 207, 128)
    c = Image.new("RGB", (256, 336))
    for i, im in enumerate((p, t, n)):
        c.paste(im, (0, 112 * i))
    c.resize((768, 1008), Image.NEAREST).save("/tmp/paisaje_horas.png")
    print("/tmp/maqueta.png /tmp/paisaje_horas.png")


if __name__ == "__main__":
    sys.exit(main())
