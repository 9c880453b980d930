"""Checks the figure pictures: every file present at its size, every sheet's mask exact, and
the figures still readable in the night phases.

Exit status 0 when everything passes; otherwise each failure is listed on stderr and the
status is 1. A sheet's mask (its lower half) must be black exactly where the picture above
is not black and white everywhere else, or figures get holes or black boxes around them.

At night the game darkens every figure colour by R and G -191, B -112, which leaves only
strong blue and near-white. On the darkened frames, a figure who draws (the customers 3 to 7,
and the duel's gunmen, who are customers 4 to 6) must light up enough pixels by a step a
player sees on the dark street, and each bandit must differ from every customer, standing or
drawn, by as many such pixels. The counts are printed.
Usage: /usr/bin/python3 figuras_comprobar.py [folder of the pictures]
"""

import os
import sys

from PIL import Image

MIEMBROS = list(range(0, 10)) + list(range(11, 20)) + list(range(21, 30)) + \
    list(range(33, 40)) + [48, 49]

# file -> (width, height, has a mask in its lower half)
TAMANOS = {f"sprite{n}.png": (48, 176, True) for n in MIEMBROS}
TAMANOS.update({
    "sombrero0.png": (12, 22, True),
    "sombrero1.png": (12, 22, True),
    "BangBMP.png": (62, 180, False),
    "estrella.png": (72, 84, False),
    "vida.png": (9, 23, False),
    "menu.png": (56, 96, False),
    "reloj1.png": (32, 32, False),
    "reloj2.png": (32, 32, False),
    "Bala.png": (12, 6, False),
    "icono.png": (64, 64, False),
})

NEGRO, BLANCO = (0, 0, 0), (255, 255, 255)

NOCHE = (191, 191, 112)   # what the night takes off each figure colour, R, G, B
PASO_VISIBLE = 24         # a luminance step (of 255) that shows on the dark street
PIXELES_MINIMOS = 16      # a gun's worth of pixels that must change by that step
PANEL = (92, 52, 28)


def fallos_de_mascara(img):
    """The mismatches of a picture-over-mask sheet, as short texts (at most a few)."""
    w, h = img.size
    mitad = h // 2
    px = img.load()
    fallos = []
    for y in range(mitad):
        for x in range(w):
            figura = px[x, y] != NEGRO
            m = px[x, y + mitad]
            esperado = NEGRO if figura else BLANCO
            if m != esperado:
                fallos.append(f"mask at ({x}, {y + mitad}) is {m}, expected {esperado}")
    return fallos


def fallos_de_fichero(carpeta, nombre, w, h, con_mascara):
    ruta = os.path.join(carpeta, nombre)
    if not os.path.isfile(ruta):
        return ["missing"]
    img = Image.open(ruta)
    if img.size != (w, h):
        return [f"size {img.size[0]} x {img.size[1]}, expected {w} x {h}"]
    fallos = []
    rgb = img.convert("RGB")
    if con_mascara:
        fallos += fallos_de_mascara(rgb)
        if not any(rgb.getpixel((x, y)) != NEGRO for y in range(h // 2) for x in range(w)):
            fallos.append("the picture is empty")
    if nombre == "vida.png":
        # the game turns the panel's ground black to make the second icon: it must be there,
        # and the icon itself must not use it
        esquinas = [rgb.getpixel(p) for p in ((0, 0), (8, 0), (0, 22), (8, 22))]
        if any(c != PANEL for c in esquinas):
            fallos.append("the corners are not the panel's ground colour")
    if nombre == "Bala.png":
        otros = {rgb.getpixel((x, y)) for y in range(h) for x in range(w)} - {NEGRO, BLANCO}
        if otros:
            fallos.append("colours other than black and white")
    return fallos


def luminancia_de_noche(carpeta, n):
    """Frame n darkened as at night, over black, as luminance per pixel (0 to 255)."""
    img = Image.open(os.path.join(carpeta, f"sprite{n}.png")).convert("RGB")
    w, h = img.size
    mitad = h // 2
    px = img.load()
    y = {}
    for fy in range(mitad):
        for fx in range(w):
            if px[fx, fy + mitad] != NEGRO:
                continue
            r, g, b = (max(c - d, 0) for c, d in zip(px[fx, fy], NOCHE))
            y[(fx, fy)] = 0.299 * r + 0.587 * g + 0.114 * b
    return y


def pixeles_distintos(a, b, solo_mas_claro=False):
    """How many pixels differ by a visible step between two darkened frames."""
    n = 0
    for p in set(a) | set(b):
        d = b.get(p, 0.0) - a.get(p, 0.0)
        if d >= PASO_VISIBLE or (not solo_mas_claro and -d >= PASO_VISIBLE):
            n += 1
    return n


def fallos_de_noche(carpeta):
    fallos = []
    y = {n: luminancia_de_noche(carpeta, n) for n in (1, 2, *range(3, 10), *range(33, 38))}
    desenfundar = {k: pixeles_distintos(y[k], y[30 + k], solo_mas_claro=True) for k in range(3, 8)}
    print("at night, pixels a draw lights up: " +
          ", ".join(f"{k}->{30 + k} {n}" for k, n in desenfundar.items()))
    for k, n in desenfundar.items():
        if n < PIXELES_MINIMOS:
            fallos.append(f"at night the draw of figure {k} lights up only {n} pixels "
                          f"(at least {PIXELES_MINIMOS})")
    for bandido in (1, 2):
        distintos = {c: pixeles_distintos(y[bandido], y[c])
                     for c in (*range(3, 10), *range(33, 38))}
        print(f"at night, pixels that tell bandit {bandido} from each customer: " +
              ", ".join(f"{c} {n}" for c, n in distintos.items()))
        for c, n in distintos.items():
            if n < PIXELES_MINIMOS:
                fallos.append(f"at night bandit {bandido} and figure {c} differ in only {n} "
                              f"pixels (at least {PIXELES_MINIMOS})")
    return fallos


def main(argv):
    carpeta = argv[1] if len(argv) > 1 else os.path.normpath(
        os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    malos = 0
    for nombre, (w, h, con_mascara) in sorted(TAMANOS.items()):
        fallos = fallos_de_fichero(carpeta, nombre, w, h, con_mascara)
        if fallos:
            malos += 1
            print(f"{nombre}: " + "; ".join(fallos[:5])
                  + (f" (and {len(fallos) - 5} more)" if len(fallos) > 5 else ""),
                  file=sys.stderr)
    if malos:
        print(f"{malos} of {len(TAMANOS)} figure pictures are wrong", file=sys.stderr)
        return 1
    noche = fallos_de_noche(carpeta)
    for f in noche:
        print(f, file=sys.stderr)
    if noche:
        return 1
    print(f"all {len(TAMANOS)} figure pictures are right")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
