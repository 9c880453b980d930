// What a picture file's header claims, read before anything is decoded: a hostile header must
// not make a decoder allocate gigabytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace polvareda {

struct CabeceraImagen {
    const char* tipo;  // "PNG", "GIF" or "BMP", as the picture loader names them
    std::int64_t ancho;
    std::int64_t alto;  // a bottom-up BMP's negative height counts as its size
};

// Nothing for a file that is none of the three formats or too short to hold the header.
std::optional<CabeceraImagen> LeerCabeceraImagen(std::span<const std::uint8_t> bytes);

}  // namespace polvareda
