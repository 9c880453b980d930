// The canvas fitted into a window, and rectangles and points between canvas and window pixels.
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

namespace {

std::uint32_t* LlenarTramo(std::uint32_t* salida, int ancho, Pixel color) {
    return std::fill_n(salida, ancho, color);
}

// `n` canvas pixels, each written `F` times: with F known to the compiler the stores need no
// loop of their own.
template <int F>
std::uint32_t* Repetir(std::uint32_t* salida, const Pixel* origen, int n) {
    for (int i = 0; i < n; ++i, salida += F) {
        const Pixel color = origen[i];
        for (int k = 0; k < F; ++k) salida[k] = color;
    }
    return salida;
}

std::uint32_t* RepetirColumnas(std::uint32_t* salida, const Pixel* origen, int n, int factor) {
    switch (factor) {
        case 2:
            return Repetir<2>(salida, origen, n);
        case 3:
            return Repetir<3>(salida, origen, n);
        case 4:
            return Repetir<4>(salida, origen, n);
        case 5:
            return Repetir<5>(salida, origen, n);
        case 6:
            return Repetir<6>(salida, origen, n);
        default:
            for (int i = 0; i < n; ++i) salida = LlenarTramo(salida, factor, origen[i]);
            return salida;
    }
}

}  // namespace

void CopiarAmpliado(const Imagen& lienzo, Rect r, const Encaje& e, Tamano ventana,
                    std::uint32_t* destino, int paso) {
    const Rect v = Recortar(AVentana(e, r), ventana);
    if (v.w == 0 || v.h == 0 || r.w <= 0 || r.h <= 0) return;
    auto* base = reinterpret_cast<std::uint8_t*>(destino);
    auto fila = [&](int wy) {
        return reinterpret_cast<std::uint32_t*>(base + static_cast<std::ptrdiff_t>(wy) * paso) +
               v.x;
    };
    // The window columns as runs that show one canvas column each, worked out once for all
    // rows: canvas column c covers the window columns from ceil(c * ancho / lienzo) on. A row
    // is then filled run by run (five pixels a run at the usual x5) instead of looking up the
    // column of every window pixel.
    struct Tramo {
        int columna;
        int ancho;
    };
    thread_local std::vector<Tramo> tramos;
    tramos.clear();
    const std::int64_t lw = std::max(e.lienzo.ancho, 1);
    const int c0 = std::clamp(ALienzoX(e, v.x), r.x, r.x + r.w - 1);
    const int c1 = std::clamp(ALienzoX(e, v.x + v.w - 1), r.x, r.x + r.w - 1);
    for (int c = c0; c <= c1; ++c) {
        const int desde =
            c == c0 ? v.x
                    : e.x + static_cast<int>(ArribaDiv(static_cast<std::int64_t>(c) * e.ancho, lw));
        const int hasta = c == c1 ? v.x + v.w
                                  : e.x + static_cast<int>(ArribaDiv(
                                              (static_cast<std::int64_t>(c) + 1) * e.ancho, lw));
        if (hasta > desde) tramos.push_back({c, hasta - desde});
    }
    // Runs all of one width between the two ends (a whole factor) take the fastest path.
    int igual = tramos.size() > 2 ? tramos[1].ancho : 0;
    for (std::size_t i = 1; i + 1 < tramos.size() && igual != 0; ++i)
        if (tramos[i].ancho != igual ||
            tramos[i].columna != tramos[1].columna + static_cast<int>(i) - 1)
            igual = 0;
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
            std::copy_n(origen + tramos.front().columna, v.w, salida);
            continue;
        }
        if (igual != 0) {
            const auto centro = static_cast<int>(tramos.size()) - 2;
            salida = LlenarTramo(salida, tramos.front().ancho, origen[tramos.front().columna]);
            salida = RepetirColumnas(salida, origen + tramos[1].columna, centro, igual);
            LlenarTramo(salida, tramos.back().ancho, origen[tramos.back().columna]);
            continue;
        }
        for (const Tramo& t : tramos) salida = LlenarTramo(salida, t.ancho, origen[t.columna]);
    }
}

}  // namespace polvareda
