// Where the logical 256 x 192 picture lands in the window's canvas: the scale, the graphics
// extension's multiplier, the margins of the 320 x 200 mode and the origin of the drawing area.
#pragma once

#include "Escala.h"
#include "Imagen.h"

namespace polvareda {

struct Vista {
    Escala escala;      // s
    int factorXGA = 1;  // m
    int margenX = 0;    // 32 in the 320 x 200 mode, else 0 (logical pixels)
    int margenY = 0;    // 4 in the 320 x 200 mode, else 0
    int origenX = 0;    // the drawing area's top left inside the canvas (canvas pixels)
    int origenY = 0;

    // The canvas rectangle that shows the logical rectangle (x, y, w, h): every coordinate is
    // round(m·s·value) with the margins added to the position before the one rounding.
    Rect Destino(int x, int y, int w, int h) const {
        return {origenX + escala.Aplicar(factorXGA, static_cast<long long>(margenX) + x),
                origenY + escala.Aplicar(factorXGA, static_cast<long long>(margenY) + y),
                escala.Aplicar(factorXGA, w), escala.Aplicar(factorXGA, h)};
    }
};

}  // namespace polvareda
