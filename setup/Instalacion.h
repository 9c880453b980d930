// Installing the game from the distribution folder into a game folder: the copy, the two
// shortcuts (desktop entries on Linux, shell links on Windows) and the sign that the folder
// holds an installed game.
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

namespace polvareda::setup {

// The programs, with the platform's suffix.
QString NombreJuego();
QString NombreSetUp();

constexpr const char* kArchivoSetUp = "SetUp.INF";
constexpr const char* kArchivoIcono = "Polvareda.png";

// True when `carpeta` is `origen` itself or lies inside it (links and ".." resolved as far as
// the folders exist): installing there would copy files onto themselves or into the copy.
bool DentroDe(const std::filesystem::path& carpeta, const std::filesystem::path& origen);

// Copies every file of `origen` and of its first-level sub-folders (not deeper) into
// `destino`, which must exist, keeping each file's permissions (the programs stay
// executable). Each file is replaced whole (a sibling renamed over it), so a program that is
// running is not written through. Returns what could not be copied, relative to `origen`.
std::vector<std::filesystem::path> CopiarJuego(const std::filesystem::path& origen,
                                               const std::filesystem::path& destino);

// A desktop entry that starts `programa` with `argumentos` in its folder.
std::string EntradaEscritorio(const QString& nombre, const std::filesystem::path& programa,
                              const QStringList& argumentos, const std::filesystem::path& icono);

// The folder the shortcut field is relative to: the desktop's applications folder, on Windows
// the user's Start-menu Programs folder. Empty when the system names none.
std::filesystem::path CarpetaDeAccesos();

// The two shortcuts in `carpetaAccesos` (created when missing): "Polvareda" starts the game,
// "SetUp + Polvareda" its setup with "/juego", each in the game folder. On Linux they are
// desktop entries and `icono` (PNG bytes) is written into the game folder for them; on Windows
// they are shell links (.lnk) that show the programs' own icons. False when any of them could
// not be written.
bool CrearAccesos(const std::filesystem::path& carpetaAccesos,
                  const std::filesystem::path& carpetaJuego, const QByteArray& icono);

// Writes "SetUp.INF" of an installed game: the interface language (" 0" or " 1") and the
// installed mark. False when it could not be written.
bool MarcarInstalado(const std::filesystem::path& carpetaJuego, int idioma);

// True when "SetUp.INF" of the folder carries the installed mark.
bool EstaInstalado(const std::filesystem::path& carpeta);

// [General] Idioma of "SetUp.INF": 1 for English, 0 for anything else (missing too).
int IdiomaDeSetUp(const std::filesystem::path& carpeta);

}  // namespace polvareda::setup
