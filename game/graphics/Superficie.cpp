// Raster operations between pictures, clipped on both sides.
#include "Superficie.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace polvareda {

namespace {

using i64 = std::int64_t;

inline void Aplicar(Pixel* d, const Pixel* s, int n, Rop rop) {
    switch (rop) {
        case Rop::SrcCopy:
            std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(Pixel));
            break;
        case Rop::SrcAnd:
            for (int i = 0; i < n; ++i) d[i] &= s[i];
            break;
        case Rop::SrcPaint:
            for (int i = 0; i < n; ++i) d[i] |= s[i];
            break;
    }
}

inline Pixel Combinar(Pixel d, Pixel s, Rop rop) {
    switch (rop) {
        case Rop::SrcCopy:
            return s;
        case Rop::SrcAnd:
            return d & s;
        case Rop::SrcPaint:
            return d | s;
    }
    return d;
}

// Index map of a stretched axis: for each destination step i in [primero, ultimo), the source
// coordinate, or -1 when it lies outside the source picture.
std::vector<int> Mapa(i64 primero, i64 ultimo, i64 origen, i64 largoOrigen, i64 largoDestino,
                      i64 limite) {
    std::vector<int> mapa;
    mapa.reserve(static_cast<std::size_t>(ultimo - primero));
    for (i64 i = primero; i < ultimo; ++i) {
        const i64 s = origen + (i * largoOrigen) / largoDestino;
        mapa.push_back(s >= 0 && s < limite ? static_cast<int>(s) : -1);
    }
    return mapa;
}

}  // namespace

int Superficie::Px(int v) const {
    if (t == 1.0) return v;
    const double r = std::nearbyint(t * v);
    if (!(r > std::numeric_limits<int>::min() / 2)) return std::numeric_limits<int>::min() / 2;
    if (r > std::numeric_limits<int>::max() / 2) return std::numeric_limits<int>::max() / 2;
    return static_cast<int>(r);
}

void Superficie::Redimensionar(int ancho, int alto, Pixel relleno) {
    Imagen nueva(ancho, alto, relleno);
    Transferir(nueva, 0, 0, imagen, 0, 0, imagen.Width(), imagen.Height(), Rop::SrcCopy);
    imagen = std::move(nueva);
}

void Transferir(Imagen& destino, int dx, int dy, const Imagen& origen, int sx, int sy, int w, int h,
                Rop rop) {
    if (w <= 0 || h <= 0) return;
    const i64 x0 = std::max<i64>({0, -static_cast<i64>(sx), -static_cast<i64>(dx)});
    const i64 y0 = std::max<i64>({0, -static_cast<i64>(sy), -static_cast<i64>(dy)});
    const i64 x1 = std::min<i64>(
        {w, static_cast<i64>(origen.Width()) - sx, static_cast<i64>(destino.Width()) - dx});
    const i64 y1 = std::min<i64>(
        {h, static_cast<i64>(origen.Height()) - sy, static_cast<i64>(destino.Height()) - dy});
    if (x0 >= x1 || y0 >= y1) return;
    const int n = static_cast<int>(x1 - x0);

    if (&destino == &origen) {
        // Copy within one picture: take the source block aside first, so overlapping
        // rectangles behave as two separate pictures would.
        Imagen bloque(n, static_cast<int>(y1 - y0));
        Transferir(bloque, 0, 0, origen, static_cast<int>(sx + x0), static_cast<int>(sy + y0), n,
                   bloque.Height(), Rop::SrcCopy);
        Transferir(destino, static_cast<int>(dx + x0), static_cast<int>(dy + y0), bloque, 0, 0, n,
                   bloque.Height(), rop);
        return;
    }
    for (i64 y = y0; y < y1; ++y) {
        Aplicar(destino.Row(static_cast<int>(dy + y)) + (dx + x0),
                origen.Row(static_cast<int>(sy + y)) + (sx + x0), n, rop);
    }
}

void Estirar(Imagen& destino, Rect d, const Imagen& origen, Rect s, Rop rop) {
    if (d.w <= 0 || d.h <= 0 || s.w <= 0 || s.h <= 0) return;
    if (d.w == s.w && d.h == s.h) {
        Transferir(destino, d.x, d.y, origen, s.x, s.y, s.w, s.h, rop);
        return;
    }
    if (&destino == &origen) {
        const Imagen copia = origen;
        Estirar(destino, d, copia, s, rop);
        return;
    }
    const i64 i0 = std::max<i64>(0, -static_cast<i64>(d.x));
    const i64 i1 = std::min<i64>(d.w, static_cast<i64>(destino.Width()) - d.x);
    const i64 j0 = std::max<i64>(0, -static_cast<i64>(d.y));
    const i64 j1 = std::min<i64>(d.h, static_cast<i64>(destino.Height()) - d.y);
    if (i0 >= i1 || j0 >= j1) return;

    const std::vector<int> columnas = Mapa(i0, i1, s.x, s.w, d.w, origen.Width());
    const std::vector<int> filas = Mapa(j0, j1, s.y, s.h, d.h, origen.Height());
    const int n = static_cast<int>(i1 - i0);
    const int primeraColumna = static_cast<int>(d.x + i0);
    const bool columnasCompletas =
        std::find(columnas.begin(), columnas.end(), -1) == columnas.end();

    int filaAnterior = -1;
    const Pixel* destinoAnterior = nullptr;
    for (std::size_t k = 0; k < filas.size(); ++k) {
        const int fila = filas[k];
        if (fila < 0) continue;
        Pixel* out = destino.Row(static_cast<int>(d.y + j0) + static_cast<int>(k)) + primeraColumna;
        // An enlarged row repeats the previous one exactly: copy it whole.
        if (rop == Rop::SrcCopy && columnasCompletas && fila == filaAnterior &&
            destinoAnterior != nullptr) {
            std::memcpy(out, destinoAnterior, static_cast<std::size_t>(n) * sizeof(Pixel));
        } else {
            const Pixel* in = origen.Row(fila);
            for (int i = 0; i < n; ++i) {
                const int c = columnas[static_cast<std::size_t>(i)];
                if (c >= 0) out[i] = Combinar(out[i], in[c], rop);
            }
        }
        filaAnterior = fila;
        destinoAnterior = out;
    }
}

void Transferir(Superficie& destino, int dx, int dy, const Superficie& origen, int sx, int sy,
                int w, int h, Rop rop) {
    const Rect d{destino.Px(dx), destino.Px(dy), destino.Px(w), destino.Px(h)};
    const Rect s{origen.Px(sx), origen.Px(sy), origen.Px(w), origen.Px(h)};
    Estirar(destino.imagen, d, origen.imagen, s, rop);
}

}  // namespace polvareda
