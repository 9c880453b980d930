// The window's canvas: pixel storage plus the list of rectangles changed since the screen last
// caught up.
#include "Lienzo.h"

#include <algorithm>

namespace polvareda {

namespace {

Rect Recortar(Rect r, int ancho, int alto) {
    const long long x0 = std::max<long long>(r.x, 0);
    const long long y0 = std::max<long long>(r.y, 0);
    const long long x1 = std::min<long long>(static_cast<long long>(r.x) + r.w, ancho);
    const long long y1 = std::min<long long>(static_cast<long long>(r.y) + r.h, alto);
    if (x1 <= x0 || y1 <= y0) return {};
    return {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
            static_cast<int>(y1 - y0)};
}

bool Vacio(Rect r) {
    return r.w <= 0 || r.h <= 0;
}

bool SeTocan(Rect a, Rect b) {
    return a.x <= b.x + b.w && b.x <= a.x + a.w && a.y <= b.y + b.h && b.y <= a.y + a.h;
}

Rect Union(Rect a, Rect b) {
    const int x0 = std::min(a.x, b.x);
    const int y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.w, b.x + b.w);
    const int y1 = std::max(a.y + a.h, b.y + b.h);
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

void Lienzo::Redimensionar(int ancho, int alto) {
    imagen_ = Imagen(ancho, alto, 0);
    cambios_.clear();
    refrescoPedido_ = false;
    Marcar({0, 0, Ancho(), Alto()});
}

void Lienzo::Marcar(Rect zona) {
    const Rect r = Recortar(zona, Ancho(), Alto());
    if (Vacio(r)) return;
    // A rectangle already covered adds nothing; a whole-canvas mark replaces everything.
    for (const Rect& c : cambios_) {
        if (r.x >= c.x && r.y >= c.y && r.x + r.w <= c.x + c.w && r.y + r.h <= c.y + c.h) return;
    }
    if (r.w == Ancho() && r.h == Alto()) cambios_.clear();
    cambios_.push_back(r);
    // Keep the list short: many tiny rectangles cost more to present than one larger one.
    if (cambios_.size() > 64) {
        Rect todo = cambios_.front();
        for (const Rect& c : cambios_) todo = Union(todo, c);
        cambios_.assign(1, todo);
    }
}

void Lienzo::Rellenar(Rect zona, Pixel color) {
    const Rect r = Recortar(zona, Ancho(), Alto());
    if (Vacio(r)) return;
    for (int y = r.y; y < r.y + r.h; ++y) std::fill_n(imagen_.Row(y) + r.x, r.w, color);
    Marcar(r);
}

std::vector<Rect> Lienzo::TomarCambios() {
    std::vector<Rect> salida;
    salida.swap(cambios_);
    // Merge overlapping or touching rectangles until none touch.
    bool unido = true;
    while (unido) {
        unido = false;
        for (std::size_t i = 0; i < salida.size() && !unido; ++i) {
            for (std::size_t j = i + 1; j < salida.size(); ++j) {
                if (SeTocan(salida[i], salida[j])) {
                    salida[i] = Union(salida[i], salida[j]);
                    salida.erase(salida.begin() + static_cast<std::ptrdiff_t>(j));
                    unido = true;
                    break;
                }
            }
        }
    }
    return salida;
}

}  // namespace polvareda
