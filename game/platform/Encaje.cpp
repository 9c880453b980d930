#include "Encaje.h"

#include <algorithm>
#include <cstddef>

namespace polvareda {

Encaje CalcularEncaje(Tamano ventana, Tamano lienzo) {
    Encaje e;
    if (lienzo.ancho > 0 && lienzo.alto > 0) {
        e.factor = std::max(1, std::min(ventana.ancho / lienzo.ancho, ventana.alto / lienzo.alto));
    }
    e.x = (ventana.ancho - lienzo.ancho * e.factor) / 2;
    e.y = (ventana.alto - lienzo.alto * e.factor) / 2;
    return e;
}

Rect Recortar(Rect r, Tamano limite) {
    const int x0 = std::max(r.x, 0);
    const int y0 = std::max(r.y, 0);
    // 64-bit ends: a hostile rectangle near INT_MAX must not overflow.
    const long long x1 = std::min<long long>(static_cast<long long>(r.x) + r.w, limite.ancho);
    const long long y1 = std::min<long long>(static_cast<long long>(r.y) + r.h, limite.alto);
    if (x1 <= x0 || y1 <= y0) return Rect{x0, y0, 0, 0};
    return Rect{x0, y0, static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)};
}

Rect AVentana(const Encaje& e, Rect r) {
    return Rect{e.x + r.x * e.factor, e.y + r.y * e.factor, r.w * e.factor, r.h * e.factor};
}

int ALienzo(int ventana, int origen, int factor) {
    const int d = ventana - origen;
    const int f = factor > 0 ? factor : 1;
    return d >= 0 ? d / f : -((-d + f - 1) / f);
}

void CopiarAmpliado(const Imagen& lienzo, Rect r, const Encaje& e, Tamano ventana,
                    std::uint32_t* destino, int paso) {
    const Rect v = Recortar(AVentana(e, r), ventana);
    if (v.w == 0 || v.h == 0) return;
    auto* base = reinterpret_cast<std::uint8_t*>(destino);
    auto fila = [&](int wy) {
        return reinterpret_cast<std::uint32_t*>(base + static_cast<std::ptrdiff_t>(wy) * paso) +
               v.x;
    };
    const int primeraX = ALienzo(v.x, e.x, e.factor);
    const int faseX = (v.x - e.x) - primeraX * e.factor;
    int filaAnterior = -1;
    for (int wy = v.y; wy < v.y + v.h; ++wy) {
        const int cy = ALienzo(wy, e.y, e.factor);
        std::uint32_t* salida = fila(wy);
        if (cy == filaAnterior) {  // the same canvas row again: copy the enlarged row above
            std::copy_n(fila(wy - 1), v.w, salida);
            continue;
        }
        filaAnterior = cy;
        const Pixel* origen = lienzo.Row(cy) + primeraX;
        if (e.factor == 1) {
            std::copy_n(origen, v.w, salida);
            continue;
        }
        int fase = faseX;
        for (int i = 0; i < v.w; ++i) {
            salida[i] = *origen;
            if (++fase == e.factor) {
                fase = 0;
                ++origen;
            }
        }
    }
}

}  // namespace polvareda
