"""Writes every figure picture of the game into assets/pictures/.

Run with the system interpreter from anywhere: /usr/bin/python3 assets/pictures/gen/figuras.py
The output is deterministic, so running it again changes no file unless the drawing changed.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import figuras_objetos as obj  # noqa: E402
from figuras_lienzo import guarda, hoja_con_mascara  # noqa: E402
from figuras_sombreros import sombrero_suelto  # noqa: E402
from figuras_tipos import hojas  # noqa: E402

DESTINO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))


def main():
    for n, lienzo in sorted(hojas().items()):
        guarda(hoja_con_mascara(lienzo), os.path.join(DESTINO, f"sprite{n}.png"))
    for i, bomba in ((0, False), (1, True)):
        guarda(hoja_con_mascara(sombrero_suelto(bomba)), os.path.join(DESTINO, f"sombrero{i}.png"))
    guarda(obj.bang(), os.path.join(DESTINO, "BangBMP.png"))
    guarda(obj.estrella(), os.path.join(DESTINO, "estrella.png"))
    guarda(obj.vida(), os.path.join(DESTINO, "vida.png"))
    guarda(obj.menu(), os.path.join(DESTINO, "menu.png"))
    guarda(obj.reloj(True), os.path.join(DESTINO, "reloj1.png"))
    guarda(obj.reloj(False), os.path.join(DESTINO, "reloj2.png"))
    guarda(obj.bala(), os.path.join(DESTINO, "Bala.png"))
    guarda(obj.icono(), os.path.join(DESTINO, "icono.png"))


if __name__ == "__main__":
    main()
