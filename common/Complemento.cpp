#include "Complemento.h"

namespace polvareda {

void Complementar(std::span<std::uint8_t> bytes) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(255 - b);
}

bool ComplementarArchivo(const std::filesystem::path&) { return false; }

}  // namespace polvareda
