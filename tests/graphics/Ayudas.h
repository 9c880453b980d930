// Shared set-up for the graphics tests: a window canvas with surfaces that do not depend on
// the artwork (grey placeholders, or plain colours the test chooses).
#pragma once

#include <string_view>

#include "Graficos.h"
#include "Superficies.h"

namespace polvareda::prueba {

struct Ventana {
    Lienzo lienzo;
    Graficos g{lienzo};
    Ventana(int ancho = 256, int alto = 192) {
        lienzo.Redimensionar(ancho, alto);
        CargarIncorporadas(g.superficies,
                           [](std::string_view) { return std::span<const std::uint8_t>(); });
        lienzo.TomarCambios();
    }
    Pixel At(int x, int y) const { return lienzo.Pixeles().At(x, y); }
};

inline Superficie Lisa(int w, int h, Pixel color, double t = 1.0) {
    return Superficie{Imagen(w, h, color), t};
}

// A picture whose every pixel is distinct: (x, y) -> x + 256·y + 1, so a copied pixel shows
// exactly where it came from.
inline Imagen Numerada(int w, int h) {
    Imagen im(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) im.At(x, y) = static_cast<Pixel>(x + 256 * y + 1);
    return im;
}

}  // namespace polvareda::prueba
