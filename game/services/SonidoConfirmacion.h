// The short sound that confirms a screenshot or a change of level: synthesised here, so it
// needs no data file.
#pragma once

#include <cstdint>
#include <vector>

namespace polvareda {

// A 16-bit mono PCM wave file at 44100 Hz: two rising notes, about 0.12 s, peak about -9 dBFS.
std::vector<std::uint8_t> WavConfirmacion();

}  // namespace polvareda
