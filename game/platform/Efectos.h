// The game's sound effects by number (SND/Efecto0.SND to Efecto23.SND), named after what they
// sound for. The only place these numbers are written.
#pragma once

namespace polvareda::efecto {

// Effects 0 to 9 are the figures' own voices: a figure of type k hit (or the type-0 figure
// losing a row) sounds effect k.
constexpr int Voz(int tipo) {
    return tipo;
}
constexpr int kAbrePuerta = 10;
constexpr int kCierraPuerta = 11;
constexpr int kDolar = 12;  // the spinning dollar
constexpr int kBomba = 13;
constexpr int kEspuelas = 14;  // the spurs
constexpr int kReaccion = 15;
constexpr int kJugadorHerido = 16;
constexpr int kDesplazamiento = 17;
constexpr int kAmbiente = 18;  // the doors' ambience, looping
constexpr int kDisparoLejano = 19;
constexpr int kDisparo = 21;  // the player's shot, also the level choice's
constexpr int kFinDeFase = 23;

}  // namespace polvareda::efecto
