// Drawing into the window: the two scaled copies from a surface to the canvas, masked figures
// composed in `temp`, and the whole-screen restore.
#pragma once

#include "Graficos.h"

namespace polvareda {

// Shows (sx, sy, w, h) of a logical surface (`temp`, `borrador`, `Fondo` at m = 1, or any
// picture at its logical size) at logical (x, y), scaled; the changed rectangle is recorded.
void CopiaEscalada(Graficos& g, const Superficie& origen, int sx, int sy, int w, int h, int x,
                   int y, Rop rop = Rop::SrcCopy);

// The same for a surface the graphics extension may have enlarged: the source rectangle is
// taken in the surface's own pixels (t·sx, t·sy, t·w, t·h).
void CopiaEscaladaXGA(Graficos& g, const Superficie& origen, int sx, int sy, int w, int h, int x,
                      int y, Rop rop = Rop::SrcCopy);

// Puts a masked picture at (x, y) of `destino` (normally `temp`): the mask at (sx, sy +
// filaMascara) with SRCAND, then the picture at (sx, sy) with SRCPAINT. Where the mask is white
// the ground already there stays visible.
void Enmascarar(Superficie& destino, int x, int y, const Superficie& hoja, int sx, int sy, int w,
                int h, int filaMascara);

// A figure sheet frame (48 x 88, mask 88 rows below) put over whatever `temp` holds at (x, y).
void PonerFigura(Graficos& g, int sprite, int x, int y);

// The whole-screen restore: `Fondo` shown whole at logical (0, 0).
void RestaurarPantalla(Graficos& g);

}  // namespace polvareda
