// The play state of a game: the three door slots in view, the phase's deposits, the level,
// lives and points, the held keys and the duel's flags. The rules own it; the score panel only
// draws the points and lives it is given.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace polvareda {

constexpr std::int32_t kPuntosMaximos = 999999;
// The lives a game starts with; the waiting screen's panel shows them before any game.
constexpr std::int16_t kVidasIniciales = 3;

// The points after scoring `cantidad`: never below 0 nor above 999999, and no overflow on the
// way there.
constexpr std::int32_t SumarPuntos(std::int32_t puntos, std::int32_t cantidad) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{puntos} + cantidad, 0, kPuntosMaximos));
}

// One door in view (the duel reuses the three of them as its gunmen).
struct PuertaVisible {
    // Position in the door cycle: negative closed and counting up, 0 closed and may open,
    // 1 .. Ciclo - 1 open, Ciclo closes now, Ciclo + 1 and + 2 after a hit.
    std::int16_t Paso = 0;
    std::int16_t Puerta = 0;     // door 0..11 shown in this slot
    std::int16_t Marca = 0;      // a shot is judged only while Paso > Marca
    std::int16_t Tipo = 0;       // the figure code (see Figuras.h)
    std::int16_t Apertura = 15;  // a closed door opens with chance 1/Apertura each tick
};

struct Partida {
    std::int16_t Ciclo = 12;
    std::array<bool, 10> TipoPermitido{};
    std::array<bool, 12> Depositado{};
    std::int16_t Depositos = 0;
    std::int16_t Nivel = 1;
    std::int16_t Vidas = kVidasIniciales;
    std::int32_t Puntos = 0;
    bool Demo = false;  // the attract game plays this game
    bool DisparoJuzgado = false;
    bool IzquierdaPulsada = false;
    bool DerechaPulsada = false;
    std::array<bool, 4> DisparoPulsado{};  // fire buttons 1..3, and any of them
    int Recorrido = 0;                     // scroll position in canvas pixels
    float Azar = 0;
    std::array<PuertaVisible, 3> Visibles{};

    // The duel.
    std::int16_t DueloFallido = 0;  // k + 1 after a shot at gunman k before he drew
    bool ExtraGanada = false;

    bool CintaPreparada = false;  // the counter strip has its copy for the next scroll

    // Ours: a pause asked for while a long sequence runs takes effect when it ends, so the
    // tick never runs underneath a scroll, a lost life, the end of a phase or the duel.
    int secuencias = 0;
    bool pausaPedida = false;
};

}  // namespace polvareda
