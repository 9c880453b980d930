// The score panel's indicators.
//
// The pictures an extension may enlarge (the life icons, the marks, the panel, the dollar, the
// star, the boxes) are always copied with their multiplier applied to the source rectangle, so
// an enlarged picture shows whole; with the standard pictures this is the plain scaled copy.
#include "Panel.h"

#include <algorithm>
#include <cstdio>

#include "Composicion.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr int kFilaPuntos = 178;
constexpr int kColumnaPuntos = 8;
constexpr int kFilaVidas = 169;

int XVida(int slot) {
    return 180 + 16 * slot;
}

}  // namespace

std::string TextoPuntos(std::int32_t puntos) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%06d", static_cast<int>(std::clamp(puntos, 0, 999999)));
    return texto;
}

void DibujaPuntos(Graficos& g, std::int32_t puntos, bool sobreNegro) {
    const std::string texto = TextoPuntos(puntos);
    if (sobreNegro) {
        Escribe(g, kColumnaPuntos, kFilaPuntos, texto, 1, kFondoCompuesto, 0, 0,
                &g.superficies.negro);
    } else {
        Escribe(g, kColumnaPuntos, kFilaPuntos, texto, 1, kFondoCompuesto, 8, 1,
                &g.superficies.panel);
    }
}

void DibujaVidas(Graficos& g, int vidas, bool sobreNegro) {
    const Superficie& icono = g.superficies.vida[sobreNegro ? 1 : 0];
    // Slots beyond the right edge of the picture would draw nothing.
    const int slots = std::min(vidas, 16);
    for (int k = 0; k < slots; ++k) CopiaEscaladaXGA(g, icono, 0, 0, 9, 23, XVida(k), kFilaVidas);
}

void DibujaVidaPerdida(Graficos& g, int slot, bool visible, bool sobreNegro) {
    const int x = XVida(slot);
    if (visible) {
        CopiaEscaladaXGA(g, g.superficies.vida[sobreNegro ? 1 : 0], 0, 0, 9, 23, x, kFilaVidas);
    } else if (sobreNegro) {
        // The box from (x, 169) to (x + 9, 192), both corners included.
        g.lienzo.Rellenar(g.vista.Destino(x, kFilaVidas, 10, 24), 0);
    } else {
        CopiaEscaladaXGA(g, g.superficies.panel, 8, 1, 9, 23, x, kFilaVidas);
    }
}

int XMarcaPuerta(int puerta) {
    return puerta <= 5 ? 9 + 16 * puerta : 57 + 16 * puerta;
}

void MarcaPuerta(Graficos& g, int puerta) {
    if (puerta < 0 || puerta > 11) return;
    CopiaEscaladaXGA(g, g.superficies.sino, 14, 0, 14, 14, XMarcaPuerta(puerta), 9);
}

void PintaCajas(Graficos& g, const std::array<int, 3>& puertasVisibles) {
    Superficies& s = g.superficies;
    // The row shown spans both groups of boxes and the top bar between them; that stretch of
    // `temp` is never composed otherwise, so it is first taken from the background (or the
    // scratch colour would show there).
    Transferir(s.temp, 8, 0, s.Fondo, 8, 0, 240, 8, Rop::SrcCopy);
    Transferir(s.temp, 8, 0, s.cajas, 0, 0, 96, 8, Rop::SrcCopy);
    Transferir(s.temp, 152, 0, s.cajas, 96, 0, 96, 8, Rop::SrcCopy);
    for (const int d : puertasVisibles) {
        if (d < 0 || d > 11) continue;
        Transferir(s.temp, d <= 5 ? 8 + 16 * d : 56 + 16 * d, 0, s.cajas, 16 * d, 8, 16, 8,
                   Rop::SrcCopy);
    }
    CopiaEscalada(g, s.temp, 8, 0, 240, 8, 8, 0);
}

void DibujaDolar(Graficos& g, int fotograma) {
    CopiaEscaladaXGA(g, g.superficies.dolar, 0, 16 * std::clamp(fotograma, 0, 3), 16, 16, 120, 8);
}

void MuestraEstrella(Graficos& g, const std::array<std::string, 3>& lineas) {
    CopiaEscaladaXGA(g, g.superficies.estrella, 0, 0, 72, 84, 84, 24);
    for (std::size_t i = 0; i < 3; ++i) {
        Escribe(g, 0, 126 + 18 * static_cast<int>(i), lineas[i], 3, kFondoDirecto);
    }
    g.lienzo.Refrescar();
}

}  // namespace polvareda
