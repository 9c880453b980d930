// The fade of the title picture: six frames, the picture darkened in five steps to black, and
// the operation that plays them from one frame to another.
#pragma once

#include <array>
#include <functional>

#include "Graficos.h"

namespace polvareda {

constexpr int kPasosFundido = 5;

using CuadrosFundido = std::array<Imagen, kPasosFundido + 1>;

// Frame i is the title picture with every colour byte lowered by 51·i, floored at 0: frame 0
// is the picture itself and frame 5 is black.
CuadrosFundido HacerCuadrosFundido(const Imagen& titulo);

// Shows the frames from `desde` to `hasta` (either direction, both included): each is loaded
// into `Pantalla`, copied whole to the window, the window is refreshed, and `esperar`(10) runs
// (the caller's wait, which lets the screen catch up). `Pantalla` keeps the last frame shown.
void Fundido(Graficos& g, const CuadrosFundido& cuadros, int desde, int hasta,
             const std::function<void(int ms)>& esperar);

}  // namespace polvareda
