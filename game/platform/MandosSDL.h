// The game controllers the SDL backend holds open, plugged in and pulled out while the game
// runs. With the subsystem on and no controller attached SDL's event wait still sleeps (it
// wakes every few seconds to look for new devices); only while a controller is attached does
// it poll, which is the price of reading it.
#pragma once

#include <SDL.h>

#include <map>
#include <memory>

namespace polvareda {

class MandosSDL {
  public:
    // Starts SDL's game-controller subsystem and opens every controller already attached, so
    // the count is right before the first event is read. Without the subsystem (a machine
    // that refuses it) there are simply no controllers.
    MandosSDL();
    ~MandosSDL();
    MandosSDL(const MandosSDL&) = delete;
    MandosSDL& operator=(const MandosSDL&) = delete;

    // Opens a controller that arrives and closes one that leaves. False when the event tells
    // the game nothing new: a second arrival of a controller already announced, a controller
    // that could not be opened, the departure of one that was never open. Every other event
    // passes (true).
    bool Atender(const SDL_Event& e);

    int Cuantos() const { return static_cast<int>(abiertos_.size()); }

  private:
    struct CerrarMando {
        void operator()(SDL_GameController* mando) const { SDL_GameControllerClose(mando); }
    };
    struct Abierto {
        std::unique_ptr<SDL_GameController, CerrarMando> mando;
        bool anunciado = false;  // its MandoConectado has gone to the game
    };

    bool Abrir(int indice, bool anunciar);

    bool iniciado_ = false;
    std::map<SDL_JoystickID, Abierto> abiertos_;
};

}  // namespace polvareda
