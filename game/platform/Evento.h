// What the platform hands the game: keys and mouse buttons in the classic virtual-key codes,
// the close request of the window, and the requests of a headless script.
#pragma once

#include <string>

namespace polvareda {

// Shift state bits, as the game's key handlers receive them.
constexpr int kShift = 1;
constexpr int kControl = 2;
constexpr int kAlt = 4;

// Mouse buttons.
constexpr int kBotonIzquierdo = 1;
constexpr int kBotonDerecho = 2;
constexpr int kBotonCentral = 4;

enum class TipoEvento {
    TeclaPulsada,  // key down: `tecla` is the virtual-key code (65-90 letters, 48-57 digits, ...)
    TeclaSoltada,  // key up
    RatonPulsado,  // mouse button down: `boton`, position `x`, `y` in canvas pixels
    RatonSoltado,  // mouse button up
    RatonMovido,   // mouse moved
    Cerrar,        // the user or the system closes the window
    FinDelGuion,   // headless: the script has ended; the game shuts down in order
    VolcarImagen,  // headless: write the window picture as PNG to `archivo`
    VolcarEstado,  // headless: print the state as one JSON line (to `archivo`, or stdout if empty)
    TocarEfecto,   // headless: play sound effect number `tecla` once
    TocarMusica,   // headless: start music piece number `tecla`
};

struct Evento {
    TipoEvento tipo = TipoEvento::TeclaPulsada;
    int tecla = 0;
    int shift = 0;
    int boton = 0;
    int x = 0;
    int y = 0;
    std::string archivo;
};

}  // namespace polvareda
