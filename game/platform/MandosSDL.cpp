// The game controllers held open from their plugging to their pulling out.
#include "MandosSDL.h"

namespace polvareda {

MandosSDL::MandosSDL() {
    iniciado_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!iniciado_) return;
    // SDL announces these too (one arrival each, in the queue); that arrival reports them.
    for (int i = 0, n = SDL_NumJoysticks(); i < n; ++i) Abrir(i, false);
}

MandosSDL::~MandosSDL() {
    abiertos_.clear();  // closed before the subsystem goes
    if (iniciado_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool MandosSDL::Abrir(int indice, bool anunciar) {
    if (!SDL_IsGameController(indice)) return false;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(indice);
    if (id < 0) return false;
    if (auto hallado = abiertos_.find(id); hallado != abiertos_.end()) {
        // Opening it again would only raise SDL's reference count.
        const bool nuevo = anunciar && !hallado->second.anunciado;
        hallado->second.anunciado = hallado->second.anunciado || anunciar;
        return nuevo;
    }
    std::unique_ptr<SDL_GameController, CerrarMando> mando(SDL_GameControllerOpen(indice));
    if (!mando) return false;
    abiertos_.emplace(id, Abierto{std::move(mando), anunciar});
    return anunciar;
}

bool MandosSDL::Atender(const SDL_Event& e) {
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            return iniciado_ && Abrir(e.cdevice.which, true);
        case SDL_CONTROLLERDEVICEREMOVED:
            return abiertos_.erase(e.cdevice.which) > 0;
        default:
            return true;
    }
}

}  // namespace polvareda
