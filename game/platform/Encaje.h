// Where the canvas sits in a window: enlarged (or, in a window smaller than it, reduced),
// centred on black, and the arithmetic that takes rectangles and points between canvas pixels
// and window pixels. Every window pixel inside the picture shows the canvas pixel under it.
#pragma once

#include "Imagen.h"
#include "Plataforma.h"

namespace polvareda {

struct Encaje {
    int x = 0;  // window position of the canvas' top-left pixel
    int y = 0;
    int ancho = 0;  // the whole canvas in window pixels
    int alto = 0;
    Tamano lienzo;
    bool operator==(const Encaje&) const = default;
};

// The canvas in a window of `ventana` pixels. Sharp: the largest whole factor that fits (at
// least 1). Not sharp: the largest size that fits, fractions allowed. A canvas that does not
// fit the window even at 1 is reduced to fit either way. With `ajuste.proporcion` set (4:3),
// the whole canvas is shown at those proportions instead of with square pixels; sharp then
// keeps the width a whole multiple of the canvas width.
Encaje CalcularEncaje(Tamano ventana, Tamano lienzo, const AjustePantalla& ajuste = {});

// The part of `r` inside a picture of size `limite` (w or h 0 when nothing is left).
Rect Recortar(Rect r, Tamano limite);

// A canvas rectangle in window pixels: exactly the window pixels that show its canvas pixels.
Rect AVentana(const Encaje& encaje, Rect lienzo);
// A window point back in canvas pixels: the canvas pixel it shows (outside the picture, the
// canvas coordinate it would have, rounded down).
int ALienzoX(const Encaje& encaje, int x);
int ALienzoY(const Encaje& encaje, int y);

// Copies rectangle `r` of `lienzo` (already clipped to it) at its place in the window into
// 32-bit 0x00RRGGBB pixels at `destino` (a window of `ventana` pixels, `paso` bytes per row),
// clipped to the window.
void CopiarAmpliado(const Imagen& lienzo, Rect r, const Encaje& encaje, Tamano ventana,
                    std::uint32_t* destino, int paso);

}  // namespace polvareda
