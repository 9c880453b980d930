#!/usr/bin/env python3
"""Reads a Windows shortcut (.lnk) back: prints its target, its arguments and its working
folder, one per line.   leer-acceso.py SHORTCUT.lnk
The target is the local path as stored: in the ANSI code page (Windows-1252 here) unless the
file holds it in UTF-16 too, so a character outside the code page reads as "?"; the working
folder is always UTF-16.
The file's layout is Windows' published shell-link format: a 76-byte header whose flags say
which parts follow, an optional item list, an optional location block with the target's local
path, then counted strings (name, relative path, working folder, arguments, icon)."""
import struct
import sys

datos = open(sys.argv[1], "rb").read()
if len(datos) < 76 or struct.unpack_from("<I", datos, 0)[0] != 0x4C:
    sys.exit(f"{sys.argv[1]}: not a shell link")
banderas = struct.unpack_from("<I", datos, 20)[0]
CON_LISTA, CON_UBICACION, UNICODE = 0x1, 0x2, 0x80
CADENAS = [(0x4, "nombre"), (0x8, "relativa"), (0x10, "carpeta"), (0x20, "argumentos"),
           (0x40, "icono")]
pos = 76
if banderas & CON_LISTA:
    pos += 2 + struct.unpack_from("<H", datos, pos)[0]
destino = None
if banderas & CON_UBICACION:
    bloque = datos[pos:pos + struct.unpack_from("<I", datos, pos)[0]]
    cabecera, marcas, _, local, _, sufijo = struct.unpack_from("<6I", bloque, 4)
    if marcas & 0x1:
        def texto_ansi(inicio):
            return bloque[inicio:bloque.index(b"\0", inicio)].decode("cp1252", "replace")
        def texto_ancho(inicio):
            fin = inicio
            while bloque[fin:fin + 2] != b"\0\0":
                fin += 2
            return bloque[inicio:fin].decode("utf-16-le")
        if cabecera >= 0x24:
            local_u, sufijo_u = struct.unpack_from("<2I", bloque, 28)
            destino = texto_ancho(local_u) + texto_ancho(sufijo_u)
        else:
            destino = texto_ansi(local) + texto_ansi(sufijo)
    pos += len(bloque)
cadenas = {}
for bandera, nombre in CADENAS:
    if banderas & bandera:
        n = struct.unpack_from("<H", datos, pos)[0]
        ancho = 2 if banderas & UNICODE else 1
        crudo = datos[pos + 2:pos + 2 + n * ancho]
        cadenas[nombre] = crudo.decode("utf-16-le" if ancho == 2 else "cp1252").rstrip("\0")
        pos += 2 + n * ancho
print(destino if destino is not None else "")
print(cadenas.get("argumentos", ""))
print(cadenas.get("carpeta", ""))
