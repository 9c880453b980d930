// How the picture reaches the screen and which sound, music and joystick devices the game
// uses; set up once before the game window is shown.
#pragma once

#include "ModoPantalla.h"

namespace polvareda {

struct Modulo;

// Opens the game window by [Pantalla] DDraw: 1 the full-screen 320·m x 200·m canvas with the
// picture at margin (32, 4); 0 the desktop path (FijarModoPantalla); anything else a plain
// window of 256·m x 192·m. Then the screen-saver flag, sound, music and the joystick test.
// A screen size that cannot be had shows "Error:  640x 480" style and ends through Salir.
void PrepararDispositivos(Modulo& modulo);

// The desktop path's "screen" of ancho x alto pixels (0 x 0: the display as it is) and the
// Escala of the game picture on it; shuts the game down with the error message when the size
// cannot be had. The display's own mode is never changed.
ModoPantalla FijarModoPantalla(Modulo& modulo, long long ancho, long long alto);

// Sets Escala, the margins and the window's view from one mode.
void AplicarModo(Modulo& modulo, const ModoPantalla& modo);

// The game window's rectangle in canvas pixels: the whole canvas in the 320 x 200 mode, else
// the game picture.
Rect RectanguloVentana(const Modulo& modulo);

}  // namespace polvareda
