// The web page the game runs in: its one canvas, fitted to the page, and the wait for the
// browser's next frame. Only the web build has these.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "Plataforma.h"

namespace polvareda {

// The page's visible size in CSS pixels: the "display" of a game in the browser.
Tamano TamanoPagina();

// The canvas holds `lienzo` pixels; the page shows it centred on black, fitted by `ajuste`
// (sharp whole factors, 4:3), at every size the page takes from now on.
void AjustarLienzoAPagina(Tamano lienzo, const AjustePantalla& ajuste);

// The next SDL event, if one comes within `restoMs`. Between looks the game gives the browser
// back its thread until the next frame (or the deadline, in a hidden tab), so the page draws
// at the display's rate and nothing spins.
bool EsperarEventoPagina(SDL_Event& evento, std::int64_t restoMs);

}  // namespace polvareda
