"""Contact sheet for reviewing the game's pictures: every PNG under assets/pictures (and its
sub-folders), enlarged with nearest-neighbour and labelled with its name and size, in one PNG.

Usage: contactos.py [output.png]   (default /tmp/contactos.png)
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

CARPETA = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
ANCHO_HOJA = 1600
MARGEN = 8
ALTO_ETIQUETA = 14
FONDO = (60, 60, 68)


def pictures():
    for raiz, carpetas, archivos in os.walk(CARPETA):
        carpetas.sort()
        for nombre in sorted(archivos):
            if nombre.lower().endswith(".png"):
                ruta = os.path.join(raiz, nombre)
                yield os.path.relpath(ruta, CARPETA), ruta


def ampliacion(img):
    """x3 for small pictures, x2 for the large ones, so that the sheet stays a sensible size."""
    return 3 if max(img.size) <= 160 else 2


def hoja(salida):
    fuente = ImageFont.load_default()
    piezas = []
    for nombre, ruta in pictures():
        img = Image.open(ruta).convert("RGBA")
        k = ampliacion(img)
        grande = img.resize((img.width * k, img.height * k), Image.NEAREST)
        # Transparent parts on a checker so that they show as such.
        cuadros = Image.new("RGBA", grande.size, (200, 200, 200, 255))
        d = ImageDraw.Draw(cuadros)
        for y in range(0, grande.height, 8):
            for x in range(0, grande.width, 8):
                if (x // 8 + y // 8) % 2:
                    d.rectangle((x, y, x + 7, y + 7), fill=(150, 150, 150, 255))
        cuadros.alpha_composite(grande)
        piezas.append(("%s %dx%d x%d" % (nombre, img.width, img.height, k), cuadros.convert("RGB")))
    # Simple shelf packing, row by row.
    x = y = MARGEN
    alto_fila = 0
    lugares = []
    for etiqueta, img in piezas:
        ancho = max(img.width, len(etiqueta) * 6 + 4)
        if x + ancho > ANCHO_HOJA - MARGEN and x > MARGEN:
            x = MARGEN
            y += alto_fila + MARGEN
            alto_fila = 0
        lugares.append((x, y, etiqueta, img))
        x += ancho + MARGEN
        alto_fila = max(alto_fila, img.height + ALTO_ETIQUETA)
    alto = y + alto_fila + MARGEN
    sheet = Image.new("RGB", (ANCHO_HOJA, max(alto, 32)), FONDO)
    dibujo = ImageDraw.Draw(sheet)
    for (px, py, etiqueta, img) in lugares:
        dibujo.text((px, py), etiqueta, fill=(255, 255, 255), font=fuente)
        sheet.paste(img, (px, py + ALTO_ETIQUETA))
    sheet.save(salida)
    return salida, len(lugares)


def main(argv):
    salida = argv[1] if len(argv) > 1 else "/tmp/contactos.png"
    ruta, cuantas = hoja(salida)
    print("%s: %d pictures" % (ruta, cuantas))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
