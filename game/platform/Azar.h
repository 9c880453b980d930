// The game's one random generator: uniform draws in [0, 1). Seeding from the time of day mixes
// the clock into the state instead of resetting it, so several draws in the same clock tick
// still differ; under the headless clock every run repeats exactly.
#pragma once

#include <cstdint>

namespace polvareda {

class Azar {
  public:
    explicit Azar(std::uint64_t semilla = 0x9E3779B97F4A7C15ull) : estado_(semilla) {}

    void Sembrar(std::int64_t msDesdeMedianoche);              // "Randomize Timer"
    double Rnd();                                              // uniform in [0, 1)
    int Entero(int n) { return static_cast<int>(Rnd() * n); }  // Int(Rnd * n)

  private:
    std::uint64_t estado_;
};

}  // namespace polvareda
