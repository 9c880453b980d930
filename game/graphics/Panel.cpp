// The score panel's indicators.
//
// The pictures an extension may enlarge (the life icons, the marks, the panel, the dollar, the
// star, the boxes) are always copied with their multiplier applied to the source rectangle, so
// an enlarged picture shows whole; with the standard pictures this is the plain scaled copy.
#include "Panel.h"

#include <algorithm>
#include <cstdio>

#include "Composicion.h"
#include "Efectos.h"
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
    std::snprintf(texto, sizeof texto, "%06d",
                  static_cast<int>(std::clamp(puntos, 0, kPuntosMaximos)));
    return texto;
}

void SumaPuntos(Graficos& g, std::int32_t& Puntos, std::int32_t cantidad, bool sobreNegro) {
    const std::int64_t suma = static_cast<std::int64_t>(Puntos) + cantidad;
    Puntos = static_cast<std::int32_t>(std::clamp<std::int64_t>(suma, 0, kPuntosMaximos));
    const std::string texto = TextoPuntos(Puntos);
    if (sobreNegro) {
        Escribe(g, kColumnaPuntos, kFilaPuntos, texto, 1, kFondoCompuesto, 0, 0,
                &g.superficies.negro);
    } else {
        Escribe(g, kColumnaPuntos, kFilaPuntos, texto, 1, kFondoCompuesto, 8, 1,
                &g.superficies.panel);
    }
}

void CambiaVidas(Graficos& g, std::int16_t& Vidas, int delta, bool sobreNegro) {
    Vidas = static_cast<std::int16_t>(std::clamp(Vidas + delta, -32768, 32767));
    const Superficie& icono = g.superficies.vida[sobreNegro ? 1 : 0];
    // Slots beyond the right edge of the picture would draw nothing.
    const int slots = std::min<int>(Vidas, 16);
    for (int k = 0; k < slots; ++k) CopiaEscaladaXGA(g, icono, 0, 0, 9, 23, XVida(k), kFilaVidas);
}

void ParpadeaVida(Graficos& g, std::int16_t Vidas, bool sobreNegro, ServiciosPanel& s) {
    s.PararEfecto(efecto::kAmbiente);
    s.TocarTema(kTemaVidaPerdida);
    g.lienzo.Persistente(false);
    const int x = XVida(Vidas);
    for (int vez = 0; vez < 5; ++vez) {
        if (sobreNegro) {
            // The box from (x, 169) to (x + 9, 192), both corners included.
            g.lienzo.Rellenar(g.vista.Destino(x, kFilaVidas, 10, 24), 0);
            s.Esperar(250);
            CopiaEscaladaXGA(g, g.superficies.vida[1], 0, 0, 9, 23, x, kFilaVidas);
        } else {
            CopiaEscaladaXGA(g, g.superficies.panel, 8, 1, 9, 23, x, kFilaVidas);
            s.Esperar(250);
            CopiaEscaladaXGA(g, g.superficies.vida[0], 0, 0, 9, 23, x, kFilaVidas);
        }
        s.Esperar(250);
    }
    s.Esperar(750);
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

void EmpezarGiro(Graficos& g, EstadoPanel& e, ServiciosPanel& s) {
    e.fotogramaDolar = 0;
    e.giroActivo = true;
    GiraDolar(g, e, s);
}

void GiraDolar(Graficos& g, EstadoPanel& e, ServiciosPanel& s) {
    const int k = std::clamp(e.fotogramaDolar, 0, 3);
    if (k == 0) s.TocarEfectoDesdeElPrincipio(efecto::kDolar);
    CopiaEscaladaXGA(g, g.superficies.dolar, 0, 16 * k, 16, 16, 120, 8);
    if (k == 3) {
        e.fotogramaDolar = 0;
        e.giroActivo = false;
    } else {
        e.fotogramaDolar = k + 1;
    }
}

void MuestraEstrella(Graficos& g, const std::array<std::string, 3>& lineas) {
    CopiaEscaladaXGA(g, g.superficies.estrella, 0, 0, 72, 84, 84, 24);
    for (std::size_t i = 0; i < 3; ++i) {
        Escribe(g, 0, 126 + 18 * static_cast<int>(i), lineas[i], 3, kFondoDirecto);
    }
    g.lienzo.Refrescar();
}

}  // namespace polvareda
