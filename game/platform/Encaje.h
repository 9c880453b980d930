// Where the canvas sits in a window: enlarged by a whole factor and centred, and the arithmetic
// that takes rectangles and points between canvas pixels and window pixels.
#pragma once

#include "Imagen.h"
#include "Plataforma.h"

namespace polvareda {

struct Encaje {
    int factor = 1;
    int x = 0;  // window position of the canvas' top-left pixel
    int y = 0;
    bool operator==(const Encaje&) const = default;
};

// The largest whole factor at which the canvas fits the window (at least 1), centred.
Encaje CalcularEncaje(Tamano ventana, Tamano lienzo);

// The part of `r` inside a picture of size `limite` (w or h 0 when nothing is left).
Rect Recortar(Rect r, Tamano limite);

// A canvas rectangle in window pixels, and a window point back in canvas pixels (rounded
// down, so every window pixel of an enlarged canvas pixel maps to it).
Rect AVentana(const Encaje& encaje, Rect lienzo);
int ALienzo(int ventana, int origen, int factor);

// Copies rectangle `r` of `lienzo` (already clipped to it) enlarged by `encaje.factor` into
// 32-bit 0x00RRGGBB pixels at `destino` (a window of `ventana` pixels, `paso` bytes per row),
// clipped to the window.
void CopiarAmpliado(const Imagen& lienzo, Rect r, const Encaje& encaje, Tamano ventana,
                    std::uint32_t* destino, int paso);

}  // namespace polvareda
