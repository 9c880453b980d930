// The stages of the game's top-level loop that belong to the front end. Each screen runs to
// its end and names the next one, so the menu, a game, game over, the attract screens and the
// level choice hand over to one another without the stack growing.
#pragma once

#include "Etapa.h"

namespace polvareda {

struct Modulo;

// Entering the main menu: day pictures, the portrait, the texts, music 1; then EsperarEnMenu.
Etapa MenuPrincipal(Modulo& modulo);
// The menu drawn and waiting 6.66 s for a key; then a game, the level choice or an attract
// screen (the table when `Demo` holds, the demonstration otherwise).
Etapa EsperarEnMenu(Modulo& modulo);
// The rolling top ten, 15 s or until a key; then back to the menu's wait.
Etapa TablaAtraccion(Modulo& modulo);
// The demonstration game, up to 35 s, its one life or a key; then game over.
Etapa Demostracion(Modulo& modulo);
// A game from its first phase to its end; then game over.
Etapa JugarPartida(Modulo& modulo);
// Game over: the name of a qualifying player, the page of the table, a key; then the menu.
Etapa FinDePartidaEtapa(Modulo& modulo);
// The options screen opened from the menu, until the player leaves it; then the menu.
Etapa PantallaOpciones(Modulo& modulo);
// The level choice: three figures, a fire button, the animation; then a game.
Etapa PantallaNivel(Modulo& modulo);

}  // namespace polvareda
