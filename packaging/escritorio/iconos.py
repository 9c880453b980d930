"""The game's icon at the sizes of the desktop's icon theme.

    iconos.py ICON.png OUT_FOLDER SIZE...

Writes OUT_FOLDER/<size>.png for each size. The icon is pixel art: whole enlargements keep
its pixels sharp (nearest neighbour); smaller sizes are filtered down.
"""
import os
import sys

from PIL import Image


def main():
    origen, destino, lados = sys.argv[1], sys.argv[2], [int(x) for x in sys.argv[3:]]
    icono = Image.open(origen).convert('RGBA')
    os.makedirs(destino, exist_ok=True)
    for lado in lados:
        entero = lado % icono.width == 0
        filtro = Image.NEAREST if entero else Image.LANCZOS
        icono.resize((lado, lado), filtro).save(os.path.join(destino, '%d.png' % lado))


if __name__ == '__main__':
    main()
