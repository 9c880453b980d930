"""Regenerates every scenery, panel, font, title and setup picture, then the review images:
/usr/bin/python3 escenario.py   (writes the PNGs beside gen/ and /tmp/maqueta.png)."""

import os
import runpy
import sys

AQUI = os.path.dirname(os.path.abspath(__file__))
MODULOS = ["escenario_letras", "escenario_panel", "escenario_paisaje", "escenario_banco",
           "escenario_titulo", "escenario_setup", "escenario_maqueta"]


def main():
    sys.path.insert(0, AQUI)
    for modulo in MODULOS:
        runpy.run_path(os.path.join(AQUI, modulo + ".py"), run_name="__main__")
    return 0


if __name__ == "__main__":
    sys.exit(main())
