// SDL's input events in the game's terms: keys as virtual-key codes, mouse buttons and
// positions in canvas pixels, a close request as Cerrar, game controllers' plugging, buttons and
// axes in the names of Evento.h.
#pragma once

#include <SDL.h>

#include <optional>

#include "Encaje.h"
#include "Evento.h"

namespace polvareda {

// Nothing for events the game does not hear of. `encaje` places the canvas in the window the
// mouse is over (the default for other windows). A controller's arrival or departure is
// translated as it comes; the backend drops the ones that tell nothing new (MandosSDL).
std::optional<Evento> TraducirEvento(const SDL_Event& e, const Encaje& encaje);

}  // namespace polvareda
