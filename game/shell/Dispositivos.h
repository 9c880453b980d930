// How the picture reaches the screen and which sound, music and joystick devices the game
// uses; set up once before the game window is shown.
#pragma once

namespace polvareda {

struct Modulo;

// Opens the game window: DDraw 1 gives the full-screen 320 x 200 canvas with the picture at
// margin (32, 4); otherwise a window of 256 x 192 times Escala. Then the screen-saver flag,
// sound, music and joystick.
void PrepararDispositivos(Modulo& modulo);

// Puts the display back as it was before the game (shutdown and close request).
void RestaurarModoPantalla(Modulo& modulo);

}  // namespace polvareda
