// The run-wide values of the game, alive from start-up to shutdown and passed explicitly to
// whoever needs them: paths, the temporary-file register, the saved keyboard state, the
// configuration, the display's mode, the high scores, the window and its pump.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "Azar.h"
#include "BucleEventos.h"
#include "CarpetaTemporal.h"
#include "ComponenteJuego.h"
#include "Configuracion.h"
#include "Escritorio.h"
#include "Idioma.h"
#include "Mejores.h"
#include "Plataforma.h"
#include "RegistroTemporales.h"
#include "ServiciosVentana.h"
#include "Sonidos.h"
#include "Ventana.h"

namespace polvareda {

struct Modulo {
    Modulo(Plataforma& p, Azar& a) : plataforma(p), azar(a), bucle(p, ventana) {}
    Modulo(const Modulo&) = delete;
    Modulo& operator=(const Modulo&) = delete;

    Plataforma& plataforma;
    Azar& azar;

    std::filesystem::path rutaJuego;      // the game's folder: its data files
    std::filesystem::path rutaJugador;    // Polvareda.INI and Polvareda.DAT
    std::filesystem::path rutaProgramas;  // SetUp
    CarpetaTemporal carpetaTemporal;      // this run's private temporary folder
    std::filesystem::path rutaTemporal;   // its path
    std::filesystem::path listaTemporales;
    RegistroTemporales registro;
    EstadoTeclas estadoTeclado{};  // the keyboard as it was before the game touched it
    bool tecladoGuardado = false;

    std::string textoConfiguracion;  // Polvareda.INI as read at start
    Configuracion configuracion;

    // The display (set by the device set-up; the scale and margins are the window's view's,
    // ventana.graficos.vista).
    std::int16_t factorXGA = 1;
    bool pantallaCompletaExclusiva = false;  // the 320 x 200 path

    TextosJuego textos;
    TablaMejores mejores = MejoresPorDefecto();
    // False when a stored table exists that this run could not read: shutdown then leaves it
    // alone rather than writing the defaults over it.
    bool mejoresDevolvibles = true;

    Ventana ventana;
    BucleEventos bucle;

    // The sound effects, the door and shot buffers and the music pieces.
    Sonidos sonidos;
    ServiciosVentana servicios{sonidos, bucle};
    // Playing with the joystick (chosen in the menu); cleared at start-up when no game
    // controller is attached.
    bool joystick = false;
    bool joystickConectado = false;

    // The game's rules and their play state, once a stage has made them.
    std::unique_ptr<ComponenteJuego> juego;
    // The front end's own state (menu texts, the name being typed...), once a screen of it
    // has made it; made after the rules and gone before them.
    std::unique_ptr<ComponenteJuego> frente;

    // The play trace (--traza): one state line per tick, key, scroll and duel step and mode
    // change. Not open: no trace.
    std::ofstream traza;
    std::int64_t inicioMs = 0;  // the platform's clock when the run started
    // The line of the cause being handled, written once its immediate effect is complete
    // (LineaDeCausa): why, and its extra fields.
    std::optional<std::pair<std::string, std::string>> causa;

    // Alt+Enter, the screenshot and volume keys and the focus: what they hold between events.
    EstadoEscritorio escritorio;

    bool apagado = false;  // Salir or the close request has run
    // Something the player asked us to keep (the scores, the recording, the trace) could not
    // be written; the run then ends with status 4.
    bool datosPerdidos = false;
    // Told of the moments of the run that benchmarks and the crash-safety check time.
    std::function<void(std::string_view)> alHito;
};

}  // namespace polvareda
