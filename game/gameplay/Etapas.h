// The stages of the game's top-level loop that belong to play: the game's background waiting
// for "0" (until the menu takes its place) and a game from its first phase to its end.
#pragma once

#include "Etapa.h"

namespace polvareda {

struct Modulo;

// The background with the last game's points and lives; "0" starts a game at level 1,
// Escape quits.
Etapa EsperarPartida(Modulo& modulo);

// A game at the start level with three lives, to its end; then back to the waiting screen.
Etapa JugarPartida(Modulo& modulo);

}  // namespace polvareda
