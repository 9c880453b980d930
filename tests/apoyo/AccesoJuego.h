// The rules' test seam: the play state and the rules' own steps, which the front end and the
// shell may not reach, opened to the tests that set up a game by hand.
#pragma once

#include "Juego.h"

namespace polvareda::prueba {

struct Mesa;

struct AccesoJuego {
    static Partida& Estado(Juego& j) { return j.p_; }
};

}  // namespace polvareda::prueba
