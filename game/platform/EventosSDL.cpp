// SDL's events turned into the game's: virtual keys, canvas positions, controllers, focus, close.
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

// The controller's buttons and axes by name, one by one: the game's numbering is its own and
// need not follow SDL's. Buttons the game has no name for (share, paddles, touchpad) give -1.
int BotonDeMando(Uint8 sdl) {
    switch (sdl) {
        case SDL_CONTROLLER_BUTTON_A:
            return kMandoA;
        case SDL_CONTROLLER_BUTTON_B:
            return kMandoB;
        case SDL_CONTROLLER_BUTTON_X:
            return kMandoX;
        case SDL_CONTROLLER_BUTTON_Y:
            return kMandoY;
        case SDL_CONTROLLER_BUTTON_BACK:
            return kMandoBack;
        case SDL_CONTROLLER_BUTTON_GUIDE:
            return kMandoGuide;
        case SDL_CONTROLLER_BUTTON_START:
            return kMandoStart;
        case SDL_CONTROLLER_BUTTON_LEFTSTICK:
            return kMandoLeftStick;
        case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
            return kMandoRightStick;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return kMandoLeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return kMandoRightShoulder;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return kMandoDpUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return kMandoDpDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return kMandoDpLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return kMandoDpRight;
        default:
            return -1;
    }
}

int EjeDeMando(Uint8 sdl) {
    switch (sdl) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            return kEjeLeftX;
        case SDL_CONTROLLER_AXIS_LEFTY:
            return kEjeLeftY;
        case SDL_CONTROLLER_AXIS_RIGHTX:
            return kEjeRightX;
        case SDL_CONTROLLER_AXIS_RIGHTY:
            return kEjeRightY;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            return kEjeLeftTrigger;
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            return kEjeRightTrigger;
        default:
            return -1;
    }
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
    ev.x = ALienzoX(encaje, x);
    ev.y = ALienzoY(encaje, y);
    return ev;
}

}  // namespace

std::optional<Evento> TraducirEvento(const SDL_Event& e, const Encaje& encaje) {
    switch (e.type) {
        case SDL_QUIT:
            return Solo(TipoEvento::Cerrar);
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) return Solo(TipoEvento::Cerrar);
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) return Solo(TipoEvento::FocoPerdido);
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) return Solo(TipoEvento::FocoGanado);
            return std::nullopt;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            // Held keys repeat their key-down, as they did on the classic platform; the
            // repeats are marked, so a held fire key is not taken for new shots.
            const int tecla =
                TeclaVirtual(e.key.keysym.scancode, e.key.keysym.sym, e.key.keysym.mod);
            if (tecla == 0) return std::nullopt;
            Evento ev;
            ev.tipo = e.type == SDL_KEYDOWN ? TipoEvento::TeclaPulsada : TipoEvento::TeclaSoltada;
            ev.tecla = tecla;
            ev.shift = EstadoShift(e.key.keysym.mod);
            ev.repeticion = e.type == SDL_KEYDOWN && e.key.repeat != 0;
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
        case SDL_CONTROLLERDEVICEADDED:
            return Solo(TipoEvento::MandoConectado);
        case SDL_CONTROLLERDEVICEREMOVED:
            return Solo(TipoEvento::MandoDesconectado);
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const int boton = BotonDeMando(e.cbutton.button);
            if (boton < 0) return std::nullopt;
            Evento ev = Solo(e.type == SDL_CONTROLLERBUTTONDOWN ? TipoEvento::MandoPulsado
                                                                : TipoEvento::MandoSoltado);
            ev.boton = boton;
            return ev;
        }
        case SDL_CONTROLLERAXISMOTION: {
            const int eje = EjeDeMando(e.caxis.axis);
            if (eje < 0) return std::nullopt;
            Evento ev = Solo(TipoEvento::MandoEje);
            ev.boton = eje;
            ev.x = e.caxis.value;
            return ev;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace polvareda
