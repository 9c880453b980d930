// The sizes PNG, GIF and BMP headers claim.
#include "CabeceraImagen.h"

#include <algorithm>
#include <array>

namespace polvareda {

namespace {

std::uint32_t Numero(std::span<const std::uint8_t> b, std::size_t i, int n, bool grande) {
    std::uint32_t v = 0;
    for (int k = 0; k < n; ++k)
        v = (v << 8) | b[i + static_cast<std::size_t>(grande ? k : n - 1 - k)];
    return v;
}

}  // namespace

std::optional<CabeceraImagen> LeerCabeceraImagen(std::span<const std::uint8_t> b) {
    static constexpr std::array<std::uint8_t, 8> kPng = {0x89, 'P',  'N',  'G',
                                                         0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() >= 24 && std::equal(kPng.begin(), kPng.end(), b.begin())) {
        return CabeceraImagen{"PNG", Numero(b, 16, 4, true), Numero(b, 20, 4, true)};
    }
    if (b.size() >= 10 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F') {
        return CabeceraImagen{"GIF", Numero(b, 6, 2, false), Numero(b, 8, 2, false)};
    }
    if (b.size() >= 26 && b[0] == 'B' && b[1] == 'M') {
        const auto ancho = static_cast<std::int32_t>(Numero(b, 18, 4, false));
        const auto alto = static_cast<std::int32_t>(Numero(b, 22, 4, false));
        return CabeceraImagen{"BMP", ancho, alto < 0 ? -static_cast<std::int64_t>(alto) : alto};
    }
    return std::nullopt;
}

}  // namespace polvareda
