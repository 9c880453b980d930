// The game window `Ventana`: its picture, its mode text and the handlers of its key and mouse
// events. Every surface, timer and the play state belong to it and live as long as it.
#pragma once

#include <functional>
#include <string>

#include "Colores.h"
#include "Evento.h"
#include "Fundido.h"
#include "Graficos.h"
#include "Lienzo.h"

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
    // The mode text ("menu", "juego", "trans", ...): what an event does depends on it, and
    // the long sequences end their waits when it changes.
    std::string tag;
    bool abierta = false;

    // The window's event procedures; an empty one ignores its event.
    std::function<void(const Evento&)> alPulsarTecla;
    std::function<void(const Evento&)> alSoltarTecla;
    std::function<void(const Evento&)> alPulsarRaton;
    std::function<void(const Evento&)> alSoltarRaton;
    std::function<void(const Evento&)> alMoverRaton;
    std::function<void(const Evento&)> alMando;  // game controllers: buttons, axes, plugging
    // The window lost or got back the focus (only when the player wants the pause for it).
    std::function<void(const Evento&)> alFoco;
};

}  // namespace polvareda
