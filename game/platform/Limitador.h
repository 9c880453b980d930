// The last stage of the sound mix: the effects and the music are mixed with 6 dB of headroom,
// then brought back up here with a limiter that keeps every sample under full scale. Two
// effects and the music at once would otherwise sum past full scale and crackle.
#pragma once

#include <cstdint>
#include <span>

namespace polvareda {

class Limitador {
  public:
    // The gain the mixer's inputs are lowered by, and brought back by Procesar.
    static constexpr double kMargen = 0.5;
    // The loudest a sample leaves the limiter: -1 dBFS.
    static constexpr double kTecho = 0.89 * 32767.0;

    explicit Limitador(int canales, int frecuencia);

    // Interleaved 16-bit frames, in place: doubled, and where that would pass the ceiling the
    // whole frame is turned down at once and the gain comes back over about 100 ms.
    void Procesar(std::span<std::int16_t> muestras);

  private:
    int canales_;
    double recuperacion_;  // the share of the way back to full gain made in one frame
    double ganancia_ = 1.0;
};

}  // namespace polvareda
