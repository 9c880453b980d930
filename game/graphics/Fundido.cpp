// Fade frames of the title picture.
#include "Fundido.h"

#include <algorithm>

#include "Colores.h"
#include "Composicion.h"

namespace polvareda {

CuadrosFundido HacerCuadrosFundido(const Imagen& titulo) {
    CuadrosFundido cuadros;
    for (int i = 0; i <= kPasosFundido; ++i) {
        cuadros[static_cast<std::size_t>(i)] = titulo;
        const int d = (255 / kPasosFundido) * i;
        Recolorear(cuadros[static_cast<std::size_t>(i)], {d, d, d}, 0);
    }
    return cuadros;
}

void Fundido(Graficos& g, const CuadrosFundido& cuadros, int desde, int hasta,
             const std::function<void(int ms)>& esperar) {
    desde = std::clamp(desde, 0, kPasosFundido);
    hasta = std::clamp(hasta, 0, kPasosFundido);
    const int paso = hasta >= desde ? 1 : -1;
    for (int i = desde;; i += paso) {
        const Imagen& cuadro = cuadros[static_cast<std::size_t>(i)];
        if (!cuadro.Empty()) g.superficies.Pantalla.imagen = cuadro;
        CopiaEscaladaXGA(g, g.superficies.Pantalla, 0, 0, 256, 192, 0, 0);
        g.lienzo.Refrescar();
        if (esperar) esperar(2 * kPasosFundido);
        if (i == hasta) break;
    }
}

}  // namespace polvareda
