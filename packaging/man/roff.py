#!/usr/bin/python3
"""Turns a manual page written in our small Markdown into roff (man(7)).

    roff.py SOURCE.md OUTPUT VERSION DATE     writes the page
    roff.py --opciones SOURCE.md              prints the options it lists, one a line

The Markdown: a first line "% NAME SECTION"; "# HEADING" sections; paragraphs; a term line in
backquotes ("`--carpeta DIR`") or in stars ("*/usr/share/games*", "**0**") followed by lines
starting with ": " is one item of a list; lines indented by four spaces are an example, kept as
they are; **bold** and *italic* inside text. In SYNOPSIS every line is a line of its own.
"""
import re
import sys


def escapar(texto):
    texto = texto.replace("\\", "\\e").replace("-", "\\-")
    return texto


def en_linea(texto):
    texto = escapar(texto)
    texto = re.sub(r"\*\*(.+?)\*\*", r"\\fB\1\\fR", texto)
    texto = re.sub(r"\*(.+?)\*", r"\\fI\1\\fR", texto)
    return texto


def linea_roff(texto):
    # A line of text may not start with a control character.
    return "\\&" + texto if texto[:1] in (".", "'") else texto


def termino(texto):
    if texto.startswith("`") and texto.endswith("`"):
        opcion, _, argumento = texto[1:-1].partition(" ")
        resultado = "\\fB" + escapar(opcion) + "\\fR"
        if argumento:
            resultado += " \\fI" + escapar(argumento) + "\\fR"
        return resultado
    return en_linea(texto)


def es_termino(linea):
    return re.fullmatch(r"`[^`]+`|\*\*?[^*].*\*\*?", linea) is not None


def opciones(lineas):
    """The options the OPTIONS section lists."""
    dentro = False
    encontradas = []
    for linea in lineas:
        if linea.startswith("# "):
            dentro = linea[2:].strip() == "OPTIONS"
        elif dentro and linea.startswith("`"):
            encontradas.append(linea.strip("`").split(" ")[0])
    return encontradas


def convertir(lineas, version, fecha):
    cabecera = lineas[0]
    if not cabecera.startswith("% "):
        raise SystemExit("roff.py: the first line must be '% NAME SECTION'")
    nombre, seccion = cabecera[2:].split()
    salida = [
        f'.TH {escapar(nombre)} {seccion} "{fecha}" "Polvareda Plus {version}" "Games"',
    ]
    seccion_actual = ""
    parrafo = []
    i = 1

    def cerrar_parrafo():
        if parrafo:
            if seccion_actual == "SYNOPSIS":
                for linea in parrafo:
                    salida.append(linea_roff(en_linea(linea)))
                    salida.append(".br")
            else:
                salida.append(linea_roff(en_linea(" ".join(parrafo))))
            parrafo.clear()

    while i < len(lineas):
        linea = lineas[i]
        if linea.startswith("# "):
            cerrar_parrafo()
            seccion_actual = linea[2:].strip()
            salida.append(".SH " + seccion_actual)
        elif linea.startswith("    "):
            cerrar_parrafo()
            salida += [".PP", ".RS 4", ".nf"]
            while i < len(lineas) and (lineas[i].startswith("    ") or not lineas[i].strip()):
                salida.append(linea_roff(escapar(lineas[i][4:])))
                i += 1
            while salida[-1] == "":
                salida.pop()
            salida += [".fi", ".RE", ".PP"]
            continue
        elif es_termino(linea) and i + 1 < len(lineas) and lineas[i + 1].startswith(": "):
            cerrar_parrafo()
            salida += [".TP", termino(linea)]
            descripcion = [lineas[i + 1][2:]]
            i += 2
            while i < len(lineas) and lineas[i].strip() and not lineas[i].startswith(("#", "`")):
                if es_termino(lineas[i]) and i + 1 < len(lineas) and lineas[i + 1].startswith(": "):
                    break
                descripcion.append(lineas[i])
                i += 1
            salida.append(linea_roff(en_linea(" ".join(descripcion))))
            continue
        elif not linea.strip():
            cerrar_parrafo()
            if salida[-1] not in (".PP",) and not salida[-1].startswith(".SH"):
                salida.append(".PP")
        else:
            parrafo.append(linea)
        i += 1
    cerrar_parrafo()
    # No paragraph break right before a heading, a list item or at the end.
    limpia = []
    for j, linea in enumerate(salida):
        siguiente = salida[j + 1] if j + 1 < len(salida) else ".SH"
        if linea == ".PP" and siguiente.startswith((".SH", ".TP", ".PP")):
            continue
        limpia.append(linea)
    return "\n".join(limpia) + "\n"


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--opciones":
        with open(sys.argv[2], encoding="utf-8") as f:
            print("\n".join(opciones(f.read().splitlines())))
        return
    if len(sys.argv) != 5:
        raise SystemExit(__doc__)
    fuente, destino, version, fecha = sys.argv[1:]
    with open(fuente, encoding="utf-8") as f:
        texto = convertir(f.read().splitlines(), version, fecha)
    with open(destino, "w", encoding="utf-8") as f:
        f.write(texto)


if __name__ == "__main__":
    main()
