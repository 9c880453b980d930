// The presentation of the game window before the menu: the pictures prepared while the window
// loads (graphics extension, derived surfaces, fade frames) and, once it is shown, the
// dedication, the fades and the day, afternoon and night pictures.
#pragma once

#include "Etapa.h"

namespace polvareda {

struct Modulo;

// Load handler, after the data files are decoded: steps that build pictures.
void CargarExtension(Modulo& modulo);     // unpacks xga.tmp and sets FactorXGA
void ConstruirDerivadas(Modulo& modulo);  // the counter strip `ventanilla`, life icon `vida`(1)
void PrepararFundido(Modulo& modulo);     // the fade frames pan0.tmp to pan5.tmp, registered

// Activation handler, with the window open.
void Dedicatoria(Modulo& modulo);                    // 3.5 s of the dedication line
void Fundido(Modulo& modulo, int desde, int hasta);  // plays the fade frames
void PrepararImagenesDelDia(Modulo& modulo);         // HacerTarde, HacerNoche, ConstruirFondo
                                                     // under the busy indicator
void ActivarVentana(Modulo& modulo);

// Until the main menu exists: a black screen that waits for keys; Escape quits.
Etapa PantallaDeEspera(Modulo& modulo);

}  // namespace polvareda
