#include "Encaje.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace polvareda {

namespace {

std::int64_t AbajoDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t ArribaDiv(std::int64_t a, std::int64_t b) {
    return -AbajoDiv(-a, b);
}

// a * b / c to the nearest (c > 0, all of them window or canvas sides).
int Regla(std::int64_t a, std::int64_t b, std::int64_t c) {
    return static_cast<int>((a * b * 2 + c) / (c * 2));
}

// The largest box of proportions pa:pb inside the window (at least one pixel each way).
Tamano Llenar(Tamano ventana, std::int64_t pa, std::int64_t pb) {
    const std::int64_t w = std::max(ventana.ancho, 1);
    const std::int64_t h = std::max(ventana.alto, 1);
    if (w * pb <= h * pa) return {static_cast<int>(w), std::max(1, Regla(w, pb, pa))};
    return {std::max(1, Regla(h, pa, pb)), static_cast<int>(h)};
}

}  // namespace

Encaje CalcularEncaje(Tamano ventana, Tamano lienzo, const AjustePantalla& ajuste) {
    Encaje e;
    e.lienzo = lienzo;
    if (lienzo.ancho <= 0 || lienzo.alto <= 0) return e;
    const bool proporcion = ajuste.proporcion.ancho > 0 && ajuste.proporcion.alto > 0;
    const std::int64_t pa = proporcion ? ajuste.proporcion.ancho : lienzo.ancho;
    const std::int64_t pb = proporcion ? ajuste.proporcion.alto : lienzo.alto;
    // The height that goes with a width at the chosen proportions.
    const auto altoPara = [&](int ancho) {
        return proporcion ? Regla(ancho, pb, pa)
                          : static_cast<int>(static_cast<std::int64_t>(ancho) / lienzo.ancho *
                                             lienzo.alto);
    };
    Tamano t{0, 0};
    if (ajuste.nitido) {
        for (int f = ventana.ancho / lienzo.ancho; f >= 1; --f) {
            const int alto = altoPara(f * lienzo.ancho);
            if (alto <= ventana.alto) {
                t = {f * lienzo.ancho, alto};
                break;
            }
        }
    }
    if (t.ancho == 0) t = Llenar(ventana, pa, pb);
    e.ancho = t.ancho;
    e.alto = t.alto;
    e.x = (ventana.ancho - t.ancho) / 2;
    e.y = (ventana.alto - t.alto) / 2;
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

// Canvas pixel c covers the window pixels whose canvas coordinate rounds down to c: from
// ceil(c * ancho / lienzo) on. A canvas edge therefore maps to the first window pixel after it.
Rect AVentana(const Encaje& e, Rect r) {
    const std::int64_t lw = std::max(e.lienzo.ancho, 1);
    const std::int64_t lh = std::max(e.lienzo.alto, 1);
    const auto x0 = ArribaDiv(static_cast<std::int64_t>(r.x) * e.ancho, lw);
    const auto x1 = ArribaDiv((static_cast<std::int64_t>(r.x) + r.w) * e.ancho, lw);
    const auto y0 = ArribaDiv(static_cast<std::int64_t>(r.y) * e.alto, lh);
    const auto y1 = ArribaDiv((static_cast<std::int64_t>(r.y) + r.h) * e.alto, lh);
    return Rect{e.x + static_cast<int>(x0), e.y + static_cast<int>(y0), static_cast<int>(x1 - x0),
                static_cast<int>(y1 - y0)};
}

int ALienzoX(const Encaje& e, int x) {
    if (e.ancho <= 0 || e.lienzo.ancho <= 0) return x - e.x;  // no canvas: window pixels
    return static_cast<int>(
        AbajoDiv((static_cast<std::int64_t>(x) - e.x) * e.lienzo.ancho, e.ancho));
}

int ALienzoY(const Encaje& e, int y) {
    if (e.alto <= 0 || e.lienzo.alto <= 0) return y - e.y;
    return static_cast<int>(AbajoDiv((static_cast<std::int64_t>(y) - e.y) * e.lienzo.alto, e.alto));
}

void CopiarAmpliado(const Imagen& lienzo, Rect r, const Encaje& e, Tamano ventana,
                    std::uint32_t* destino, int paso) {
    const Rect v = Recortar(AVentana(e, r), ventana);
    if (v.w == 0 || v.h == 0 || r.w <= 0 || r.h <= 0) return;
    auto* base = reinterpret_cast<std::uint8_t*>(destino);
    auto fila = [&](int wy) {
        return reinterpret_cast<std::uint32_t*>(base + static_cast<std::ptrdiff_t>(wy) * paso) +
               v.x;
    };
    // The canvas column of every window column, worked out once for all rows.
    thread_local std::vector<int> columnas;
    columnas.resize(static_cast<std::size_t>(v.w));
    for (int i = 0; i < v.w; ++i)
        columnas[static_cast<std::size_t>(i)] =
            std::clamp(ALienzoX(e, v.x + i), r.x, r.x + r.w - 1);
    const bool unoAUno = e.ancho == e.lienzo.ancho;
    int filaAnterior = -1;
    for (int wy = v.y; wy < v.y + v.h; ++wy) {
        const int cy = std::clamp(ALienzoY(e, wy), r.y, r.y + r.h - 1);
        std::uint32_t* salida = fila(wy);
        if (cy == filaAnterior) {  // the same canvas row again: copy the row above
            std::copy_n(fila(wy - 1), v.w, salida);
            continue;
        }
        filaAnterior = cy;
        const Pixel* origen = lienzo.Row(cy);
        if (unoAUno) {
            std::copy_n(origen + columnas[0], v.w, salida);
            continue;
        }
        for (int i = 0; i < v.w; ++i) salida[i] = origen[columnas[static_cast<std::size_t>(i)]];
    }
}

}  // namespace polvareda
