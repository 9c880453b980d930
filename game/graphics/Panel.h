// The score panel and its indicators: points, lives, the door boxes, the spinning dollar and
// the sheriff's star screen. The panel draws what the rules give it; it keeps no state.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Graficos.h"

namespace polvareda {

// Six digits with leading zeros: 50 gives "000050" (outside 0 to 999999, the nearest end).
std::string TextoPuntos(std::int32_t puntos);

// The points over the panel's ground, or over black when `sobreNegro` (the duel's black
// screen).
void DibujaPuntos(Graficos& g, std::int32_t puntos, bool sobreNegro);
// The life icons in slots 0 .. vidas - 1; higher slots are left as they are.
void DibujaVidas(Graficos& g, int vidas, bool sobreNegro);
// One frame of a lost life's blink at `slot`: its icon, or the ground without it.
void DibujaVidaPerdida(Graficos& g, int slot, bool visible, bool sobreNegro);
// Draws door `puerta`'s paid mark (nothing for a door outside 0 to 11).
void MarcaPuerta(Graficos& g, int puerta);
// The paid-mark place of a door: x 9 + 16·d for doors 0-5, 57 + 16·d for doors 6-11, y 9.
int XMarcaPuerta(int puerta);
// Rebuilds the lit-box row for the three doors in view (0 to 11) and shows it.
void PintaCajas(Graficos& g, const std::array<int, 3>& puertasVisibles);

// Frame `fotograma` (0 to 3) of the spinning dollar.
void DibujaDolar(Graficos& g, int fotograma);

// The sheriff's star with the three lines of text under it; the window is then refreshed.
void MuestraEstrella(Graficos& g, const std::array<std::string, 3>& lineas);

}  // namespace polvareda
