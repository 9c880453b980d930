// The game window `Ventana`: its canvas, its surfaces and coloured picture sets, its fade frames
// and its mode. The event pump and the input dispatch work on it.
#pragma once

#include "Colores.h"
#include "Fundido.h"
#include "Graficos.h"
#include "Lienzo.h"
#include "Modo.h"

namespace polvareda {

// The game window's title, also the caption of the game's message boxes.
inline constexpr const char* kTitulo = "Polvareda Plus";

struct Ventana {
    Lienzo lienzo;
    // The surfaces and the view that maps the logical picture onto the canvas. The game
    // picture need not start at the canvas's corner: mouse positions (canvas pixels) are
    // relative to graficos.vista.origenX/origenY.
    Graficos graficos{lienzo};
    Coloreados coloreados;          // the day, afternoon and night pictures
    CuadrosFundido cuadrosFundido;  // the title picture's fade frames
    // The mode: what input does depends on it (DespachoEntrada), and the long sequences end
    // their waits when it changes.
    Modo modo = Modo::Ninguno;
    bool abierta = false;
};

}  // namespace polvareda
