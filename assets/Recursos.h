// The pictures built into the game, embedded at build time from assets/pictures/*.png.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace polvareda {

// The bytes of the embedded PNG named `nombre` (its file name without ".png", e.g. "sprite0",
// "Paisaje", "splash"); an empty span when there is no such picture.
std::span<const std::uint8_t> Recurso(std::string_view nombre);

}  // namespace polvareda
