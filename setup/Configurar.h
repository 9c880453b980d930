// The settings of a fresh game, as the option menus give them; they are written with
// EscribirConfiguracion of the one table of keys.
#pragma once

#include <filesystem>
#include <vector>

#include "MenusOpciones.h"

namespace polvareda::setup {

// What OK writes for a game folder without settings: the menus read from nothing, with the
// folder's languages and extensions listed.
std::vector<ValorConfiguracion> ValoresPorDefecto(const std::filesystem::path& carpetaJuego,
                                                  int idiomaInterfaz);

}  // namespace polvareda::setup
