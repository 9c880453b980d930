#!/usr/bin/env python3
"""Writes a Windows icon file holding one PNG picture: icono.py PICTURE.png ICON.ico"""
import struct
import sys

datos = open(sys.argv[1], "rb").read()
if datos[:8] != b"\x89PNG\r\n\x1a\n" or datos[12:16] != b"IHDR":
    sys.exit(f"{sys.argv[1]}: not a PNG picture")
ancho, alto = struct.unpack(">II", datos[16:24])
if not (0 < ancho <= 256 and 0 < alto <= 256):
    sys.exit(f"{sys.argv[1]}: an icon is at most 256 x 256")
# The icon header (reserved, type 1 = icon, one picture), then the picture's entry: 256 is
# written as 0, no palette, one plane, 32 bits, its size and where it starts.
cabecera = struct.pack("<HHH", 0, 1, 1)
entrada = struct.pack("<BBBBHHII", ancho % 256, alto % 256, 0, 0, 1, 32, len(datos), 6 + 16)
with open(sys.argv[2], "wb") as salida:
    salida.write(cabecera + entrada + datos)
