"""Pixel-art doubling (Scale2x, also known as EPX) for the graphics extension.

Scale2x never invents a colour: every output pixel is a copy of one source pixel, chosen from
the pixel itself and its four neighbours. We compute that choice once per tile from a key made of
every plane that belongs together (a figure and its mask, a glyph's mask and its six coloured
bands) and apply the same choice to all of them, so a figure and its mask are doubled alike and
the mask still fits the figure exactly.

A picture is described by groups: each group is a list of equally sized rectangles
(y, x, height, width) that share one choice, cut into tiles (tile width, tile height) so that
frames of a sheet never bleed into one another.
"""

import numpy as np

NEGRO = (0, 0, 0)
BLANCO = (255, 255, 255)


def seleccion_scale2x(clave):
    """Source coordinates (sy, sx), each of shape (2h, 2w), of the Scale2x doubling of `clave`.

    `clave` is an (h, w) array of labels: equal labels mean equal pixels. Neighbours outside the
    tile count as the pixel itself.
    """
    h, w = clave.shape
    yy, xx = np.mgrid[0:h, 0:w]
    arriba = np.maximum(yy - 1, 0)
    abajo = np.minimum(yy + 1, h - 1)
    izquierda = np.maximum(xx - 1, 0)
    derecha = np.minimum(xx + 1, w - 1)

    b = clave[arriba, xx]
    hh = clave[abajo, xx]
    d = clave[yy, izquierda]
    f = clave[yy, derecha]
    borde = (b != hh) & (d != f)

    sy = np.empty((2 * h, 2 * w), dtype=np.intp)
    sx = np.empty((2 * h, 2 * w), dtype=np.intp)

    def poner(dy, dx, usar_vecino, vy, vx):
        sy[dy::2, dx::2] = np.where(usar_vecino, vy, yy)
        sx[dy::2, dx::2] = np.where(usar_vecino, vx, xx)

    # E0: top left takes D (left) when D equals B (above); E1: top right takes F when B equals F;
    # E2: bottom left takes D when D equals H (below); E3: bottom right takes F when H equals F.
    poner(0, 0, borde & (d == b), yy, izquierda)
    poner(0, 1, borde & (b == f), yy, derecha)
    poner(1, 0, borde & (d == hh), yy, izquierda)
    poner(1, 1, borde & (hh == f), yy, derecha)
    return sy, sx


def etiquetas(planos):
    """One label per pixel for a list of (h, w, c) arrays: equal labels where all planes agree."""
    juntos = np.concatenate([p.reshape(p.shape[0], p.shape[1], -1) for p in planos], axis=2)
    h, w, c = juntos.shape
    _, inversa = np.unique(juntos.reshape(h * w, c), axis=0, return_inverse=True)
    return inversa.reshape(h, w)


def escalar(imagen, grupos):
    """Doubles an (h, w, 3) picture; parts not covered by any group are doubled pixel by pixel."""
    h, w = imagen.shape[:2]
    salida = np.repeat(np.repeat(imagen, 2, axis=0), 2, axis=1)
    for rectangulos, (tw, th) in grupos:
        alto, ancho = rectangulos[0][2], rectangulos[0][3]
        for ty in range(0, alto, th):
            for tx in range(0, ancho, tw):
                ah, aw = min(th, alto - ty), min(tw, ancho - tx)
                trozos = []
                for y, x, _, _ in rectangulos:
                    y0, x0 = y + ty, x + tx
                    if y0 >= h or x0 >= w:
                        continue
                    trozos.append((y0, x0, imagen[y0:min(y0 + ah, h), x0:min(x0 + aw, w)]))
                if not trozos:
                    continue
                forma = min(t[2].shape[0] for t in trozos), min(t[2].shape[1] for t in trozos)
                trozos = [(y0, x0, t[: forma[0], : forma[1]]) for y0, x0, t in trozos]
                sy, sx = seleccion_scale2x(etiquetas([t for _, _, t in trozos]))
                for y0, x0, t in trozos:
                    salida[2 * y0: 2 * (y0 + forma[0]), 2 * x0: 2 * (x0 + forma[1])] = t[sy, sx]
    return salida


def es_color(imagen, color):
    return np.all(imagen == np.array(color, dtype=imagen.dtype), axis=-1)


def arreglar_mascara(mascara, figuras, exacta=False):
    """Makes a mask fit its figures: only black and white, and black under every figure pixel
    that is not black (otherwise that pixel would be painted over the scenery). An exact mask is
    also white wherever every figure is black (a figure sheet's ground). Returns how many pixels
    had to change; the mask is changed in place."""
    cambios = 0
    ni_negro_ni_blanco = ~(es_color(mascara, NEGRO) | es_color(mascara, BLANCO))
    if ni_negro_ni_blanco.any():
        cambios += int(ni_negro_ni_blanco.sum())
        claro = mascara.astype(np.int32).sum(axis=-1) > 3 * 127
        mascara[ni_negro_ni_blanco & claro] = BLANCO
        mascara[ni_negro_ni_blanco & ~claro] = NEGRO
    for figura in figuras:
        descubierta = ~es_color(figura, NEGRO) & es_color(mascara, BLANCO)
        cambios += int(descubierta.sum())
        mascara[descubierta] = NEGRO
    if exacta:
        suelo = np.logical_and.reduce([es_color(f, NEGRO) for f in figuras]) & es_color(mascara,
                                                                                         NEGRO)
        cambios += int(suelo.sum())
        mascara[suelo] = BLANCO
    return cambios
