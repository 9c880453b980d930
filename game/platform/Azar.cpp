// The game's random generator: splitmix64, one 64-bit state, 53-bit uniform doubles.
#include "Azar.h"

namespace polvareda {
namespace {

constexpr std::uint64_t kPaso = 0x9E3779B97F4A7C15ull;

constexpr std::uint64_t Mezclar(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void Azar::Sembrar(std::int64_t msDesdeMedianoche) {
    // The clock goes into the state, it does not replace it: seeding twice in the same tick
    // (three doors opening together) still gives different draws. Whole milliseconds: a
    // recording and its replay read the very same number.
    const auto reloj = static_cast<std::uint64_t>(msDesdeMedianoche);
    estado_ = Mezclar(estado_ + Mezclar(reloj + kPaso));
}

double Azar::Rnd() {
    estado_ += kPaso;
    return static_cast<double>(Mezclar(estado_) >> 11) * 0x1.0p-53;
}

}  // namespace polvareda
