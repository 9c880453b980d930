// The arithmetic of the display paths: which canvas ("the screen") the game window shows, the
// scale `Escala` of the game picture on it, the margins of the 320 x 200 mode and where the
// picture sits. Pure functions; the device set-up applies the result.
#pragma once

#include <string>

#include "Escala.h"
#include "Plataforma.h"

namespace polvareda {

constexpr int kAnchoLogico = 256;
constexpr int kAltoLogico = 192;
// The largest canvas side the game asks for; a configured size beyond it cannot be had.
constexpr int kLadoMaximoLienzo = 16384;

// [Pantalla] DDraw: 1 the full-screen 320 x 200 canvas, 0 the desktop path, anything else
// neither (a plain window at the picture's designed size).
enum class RutaPantalla { Exclusiva, Escritorio, Ventana };
RutaPantalla RutaDePantalla(double ddraw);

struct ModoPantalla {
    Tamano lienzo;                  // the canvas the platform shows
    bool pantallaCompleta = false;  // shown over the whole display
    bool exclusiva = false;         // the 320 x 200 mode
    Escala escala;
    int margenX = 0;  // logical pixels: 32 and 4 in the 320 x 200 mode
    int margenY = 0;
    int origenX = 0;  // canvas pixels: the game picture's top-left corner
    int origenY = 0;
    Tamano imagen;  // the game picture: Int(256·m·Escala) x Int(192·m·Escala)
};

// The 320·m x 200·m canvas with the picture at margin (32, 4), Escala 1.
ModoPantalla ModoExclusivo(int factorXGA);

// Escala of a screen of `pantalla` pixels: 1, or with `completa` the width ratio
// pantalla.ancho / (256·m) rounded to four decimals, the height ratio pantalla.alto / (192·m)
// instead when that is smaller; without `libre` the whole part of it.
Escala EscalaDePantalla(Tamano pantalla, int factorXGA, bool completa, bool libre);

// A size the display path can have: both sides from 1 to kLadoMaximoLienzo.
bool TamanoPosible(Tamano pantalla);

// The desktop path on a screen of `pantalla` (already a possible size): the canvas is that
// screen, grown where the picture is larger, and the picture is centred in it.
ModoPantalla ModoEscritorio(Tamano pantalla, int factorXGA, bool completa, bool libre);

// No path: a window of the picture's designed size, 256·m x 192·m.
ModoPantalla ModoVentana(int factorXGA);

// Int(lado·m·Escala), the window's side in pixels.
int LadoImagen(int lado, int factorXGA, Escala escala);

// "Error: " + Str(ancho) + "x" + Str(alto): "Error:  640x 480".
std::string MensajeErrorPantalla(long long ancho, long long alto);

}  // namespace polvareda
