// The game's top level is a flat loop of stretches (presentation, menu, a game, game over...):
// each runs to its end and says which comes next, so the stack never grows from one game to
// the next.
#pragma once

namespace polvareda {

struct Modulo;

struct Etapa {
    Etapa (*correr)(Modulo&) = nullptr;  // none: the loop ends
};

inline void BuclePrincipal(Modulo& modulo, Etapa etapa) {
    while (etapa.correr) etapa = etapa.correr(modulo);
}

}  // namespace polvareda
