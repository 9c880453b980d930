// The figure codes a door slot's `Tipo` takes, the door geometry and the sound effects of the
// rules.
#pragma once

namespace polvareda::figura {

// Types 0..9 are chosen when a door opens; k + 30 is type k after it drew (or 38/39 a threatened
// customer, 48/49 the bandit behind her); k + 10 is type k hit and k + 20 fallen; 0 down to -6
// the type-0 figure losing its rows hit by hit, -7 its hat as a bomb and -8 as money.
constexpr int kBandido = 1;
constexpr int kBandidoTardio = 2;
constexpr int kClientePaga = 7;
constexpr int kAmenazada = 38;
constexpr int kBandidoTrasAmenaza = 48;
constexpr int kSombreroBomba = -7;
constexpr int kSombreroDinero = -8;

// A door slot i is at x = 16 + 88·i, y = 32, 56 by 88; its figure fills the left 48 columns.
constexpr int XPuerta(int i) {
    return 16 + 88 * i;
}
constexpr int kYPuerta = 32;

}  // namespace polvareda::figura

namespace polvareda::efecto {
constexpr int kAbrePuerta = 10;
constexpr int kCierraPuerta = 11;
constexpr int kBomba = 13;
constexpr int kEspuelas = 14;
constexpr int kReaccion = 15;
constexpr int kJugadorHerido = 16;
constexpr int kDesplazamiento = 17;
constexpr int kAmbiente = 18;
constexpr int kDisparoLejano = 19;
constexpr int kDisparo = 21;
constexpr int kFinDeFase = 23;
}  // namespace polvareda::efecto
