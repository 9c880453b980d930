// Where the game finds its data and keeps the player's files, beside the program (a folder
// installed by SetUp or unpacked by hand) or in the standard places of an installed package:
// the programs in <prefix>/bin, the data in <prefix>/share/polvareda, the player's
// configuration and scores in the user's data folder. The game and SetUp follow the same rule.
#pragma once

#include <filesystem>
#include <functional>

namespace polvareda {

using Entorno = std::function<const char*(const char*)>;

// The data folder (LNG, SND, MUS, XTRAS) of a program in `programas`: the program's own folder
// when it holds LNG, else the first of <programas>/../share/polvareda,
// <programas>/../share/games/polvareda and, for programs in <prefix>/lib/games/polvareda,
// <prefix>/share/games/polvareda that does, else the program's own folder (a game without
// data still starts and says so its usual way).
std::filesystem::path CarpetaDeDatos(const std::filesystem::path& programas);

// Where Polvareda.INI and Polvareda.DAT live: the game folder when it can be written to
// (never a distribution's <prefix>/share/games/polvareda, whoever runs the game),
// else $XDG_DATA_HOME/Polvareda ($HOME/.local/share/Polvareda without it; on Windows
// %APPDATA%\Polvareda), made when missing. The game folder when none of them can be had.
std::filesystem::path CarpetaDelJugador(const std::filesystem::path& juego, const Entorno& entorno);

// A player's folder apart from the game's starts with the game folder's own settings and scores:
// each of Polvareda.INI and Polvareda.DAT that `jugador` lacks (a dangling link counts as
// present) is copied there from `datos`, whole or not at all. Nothing happens when the two are
// the same folder, and a file that cannot be read or written is left alone: the game then
// starts as it would without it.
void TomarArchivosIniciales(const std::filesystem::path& datos,
                            const std::filesystem::path& jugador);

// True when a file can be made (and is removed again) in `carpeta`.
bool SePuedeEscribir(const std::filesystem::path& carpeta);

}  // namespace polvareda
