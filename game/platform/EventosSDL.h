// SDL's input events in the game's terms: keys as virtual-key codes, mouse buttons and
// positions in canvas pixels, a close request as Cerrar.
#pragma once

#include <SDL.h>

#include <optional>

#include "Encaje.h"
#include "Evento.h"

namespace polvareda {

// Nothing for events the game does not hear of. `encaje` places the canvas in the window the
// mouse is over (the default for other windows).
std::optional<Evento> TraducirEvento(const SDL_Event& e, const Encaje& encaje);

}  // namespace polvareda
