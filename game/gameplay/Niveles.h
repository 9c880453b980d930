// What changes from level to level: the figure types allowed, the doors' opening odds, the
// tick's interval and the time of day.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace polvareda {

struct ParametrosNivel {
    int mascara = 0;    // bit k allows figure type k (0..7); types 8 and 9 always come
    int apertura = 15;  // a closed door opens with chance 1/apertura each tick
    int intervaloMs = 150;
};

constexpr ParametrosNivel ParametrosDeNivel(int nivel) {
    switch (nivel) {
        case 1:
            return {3, 15, 150};
        case 2:
            return {11, 15, 150};
        case 3:
            return {7, 15, 150};
        case 4:
            return {143, 15, 150};
        case 5:
            return {159, 15, 150};
        case 6:
            return {191, 15, 150};
        default:
            break;
    }
    if (nivel <= 9) return {255, 15, 150};
    if (nivel <= 11) return {255, 14, 140};
    if (nivel <= 13) return {255, 13, 130};
    if (nivel <= 15) return {255, 12, 120};
    if (nivel <= 18) return {255, 11, 110};
    return {255, 10, 100};
}

// The allowed types of a level: the mask's eight bits, and types 8 and 9.
constexpr std::array<bool, 10> TiposPermitidos(int nivel) {
    std::array<bool, 10> tipos{};
    const int mascara = ParametrosDeNivel(nivel).mascara;
    for (int k = 0; k < 8; ++k) tipos[static_cast<std::size_t>(k)] = ((mascara >> k) & 1) != 0;
    tipos[8] = tipos[9] = true;
    return tipos;
}

// A day is nine levels: the eighth of each is played in the afternoon, the ninth at night.
constexpr bool EsTarde(int nivel) {
    return (nivel + 1) % 9 == 0;
}
constexpr bool EsNoche(int nivel) {
    return nivel % 9 == 0;
}
constexpr bool EmpiezaDia(int nivel) {
    return (nivel - 1) % 9 == 0;
}
constexpr int NumeroDeDia(int nivel) {
    return nivel / 9 + 1;
}

constexpr int kNivelSheriff = 19;

}  // namespace polvareda
