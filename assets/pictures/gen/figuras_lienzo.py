"""Drawing surface for the figure pictures: pixels, pieces with their own outline, sheets.

A figure is built back to front from pieces (a leg, a torso, an arm, a head...). Each piece is
stamped with a one-pixel CONTORNO ring around it, over whatever lies below, so overlapping
parts stay separate at 1x without any hand-drawn inner lines.
"""

from PIL import Image

from paleta import BLANCO, CONTORNO, NEGRO


class Pieza:
    """A loose set of coloured pixels in frame coordinates, stamped onto a Lienzo later."""

    def __init__(self):
        self.px = {}

    def pon(self, x, y, c):
        self.px[(x, y)] = c

    def rect(self, x0, y0, x1, y1, c):
        """Filled box, corners inclusive."""
        for y in range(min(y0, y1), max(y0, y1) + 1):
            for x in range(min(x0, x1), max(x0, x1) + 1):
                self.px[(x, y)] = c

    def fila(self, y, x0, x1, c):
        for x in range(x0, x1 + 1):
            self.px[(x, y)] = c

    def mapa(self, x0, y0, filas, leyenda):
        """Pixel map given as strings; '.' and ' ' leave the pixel alone."""
        for dy, fila in enumerate(filas):
            for dx, ch in enumerate(fila):
                if ch in ". ":
                    continue
                self.px[(x0 + dx, y0 + dy)] = leyenda[ch]

    def trazo(self, puntos, grosor, c):
        """Thick polyline: a square brush of the given width moved pixel by pixel."""
        for (xa, ya), (xb, yb) in zip(puntos, puntos[1:]):
            pasos = max(abs(xb - xa), abs(yb - ya), 1)
            for k in range(pasos + 1):
                x = round(xa + (xb - xa) * k / pasos)
                y = round(ya + (yb - ya) * k / pasos)
                for dy in range(grosor):
                    for dx in range(grosor):
                        self.px[(x + dx - grosor // 2, y + dy - grosor // 2)] = c

    def elipse(self, cx, cy, rx, ry, c):
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    self.px[(x, y)] = c

    def tinta(self, cond, c):
        """Recolour the pixels of this piece for which cond(x, y, colour) holds (shading)."""
        for (x, y), v in list(self.px.items()):
            if cond(x, y, v):
                self.px[(x, y)] = c

    def movida(self, dx, dy):
        p = Pieza()
        p.px = {(x + dx, y + dy): c for (x, y), c in self.px.items()}
        return p

    def espejo(self, eje2):
        """Mirror around the vertical line x = eje2 / 2 (eje2 = 47 mirrors a 48-wide frame)."""
        p = Pieza()
        p.px = {(eje2 - x, y): c for (x, y), c in self.px.items()}
        return p

    def inclinada(self, paso, pie):
        """Each row moved sideways by one pixel per paso rows above row pie (a lean)."""
        p = Pieza()
        p.px = {(x + (pie - y) // paso, y): c for (x, y), c in self.px.items()}
        return p

    def une(self, otra):
        self.px.update(otra.px)
        return self


class Lienzo:
    """A picture of w x h pixels; None is the empty ground (drawn as NEGRO on sheets)."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[None] * w for _ in range(h)]

    def dentro(self, x, y):
        return 0 <= x < self.w and 0 <= y < self.h

    def pon(self, x, y, c):
        if self.dentro(x, y):
            self.px[y][x] = c

    def toma(self, x, y):
        return self.px[y][x] if self.dentro(x, y) else None

    def estampa(self, pieza, contorno=True, dx=0, dy=0):
        """Draw a piece; with contorno, first a 4-neighbour CONTORNO ring around it."""
        pts = {(x + dx, y + dy): c for (x, y), c in pieza.px.items()}
        if contorno:
            for (x, y) in pts:
                for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                    if (nx, ny) not in pts:
                        self.pon(nx, ny, CONTORNO)
        for (x, y), c in pts.items():
            self.pon(x, y, c)

    def pega(self, otro, dx=0, dy=0):
        """Copy another picture's non-empty pixels, shifted."""
        for y in range(otro.h):
            for x in range(otro.w):
                c = otro.px[y][x]
                if c is not None:
                    self.pon(x + dx, y + dy, c)

    def como_pieza(self):
        p = Pieza()
        for y in range(self.h):
            for x in range(self.w):
                if self.px[y][x] is not None:
                    p.px[(x, y)] = self.px[y][x]
        return p

    def inclinada(self, paso):
        """The picture leaning: each row moved left by one pixel per paso rows above the feet."""
        n = Lienzo(self.w, self.h)
        for y in range(self.h):
            d = (self.h - 1 - y) // paso
            for x in range(self.w):
                if self.px[y][x] is not None:
                    n.pon(x - d, y, self.px[y][x])
        return n

    def copia(self):
        n = Lienzo(self.w, self.h)
        n.px = [fila[:] for fila in self.px]
        return n

    def imagen(self, fondo=NEGRO):
        img = Image.new("RGB", (self.w, self.h), fondo)
        for y in range(self.h):
            for x in range(self.w):
                c = self.px[y][x]
                if c is not None:
                    img.putpixel((x, y), c)
        return img


def hoja_con_mascara(lienzo):
    """A sheet twice the picture's height: the picture on black, then its mask.

    The mask is black exactly where the picture is not pure black, white elsewhere, so that
    AND-ing the mask and OR-ing the picture over the scenery shows the figure and nothing else.
    """
    w, h = lienzo.w, lienzo.h
    hoja = Image.new("RGB", (w, 2 * h), NEGRO)
    for y in range(h):
        for x in range(w):
            c = lienzo.px[y][x]
            if c is not None and c != NEGRO:
                hoja.putpixel((x, y), c)
            else:
                hoja.putpixel((x, y + h), BLANCO)
    return hoja


def guarda(img, ruta):
    img.save(ruta, optimize=True)
