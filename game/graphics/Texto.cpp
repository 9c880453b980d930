// Drawing text from the glyph sheet.
#include "Texto.h"

#include "Composicion.h"

namespace polvareda {

namespace {

constexpr int kColumnas = 38;

}  // namespace

int ColumnaGlifo(char c) {
    const int codigo = static_cast<unsigned char>(c);
    const int g = codigo - 65;
    return g < 0 ? codigo - 22 : g;
}

void Escribe(Graficos& g, int x, int y, std::string_view Mensaje, int Color, int Fondo, int xfondo,
             int yfondo, const Superficie* fondo) {
    if (Fondo != kFondoCompuesto && Fondo != kFondoDirecto) return;
    Superficies& s = g.superficies;
    const Superficie& ground = fondo != nullptr ? *fondo : s.negro;
    for (std::size_t k = 0; k < Mensaje.size(); ++k) {
        const int i = static_cast<int>(k);
        if (Mensaje[k] == ' ') continue;
        const int glifo = ColumnaGlifo(Mensaje[k]);
        if (glifo < 0 || glifo >= kColumnas) continue;
        const int sx = 7 * glifo;
        if (Fondo == kFondoCompuesto) {
            Transferir(s.borrador, 8 * i, 0, ground, xfondo + 8 * i, yfondo, 7, 12, Rop::SrcCopy);
            Transferir(s.borrador, 8 * i, 0, s.letras, sx, 0, 7, 12, Rop::SrcAnd);
            Transferir(s.borrador, 8 * i, 0, s.letras, sx, 12 * Color, 7, 12, Rop::SrcPaint);
            CopiaEscalada(g, s.borrador, 8 * i, 0, 7, 12, 8 * x + 8 * i, y);
        } else {
            CopiaEscaladaXGA(g, s.letras, sx, 0, 7, 12, 8 * x + 8 * i, y, Rop::SrcAnd);
            CopiaEscaladaXGA(g, s.letras, sx, 12 * Color, 7, 12, 8 * x + 8 * i, y, Rop::SrcPaint);
        }
    }
}

}  // namespace polvareda
