// The run as a whole, alive from start-up to shutdown and passed explicitly to whoever needs
// it, made of parts by owner:
// - Rutas: the run's folders and temporary files, settled at start-up;
// - ServiciosJuego: what the rules use (the devices and the window, the sounds, the settings
//   and texts, the trace), the only part the rules see;
// - its own members: what start-up found and shutdown puts back, the high scores, the game
//   and the front end, and how the run ends.
// The folders are made first and go last: the temporary files outlive the sounds that use them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ComponenteJuego.h"
#include "Escritorio.h"
#include "Mejores.h"
#include "Rutas.h"
#include "ServiciosJuego.h"

namespace polvareda {

class Juego;

struct Modulo : Rutas, ServiciosJuego {
    Modulo(Plataforma& p, Azar& a);
    ~Modulo();

    Plataforma& plataforma;  // the whole platform: the shell's and the front end's

    // What start-up found and shutdown puts back or keeps.
    std::string textoConfiguracion;  // Polvareda.INI as read at start
    EstadoTeclas estadoTeclado{};    // the keyboard as it was before the game touched it
    bool tecladoGuardado = false;
    // The display (set by the device set-up; the extension's multiplier, the scale and the
    // margins are the window's view's).
    bool pantallaCompletaExclusiva = false;  // the 320 x 200 path
    TablaMejores mejores = MejoresPorDefecto();
    // False when a stored table exists that this run could not read: shutdown then leaves it
    // alone rather than writing the defaults over it.
    bool mejoresDevolvibles = true;
    // The records this run added to the table, in order: the write-back adds them to the
    // stored table, which another copy of the game may have changed meanwhile.
    std::vector<RegistroMejor> mejoresNuevos;

    // The game's rules and their play state, once a stage has made them (JuegoDe).
    std::unique_ptr<Juego> juego;
    // The front end's own state (menu texts, the name being typed, the controller chosen...),
    // once a screen of it has made it; made after the rules and gone before them. The shell
    // holds it for its lifetime and its fields of the state line only.
    std::unique_ptr<ComponenteJuego> frente;
    bool joystickConectado = false;  // a game controller is attached
    // Alt+Enter, the screenshot and volume keys and the focus: what they hold between events.
    EstadoEscritorio escritorio;

    std::int64_t inicioMs = 0;  // the platform's clock when the run started
    bool apagado = false;       // Salir or the close request has run
    // Something the player asked us to keep (the scores, the recording, the trace) could not
    // be written; the run then ends with status 4.
    bool datosPerdidos = false;
    // Told of the moments of the run that benchmarks and the crash-safety check time.
    std::function<void(std::string_view)> alHito;
};

// The run's game rules, made on first use.
Juego& JuegoDe(Modulo& modulo);

}  // namespace polvareda
