// The limiter at the end of the mix: the sum brought back up without ever passing full scale.
#include "Limitador.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace polvareda {

Limitador::Limitador(int canales, int frecuencia)
    : canales_(std::max(canales, 1)),
      recuperacion_(1.0 - std::exp(-1.0 / (0.1 * std::max(frecuencia, 1)))) {}

void Limitador::Procesar(std::span<std::int16_t> muestras) {
    const auto n = static_cast<std::size_t>(canales_);
    for (std::size_t i = 0; i + n <= muestras.size(); i += n) {
        double pico = 0;
        for (std::size_t c = 0; c < n; ++c)
            pico = std::max(pico, std::abs(static_cast<double>(muestras[i + c])) / kMargen);
        const double objetivo = pico > kTecho ? kTecho / pico : 1.0;
        // Down at once, so no sample passes the ceiling; back up slowly, so the gain does not
        // follow the waveform and distort it.
        ganancia_ =
            objetivo < ganancia_ ? objetivo : ganancia_ + (objetivo - ganancia_) * recuperacion_;
        const double g = ganancia_ / kMargen;
        for (std::size_t c = 0; c < n; ++c)
            muestras[i + c] = static_cast<std::int16_t>(std::lround(muestras[i + c] * g));
    }
}

}  // namespace polvareda
