// The time-of-day colourings: the afternoon and night pictures made once from the day pictures
// by lowering each colour channel, kept in memory, and reloaded into the figure sheets, the hat
// sheets and the scenery when a phase or the menu needs another set.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "Superficies.h"

namespace polvareda {

enum class Momento { Dia, Tarde, Noche };

struct Reduccion {
    int rojo = 0;
    int verde = 0;
    int azul = 0;
};

// One set of recoloured pictures.
struct ConjuntoColores {
    bool hecho = false;
    std::array<Imagen, 50> sprite;  // by sheet number, empty where there is no sheet
    std::array<Imagen, 2> sombrero;
    Imagen Paisaje;
};

struct Coloreados {
    ConjuntoColores dia;
    ConjuntoColores tarde;
    ConjuntoColores noche;
    const ConjuntoColores& De(Momento m) const;
};

// Lowers every channel of the pixels from `primerPixel` on, counting pixels from the bottom
// row up and left to right (the order of the saved bitmap the colourings were first made on),
// each channel clamped at 0.
void Recolorear(Imagen& imagen, Reduccion r, long long primerPixel);
// The first pixel of a sheet's upper half in that order, so the mask half stays exact.
long long PrimerPixelMitadSuperior(int ancho, int alto);

// The busy indicator: shows `reloj`(1) or `reloj`(2) (the argument is 1 or 2).
using Indicador = std::function<void(int reloj)>;

// Keeps the current pictures as the day set and makes the afternoon set.
void HacerTarde(const Superficies& s, Coloreados& c, const Indicador& indicador);
// Makes the night set from the day set (HacerTarde must have run).
void HacerNoche(const Superficies& s, Coloreados& c, const Indicador& indicador);

// Loads a made set into the sheets and the scenery; a set not made leaves them as they are.
void CargarConjunto(Superficies& s, const Coloreados& c, Momento m);

// The set a phase starts with: afternoon when (fase + 1) is a multiple of 9, night when fase is,
// day after the night; nothing in between (the pictures stay).
std::optional<Momento> MomentoDeFase(int fase);

}  // namespace polvareda
