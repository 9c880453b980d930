// Writing the game's settings file from the option menus, and the settings of a fresh game.
#pragma once

#include <filesystem>
#include <vector>

#include "MenusOpciones.h"

namespace polvareda::setup {

// Writes the values into "Polvareda.INI" of the folder, all at once, through the one table of
// keys. False (the file as it was) when it cannot be written.
bool EscribirConfiguracion(const std::filesystem::path& carpetaJuego,
                           const std::vector<ValorConfiguracion>& valores);

// What OK writes for a game folder without settings: the menus read from nothing, with the
// folder's languages and extensions listed.
std::vector<ValorConfiguracion> ValoresPorDefecto(const std::filesystem::path& carpetaJuego,
                                                  int idiomaInterfaz);

}  // namespace polvareda::setup
