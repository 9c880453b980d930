// The figure codes a door slot's `Tipo` takes and the door geometry.
#pragma once

#include "Efectos.h"

namespace polvareda::figura {

// Types 0..9 are chosen when a door opens; k + 30 is type k after it drew (or 38/39 a threatened
// customer, 48/49 the bandit behind her); k + 10 is type k hit and k + 20 fallen; 0 down to -6
// the type-0 figure losing its rows hit by hit, -7 its hat as a bomb and -8 as money.
constexpr int kBandido = 1;
constexpr int kBandidoTardio = 2;
// Types 3 to 9 are customers: shooting one costs a life. 3 to 6 may draw a gun (6 late in the
// cycle), 7 may pay, 8 and 9 may be threatened (9 only with the threat option).
constexpr int kPrimerCliente = 3;
constexpr int kClienteTardio = 6;
constexpr int kClientePaga = 7;
constexpr int kClienteAmenazable = 8;
constexpr int kClienteAmenazableConOpcion = 9;
constexpr int kUltimoCliente = kClienteAmenazableConOpcion;
// The type-0 figure: 0 whole, down to kCeroMenguado after six hits; then its hat.
constexpr int kCeroMenguado = -6;
constexpr int kSombreroBomba = -7;
constexpr int kSombreroDinero = -8;

constexpr bool EsCliente(int t) {
    return t >= kPrimerCliente && t <= kUltimoCliente;
}
// A customer who may draw a gun (the door then stays open a second time).
constexpr bool EsClienteArmado(int t) {
    return t >= kPrimerCliente && t <= kClienteTardio;
}

// The codes of type k's later states.
constexpr int kHerido = 10;
constexpr int kCaido = 20;
constexpr int kDesenfundado = 30;
constexpr int Herido(int k) {
    return k + kHerido;
}
constexpr int Caido(int k) {
    return k + kCaido;
}
constexpr int Desenfundado(int k) {
    return k + kDesenfundado;
}
// A threatened customer is code 38 or 39 (a customer of type 8 or 9 "drew"); the bandit behind
// her is that code hit, 48 or 49.
constexpr int kAmenazada = Desenfundado(kClienteAmenazable);
constexpr int kBandidoTrasAmenaza = Herido(kAmenazada);
constexpr bool EsAmenazada(int t) {
    return t == kAmenazada || t == kAmenazada + 1;
}
constexpr bool EsBandidoTrasAmenaza(int t) {
    return t == kBandidoTrasAmenaza || t == kBandidoTrasAmenaza + 1;
}
// A customer who drew a gun (33 to 36), or the paying customer's second opening (37): he
// shoots when his door cycle ends.
constexpr bool EsDesenfundado(int t) {
    return t >= Desenfundado(kPrimerCliente) && t <= Desenfundado(kClientePaga);
}
constexpr bool EsHerido(int t) {
    return t >= Herido(1) && t <= Herido(9);
}
constexpr bool EsCaido(int t) {
    return t >= Caido(1) && t <= Caido(9);
}

// A door slot i is at x = 16 + 88·i, y = 32, 56 by 88; its figure fills the left 48 columns.
constexpr int XPuerta(int i) {
    return 16 + 88 * i;
}
constexpr int kYPuerta = 32;

}  // namespace polvareda::figura
