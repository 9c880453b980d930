// What players expect of a game on a desktop, around the game itself: full screen and back
// with Alt+Enter, a screenshot key, keys for the volume, and the pause when the window loses
// the focus. These act before the game's handlers see an event; the keys they take (their
// key-down, its repeats and its key-up) never reach the game.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "Configuracion.h"
#include "Evento.h"
#include "Imagen.h"

namespace polvareda {

struct Modulo;

struct EstadoEscritorio {
    std::array<bool, 256> tomadas{};  // keys whose key-down the desktop took, until key-up
    bool sinFoco = false;
    bool pantallaCompleta = false;  // the window covers the display (Alt+Enter switches it)
    bool capturas = true;  // the screenshot key saves a picture (a headless run saves none)
};

// The screenshot key: F12, or F11 when F12 is one of the game's five keys; 0 when both are.
int TeclaCaptura(const Configuracion& configuracion);

// True when the key event belongs to the desktop (and has been handled): the game must not
// see it.
bool TeclaDeEscritorio(Modulo& modulo, const Evento& evento);

// The window lost (false) or got back (true) the keyboard's focus.
void CambioDeFoco(Modulo& modulo, bool conFoco);

// The folder screenshots go to: $XDG_PICTURES_DIR when set, else the home folder's Pictures
// (on Windows the user's Pictures folder as Windows names it, else %USERPROFILE%\Pictures).
// Nothing when neither can be named. `entorno` reads an environment variable.
std::optional<std::filesystem::path> CarpetaCapturas(
    const std::function<const char*(const char*)>& entorno);

// Writes `imagen` as PNG into `carpeta` as Polvareda-<fecha>.png (fecha YYYYMMDD-HHMMSS),
// never over an existing file (-2, -3... are added), and never leaves a half-written picture:
// it is written beside, read back and only then given its name. The file, or one line in
// `error`.
std::optional<std::filesystem::path> GuardarCaptura(const Imagen& imagen,
                                                    const std::filesystem::path& carpeta,
                                                    const std::string& fecha, std::string& error);

}  // namespace polvareda
