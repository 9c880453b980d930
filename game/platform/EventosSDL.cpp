#include "EventosSDL.h"

#include "MapaTeclas.h"

namespace polvareda {
namespace {

int Boton(Uint8 sdl) {
    switch (sdl) {
        case SDL_BUTTON_LEFT:
            return kBotonIzquierdo;
        case SDL_BUTTON_RIGHT:
            return kBotonDerecho;
        case SDL_BUTTON_MIDDLE:
            return kBotonCentral;
        default:
            return 0;
    }
}

int BotonesPulsados(Uint32 estado) {
    int botones = 0;
    if (estado & SDL_BUTTON_LMASK) botones |= kBotonIzquierdo;
    if (estado & SDL_BUTTON_RMASK) botones |= kBotonDerecho;
    if (estado & SDL_BUTTON_MMASK) botones |= kBotonCentral;
    return botones;
}

Evento Solo(TipoEvento tipo) {
    Evento ev;
    ev.tipo = tipo;
    return ev;
}

Evento Raton(TipoEvento tipo, int boton, int x, int y, const Encaje& encaje) {
    Evento ev;
    ev.tipo = tipo;
    ev.boton = boton;
    ev.shift = EstadoShift(SDL_GetModState());
    ev.x = ALienzo(x, encaje.x, encaje.factor);
    ev.y = ALienzo(y, encaje.y, encaje.factor);
    return ev;
}

}  // namespace

std::optional<Evento> TraducirEvento(const SDL_Event& e, const Encaje& encaje) {
    switch (e.type) {
        case SDL_QUIT:
            return Solo(TipoEvento::Cerrar);
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) return Solo(TipoEvento::Cerrar);
            return std::nullopt;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            // Held keys repeat their key-down, as they did on the classic platform.
            const int tecla =
                TeclaVirtual(e.key.keysym.scancode, e.key.keysym.sym, e.key.keysym.mod);
            if (tecla == 0) return std::nullopt;
            Evento ev;
            ev.tipo = e.type == SDL_KEYDOWN ? TipoEvento::TeclaPulsada : TipoEvento::TeclaSoltada;
            ev.tecla = tecla;
            ev.shift = EstadoShift(e.key.keysym.mod);
            return ev;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int boton = Boton(e.button.button);
            if (boton == 0) return std::nullopt;
            return Raton(
                e.type == SDL_MOUSEBUTTONDOWN ? TipoEvento::RatonPulsado : TipoEvento::RatonSoltado,
                boton, e.button.x, e.button.y, encaje);
        }
        case SDL_MOUSEMOTION:
            return Raton(TipoEvento::RatonMovido, BotonesPulsados(e.motion.state), e.motion.x,
                         e.motion.y, encaje);
        default:
            return std::nullopt;
    }
}

}  // namespace polvareda
