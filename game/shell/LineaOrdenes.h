// The game's command line. A player starts the game without arguments; testers and tests add
//   --help            prints the options and ends
//   --version         prints the game's name and version and ends
//   --carpeta DIR     the game folder (default: the executable's folder)
//   --headless        run without a display, on the virtual clock
//   --guion SCRIPT    the headless run's script (required with --headless)
//   --hora SECONDS    the time of day the headless run starts at (default 43200, noon)
//   --traza FILE      appends the play state after every tick, key, scroll or duel step and
//                     mode change (any run)
//   --grabar FILE     writes the run's input as a headless script that replays the same game
//                     (runs with a display)
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace polvareda {

// What the command line asks for: a run, or only a text on standard output.
enum class Peticion { Jugar, Ayuda, Version };

struct LineaOrdenes {
    Peticion peticion = Peticion::Jugar;
    std::optional<std::filesystem::path> carpeta;
    bool sinPantalla = false;
    std::filesystem::path guion;
    double hora = 43200;
    std::filesystem::path traza;   // empty: no trace
    std::filesystem::path grabar;  // empty: no recording
};

// The options, or one line saying what is wrong. The arguments are UTF-8, as
// ArgumentosDelPrograma gives them on every system; the paths are made from that.
// --help or --version ends the reading at once: whatever follows is not looked at.
std::variant<LineaOrdenes, std::string> LeerLineaOrdenes(std::span<const std::string> argumentos);

// The text --help prints, and the one line --version prints (both end in a newline).
std::string TextoAyuda();
std::string TextoVersion();

}  // namespace polvareda
