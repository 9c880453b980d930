// Scaled copies to the canvas and masked composition.
#include "Composicion.h"

namespace polvareda {

namespace {

void Mostrar(Graficos& g, const Superficie& origen, Rect fuente, int x, int y, int w, int h,
             Rop rop) {
    const Rect destino = g.vista.Destino(x, y, w, h);
    Estirar(g.lienzo.Pixeles(), destino, origen.imagen, fuente, rop);
    g.lienzo.Marcar(destino);
}

}  // namespace

void CopiaEscalada(Graficos& g, const Superficie& origen, int sx, int sy, int w, int h, int x,
                   int y, Rop rop) {
    Mostrar(g, origen, {sx, sy, w, h}, x, y, w, h, rop);
}

void CopiaEscaladaXGA(Graficos& g, const Superficie& origen, int sx, int sy, int w, int h, int x,
                      int y, Rop rop) {
    Mostrar(g, origen, {origen.Px(sx), origen.Px(sy), origen.Px(w), origen.Px(h)}, x, y, w, h, rop);
}

void Enmascarar(Superficie& destino, int x, int y, const Superficie& hoja, int sx, int sy, int w,
                int h, int filaMascara) {
    Transferir(destino, x, y, hoja, sx, sy + filaMascara, w, h, Rop::SrcAnd);
    Transferir(destino, x, y, hoja, sx, sy, w, h, Rop::SrcPaint);
}

void PonerFigura(Graficos& g, int sprite, int x, int y) {
    if (const Superficie* hoja = g.superficies.Sprite(sprite)) {
        Enmascarar(g.superficies.temp, x, y, *hoja, 0, 0, 48, 88, 88);
    }
}

void RestaurarPantalla(Graficos& g) {
    // `Fondo` is built at the extension's resolution (its t is m), so its source is
    // (0, 0, 256·m, 192·m).
    CopiaEscaladaXGA(g, g.superficies.Fondo, 0, 0, 256, 192, 0, 0);
}

}  // namespace polvareda
