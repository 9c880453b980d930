// A drawing surface: a picture with its multiplier t (how many times larger than its logical
// size the picture is; 1 for the built-in pictures), and the raster operations between
// pictures. Every transfer is clipped to both pictures, whatever the rectangles.
#pragma once

#include "Imagen.h"

namespace polvareda {

// The raster operations of the classic picture transfers.
enum class Rop {
    SrcCopy,   // destination = source
    SrcAnd,    // destination = destination AND source (masks: black cuts, white keeps)
    SrcPaint,  // destination = destination OR source (figures drawn on black)
};

struct Superficie {
    Imagen imagen;
    double t = 1.0;

    int Ancho() const { return imagen.Width(); }
    int Alto() const { return imagen.Height(); }
    // A logical length in this surface's pixels: t·v, to the nearest integer, halves to the
    // even one (a fractional argument to the old transfer calls was converted that way).
    int Px(int v) const;
    // Changes the size, keeping the picture where it fits; new area gets `relleno`.
    void Redimensionar(int ancho, int alto, Pixel relleno = 0);
};

// Pixel-exact transfer of (sx, sy, w, h) of `origen` to (dx, dy) of `destino`. The pictures
// may be the same one (overlapping rectangles are copied as if through a spare buffer).
void Transferir(Imagen& destino, int dx, int dy, const Imagen& origen, int sx, int sy, int w, int h,
                Rop rop);

// Stretching transfer by nearest pixel: destination pixel (i, j) of `d` takes source pixel
// (s.x + floor(i·s.w / d.w), s.y + floor(j·s.h / d.h)), the integer stepping of the old
// stretching copy, so an enlargement by a whole factor repeats every pixel exactly that many
// times. Destination pixels whose source lies outside `origen` are left as they are.
void Estirar(Imagen& destino, Rect d, const Imagen& origen, Rect s, Rop rop);

// Transfer in logical pixels between surfaces: each rectangle is taken in its own surface's
// pixels (scaled by that surface's t); when the two sizes differ the copy stretches.
void Transferir(Superficie& destino, int dx, int dy, const Superficie& origen, int sx, int sy,
                int w, int h, Rop rop);

}  // namespace polvareda
