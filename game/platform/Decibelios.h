// The sound arithmetic of the classic sound buffers: volume and pan in hundredths of a
// decibel, turned into the linear levels of the mixer.
#pragma once

#include <cstdint>

namespace polvareda {

constexpr int kSilencio = -10000;

// Linear gain 10^(v/2000) of a volume in hundredths of a dB, clamped to [-10000, 0];
// -10000 is silence (0), not the -100 dB it would otherwise be.
double Ganancia(int centesimasDb);

// That gain as a mixer level from 0 to `maximo`, rounded to nearest.
int NivelMezclador(int centesimasDb, int maximo);

// Pan p from -10000 (left only) to 10000 (right only): the far side is attenuated by |p|
// hundredths of a dB; each side as a level 0..255.
struct Panorama {
    std::uint8_t izquierda = 255;
    std::uint8_t derecha = 255;
    bool operator==(const Panorama&) const = default;
};
Panorama NivelesPanoramica(int pan);

// How many times the mixer plays a piece that the game asks to repeat `repeticiones` times
// after the first (-1 or less: for ever, which the mixer writes -1).
int VueltasMezclador(int repeticiones);

}  // namespace polvareda
