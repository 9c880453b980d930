// What the platform hands the game: keys and mouse buttons in the classic virtual-key codes,
// the close request of the window, and the requests of a headless script.
#pragma once

#include <iterator>
#include <string>

#include "BotonesMando.h"

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
    MandoConectado,     // a game controller was plugged in (or was there at start)
    MandoDesconectado,  // a game controller was pulled out
    MandoPulsado,       // controller button down: `boton` is a BotonMando
    MandoSoltado,       // controller button up
    MandoEje,           // controller axis moved: `boton` is an EjeMando, `x` its value
    FocoPerdido,        // the game window no longer receives the keyboard
    FocoGanado,         // it receives it again
};

// Controller buttons and axes, numbered and named as the common game-controller layout
// names them (the names are the ones the headless scripts use).
enum BotonMando {
    kMandoA,
    kMandoB,
    kMandoX,
    kMandoY,
    kMandoBack,
    kMandoGuide,
    kMandoStart,
    kMandoLeftStick,
    kMandoRightStick,
    kMandoLeftShoulder,
    kMandoRightShoulder,
    kMandoDpUp,
    kMandoDpDown,
    kMandoDpLeft,
    kMandoDpRight,
    kBotonesMando
};
enum EjeMando {
    kEjeLeftX,
    kEjeLeftY,
    kEjeRightX,
    kEjeRightY,
    kEjeLeftTrigger,
    kEjeRightTrigger,
    kEjesMando
};
// A stick counts as pushed past kEjePulsado and as released again below kEjeSuelto, so a
// stick resting near the mark does not chatter.
constexpr int kEjePulsado = 16000;
constexpr int kEjeSuelto = 8000;
inline constexpr const auto& kNombresBotonMando = kNombresBoton;
static_assert(std::size(kNombresBotonMando) == kBotonesMando);
constexpr const char* kNombresEjeMando[kEjesMando] = {"leftx",  "lefty",       "rightx",
                                                      "righty", "lefttrigger", "righttrigger"};

struct Evento {
    TipoEvento tipo = TipoEvento::TeclaPulsada;
    int tecla = 0;
    int shift = 0;
    bool repeticion = false;  // a key-down repeated by the keyboard while the key is held
    int boton = 0;
    int x = 0;  // also a controller axis value, -32768 to 32767
    int y = 0;
    std::string archivo;
};

}  // namespace polvareda
