// The five game controls and their capture: left, right and the three fire buttons are asked
// for one after the other; a key already taken in this capture and the two arrow keys are not
// accepted. The committed codes change only when the fifth key is taken.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace polvareda {

constexpr int kControles = 5;

// The capture's state words, in order; empty outside a capture.
constexpr std::array<std::string_view, kControles> kEstadosCaptura = {"izda", "dcha", "tiro1",
                                                                      "tiro2", "tiro3"};

// The defaults of a fresh configuration: O, P, 1, 2, 3.
constexpr std::array<std::int16_t, kControles> kTeclasPorDefecto = {79, 80, 49, 50, 51};

class CapturaTeclas {
  public:
    const std::array<std::int16_t, kControles>& Comprometidas() const { return comprometidas_; }
    void PonerComprometidas(const std::array<std::int16_t, kControles>& teclas) {
        comprometidas_ = teclas;
    }

    bool Capturando() const { return control_ >= 0; }
    // The control now asked for (0 to 4), or -1 outside a capture.
    int Control() const { return control_; }
    std::string_view Estado() const { return Capturando() ? kEstadosCaptura[control_] : ""; }

    void Empezar() { control_ = 0; }
    void Abortar() { control_ = -1; }

    // One key during a capture. True when it was taken (the state moved on); false when it is
    // an arrow, a key already taken, 0 (a key without a code) or there is no capture.
    bool Pulsar(int tecla);

  private:
    std::array<std::int16_t, kControles> comprometidas_ = kTeclasPorDefecto;
    std::array<std::int16_t, kControles> pendientes_ = {};
    int control_ = -1;
};

}  // namespace polvareda
