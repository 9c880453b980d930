// The score panel and its indicators: points, lives, the door boxes, the spinning dollar and
// the sheriff's star screen.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "Graficos.h"

namespace polvareda {

// The sounds and waits the panel needs; the game window provides them. Each must do nothing
// quietly when there is no sound device or the effect is missing.
class ServiciosPanel {
  public:
    virtual ~ServiciosPanel() = default;
    virtual void PararEfecto(int efecto) = 0;
    virtual void TocarEfectoDesdeElPrincipio(int efecto) = 0;  // stop, rewind, play once
    virtual void TocarTema(int tema) = 0;
    virtual void Esperar(int ms) = 0;  // waits while the window keeps handling events
};

// The spinning dollar's timer state. The points and lives the panel shows belong to the play
// state; the panel only draws them.
struct EstadoPanel {
    int fotogramaDolar = 0;   // the next frame of the spin (the timer's Tag)
    bool giroActivo = false;  // the 25 ms timer of the spinning dollar is enabled
};

constexpr std::int32_t kPuntosMaximos = 999999;
// The lives a game starts with; the waiting screen's panel shows them before any game.
constexpr std::int16_t kVidasIniciales = 3;
constexpr int kTemaVidaPerdida = 2;

// Six digits with leading zeros: 50 gives "000050".
std::string TextoPuntos(std::int32_t puntos);

// Adds to the points (never above 999999) and redraws them over the panel's ground, or over
// black when `sobreNegro` (the duel's black screen). An amount of 0 only redraws.
void SumaPuntos(Graficos& g, std::int32_t& Puntos, std::int32_t cantidad, bool sobreNegro);
// Adds `delta` to the lives and draws the icons in slots 0 .. Vidas - 1; higher slots are left.
void CambiaVidas(Graficos& g, std::int16_t& Vidas, int delta, bool sobreNegro);
// Blinks life slot `Vidas` (the life just lost) five times; blocks for 3.25 s through `s`.
void ParpadeaVida(Graficos& g, std::int16_t Vidas, bool sobreNegro, ServiciosPanel& s);
// Draws door `puerta`'s paid mark (nothing for a door outside 0 to 11).
void MarcaPuerta(Graficos& g, int puerta);
// The paid-mark place of a door: x 9 + 16·d for doors 0-5, 57 + 16·d for doors 6-11, y 9.
int XMarcaPuerta(int puerta);
// Rebuilds the lit-box row for the three doors in view (0 to 11) and shows it.
void PintaCajas(Graficos& g, const std::array<int, 3>& puertasVisibles);

// Starts (or restarts) a spin: frame 0 at once, the timer on. The caller adds its 50 points.
void EmpezarGiro(Graficos& g, EstadoPanel& e, ServiciosPanel& s);
// One run of the dollar's timer: shows the next frame (0 plays the spin's sound); after frame 3
// the counter returns to 0 and the timer goes off.
void GiraDolar(Graficos& g, EstadoPanel& e, ServiciosPanel& s);

// The sheriff's star with the three lines of text under it; the window is then refreshed.
void MuestraEstrella(Graficos& g, const std::array<std::string, 3>& lineas);

}  // namespace polvareda
