// The settings a new player starts with when the game's data folder ships them (the games
// layout of a distribution's package holds SetUp's defaults there).
#pragma once

#include <filesystem>

namespace polvareda {

// When `jugador` is another folder than `datos` and holds no Polvareda.INI, the data folder's
// one is copied there, whole or not at all. A file that cannot be read or written is left
// alone: the game then starts as it would without it.
void CopiarConfiguracionInicial(const std::filesystem::path& datos,
                                const std::filesystem::path& jugador);

}  // namespace polvareda
