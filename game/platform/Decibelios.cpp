// Volume and pan in hundredths of a decibel turned into the mixer's linear levels.
#include "Decibelios.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace polvareda {

double Ganancia(int centesimasDb) {
    const int v = std::clamp(centesimasDb, kSilencio, 0);
    if (v == kSilencio) return 0.0;
    return std::pow(10.0, v / 2000.0);
}

int NivelMezclador(int centesimasDb, int maximo) {
    return static_cast<int>(std::lround(Ganancia(centesimasDb) * maximo));
}

Panorama NivelesPanoramica(int pan) {
    const int p = std::clamp(pan, -10000, 10000);
    const auto lejano = static_cast<std::uint8_t>(NivelMezclador(-std::abs(p), 255));
    Panorama niveles;
    if (p > 0) niveles.izquierda = lejano;
    if (p < 0) niveles.derecha = lejano;
    return niveles;
}

int VueltasMezclador(int repeticiones) {
    if (repeticiones < 0) return -1;
    // The mixer counts plays, not repeats; a huge count stays a huge count.
    return repeticiones == std::numeric_limits<int>::max() ? -1 : repeticiones + 1;
}

}  // namespace polvareda
