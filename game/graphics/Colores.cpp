// Making and loading the afternoon and night pictures.
#include "Colores.h"

#include <algorithm>
#include <cmath>

namespace polvareda {

namespace {

constexpr Reduccion kTardeFiguras{88, 112, 184};
constexpr Reduccion kTardePaisaje{88, 184, 184};
constexpr Reduccion kNocheFiguras{191, 191, 112};
constexpr Reduccion kNochePaisaje{207, 207, 128};

int Bajar(Pixel p, int desplazamiento, int cuanto) {
    return std::max(0, static_cast<int>((p >> desplazamiento) & 0xFF) - cuanto);
}

Imagen Hoja(const Imagen& dia, Reduccion r) {
    Imagen copia = dia;
    Recolorear(copia, r, PrimerPixelMitadSuperior(copia.Width(), copia.Height()));
    return copia;
}

Imagen Entera(const Imagen& dia, Reduccion r) {
    Imagen copia = dia;
    Recolorear(copia, r, 0);
    return copia;
}

void Hacer(const ConjuntoColores& dia, ConjuntoColores& destino, Reduccion figuras,
           Reduccion paisaje, const Indicador& indicador) {
    for (int i = 0; i < 50; ++i) {
        if (!ExisteSprite(i)) continue;
        if (indicador) indicador(i % 2 == 0 ? 1 : 2);
        const auto k = static_cast<std::size_t>(i);
        destino.sprite[k] = Hoja(dia.sprite[k], figuras);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (indicador) indicador(i % 2 == 0 ? 1 : 2);
        destino.sombrero[i] = Hoja(dia.sombrero[i], figuras);
    }
    if (indicador) indicador(1);
    destino.Paisaje = Entera(dia.Paisaje, paisaje);
    destino.hecho = true;
}

}  // namespace

const ConjuntoColores& Coloreados::De(Momento m) const {
    switch (m) {
        case Momento::Tarde:
            return tarde;
        case Momento::Noche:
            return noche;
        case Momento::Dia:
            break;
    }
    return dia;
}

void Recolorear(Imagen& imagen, Reduccion r, long long primerPixel) {
    const int w = imagen.Width();
    const int h = imagen.Height();
    for (int y = 0; y < h; ++y) {
        const long long desdeAbajo = static_cast<long long>(h - 1 - y) * w;
        const long long x0 = std::clamp<long long>(primerPixel - desdeAbajo, 0, w);
        Pixel* fila = imagen.Row(y);
        for (long long x = x0; x < w; ++x) {
            const Pixel p = fila[x];
            fila[x] = Rgb(Bajar(p, 16, r.rojo), Bajar(p, 8, r.verde), Bajar(p, 0, r.azul));
        }
    }
}

long long PrimerPixelMitadSuperior(int ancho, int alto) {
    // The bitmap method began at byte b = 55 + 3·W·(H / 2) (rounded, halves to even) and
    // lowered every pixel whose red byte, 57 + 3·p, lies at or after b. For an even height that
    // is exactly the upper H / 2 rows; it is counted in pixels here, so a width whose rows
    // would have been padded in the file cannot shift the channels.
    const double b = std::nearbyint(55.0 + 3.0 * ancho * (alto / 2.0));
    return static_cast<long long>(std::ceil((b - 57.0) / 3.0));
}

void HacerTarde(const Superficies& s, Coloreados& c, const Indicador& indicador) {
    for (int i = 0; i < 50; ++i) {
        if (const Superficie* hoja = s.Sprite(i))
            c.dia.sprite[static_cast<std::size_t>(i)] = hoja->imagen;
    }
    for (std::size_t i = 0; i < 2; ++i) c.dia.sombrero[i] = s.sombrero[i].imagen;
    c.dia.Paisaje = s.Paisaje.imagen;
    c.dia.hecho = true;
    Hacer(c.dia, c.tarde, kTardeFiguras, kTardePaisaje, indicador);
}

void HacerNoche(const Superficies&, Coloreados& c, const Indicador& indicador) {
    if (!c.dia.hecho) return;
    Hacer(c.dia, c.noche, kNocheFiguras, kNochePaisaje, indicador);
}

void CargarConjunto(Superficies& s, const Coloreados& c, Momento m) {
    const ConjuntoColores& conjunto = c.De(m);
    if (!conjunto.hecho) return;
    for (int i = 0; i < 50; ++i) {
        if (Superficie* hoja = s.Sprite(i))
            hoja->imagen = conjunto.sprite[static_cast<std::size_t>(i)];
    }
    for (std::size_t i = 0; i < 2; ++i) s.sombrero[i].imagen = conjunto.sombrero[i];
    s.Paisaje.imagen = conjunto.Paisaje;
}

std::optional<Momento> MomentoDeFase(int fase) {
    if ((fase + 1) % 9 == 0) return Momento::Tarde;
    if (fase % 9 == 0) return Momento::Noche;
    if ((fase - 1) % 9 == 0) return Momento::Dia;
    return std::nullopt;
}

}  // namespace polvareda
