// The presentation of the game window before the menu: the pictures prepared while the window
// loads (built-in pictures, graphics extension, derived surfaces, fade frames) and, once it is
// shown, the dedication, the fades and the day, afternoon and night pictures.
#pragma once

#include <cstdint>
#include <string_view>

#include "Etapa.h"

namespace polvareda {

struct Modulo;

// The person the game is dedicated to: 13 characters, so that with its leading blank the
// dedication line ends at the right edge of the picture.
constexpr std::string_view kDedicatoria = "LUCIA ANDRADE";
constexpr int kFilaDedicatoria = 174;

// Load handler, after the data files are decoded: steps that build pictures.
void CargarImagenes(Modulo& modulo);      // the built-in pictures into the window's surfaces
void CargarExtension(Modulo& modulo);     // unpacks xga.tmp and sets FactorXGA
void ConstruirDerivadas(Modulo& modulo);  // the counter strip `ventanilla`, life icon `vida`(1)
void PrepararFundido(Modulo& modulo);     // the title picture's fade frames

// Activation handler, with the window open.
void Dedicatoria(Modulo& modulo);                    // 3.5 s of the dedication line
void Fundido(Modulo& modulo, int desde, int hasta);  // plays the fade frames
void PrepararImagenesDelDia(Modulo& modulo);         // HacerTarde, HacerNoche, ConstruirFondo
                                                     // under the busy indicator
void ActivarVentana(Modulo& modulo);

// The shell's own stage after the presentation, for runs without the front end (the game
// itself goes on to the main menu): the game's background with the points and the starting
// lives, waiting for keys; Escape quits.
Etapa PantallaDeEspera(Modulo& modulo);

}  // namespace polvareda
