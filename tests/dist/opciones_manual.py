#!/usr/bin/python3
"""The manual pages list exactly the options each program's --help lists, and the game's
--version is the project's version.

    opciones_manual.py ROFF_PY VERSION PAGE.md PROGRAM [PAGE.md PROGRAM]...
"""
import re
import subprocess
import sys


def main():
    roff, version, pares = sys.argv[1], sys.argv[2], sys.argv[3:]
    fallos = []
    for pagina, programa in zip(pares[::2], pares[1::2]):
        del_manual = subprocess.run([sys.executable, roff, "--opciones", pagina], check=True,
                                    capture_output=True, text=True).stdout.split()
        ayuda = subprocess.run([programa, "--help"], check=True, capture_output=True,
                               text=True).stdout
        de_la_ayuda = re.findall(r"^  ((?:--|/)[\w-]+)", ayuda, re.MULTILINE)
        if sorted(del_manual) != sorted(de_la_ayuda):
            fallos.append(f"{pagina}: {sorted(del_manual)}\n  {programa} --help: "
                          f"{sorted(de_la_ayuda)}")
    juego = pares[1]
    dicha = subprocess.run([juego, "--version"], check=True, capture_output=True,
                           text=True).stdout.strip()
    if dicha != f"Polvareda Plus {version}":
        fallos.append(f"{juego} --version says '{dicha}', the project is {version}")
    if fallos:
        sys.exit("\n".join(fallos))


if __name__ == "__main__":
    main()
