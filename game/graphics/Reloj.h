// The busy indicator shown while the colourings and the background are made: a 32 x 32 clock
// picture near the bottom-right corner of the window's picture, 40 window pixels in from each
// edge of the visible area, unscaled.
#pragma once

#include <optional>

#include "Graficos.h"

namespace polvareda {

class Reloj {
  public:
    // Shows `reloj`(cual) (1 or 2); the canvas under it is kept for Quitar.
    void Mostrar(Graficos& g, int cual);
    // Puts back what the indicator covered.
    void Quitar(Graficos& g);

  private:
    std::optional<Imagen> debajo_;
    Rect lugar_;
};

}  // namespace polvareda
