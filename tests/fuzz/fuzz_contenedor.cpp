// Any container given to the packer: read without harm, and what it accepts it can write out
// and read back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>
#include <vector>

#include "Contenedor.h"

namespace xga = polvareda::xga;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const auto leido = xga::Leer(std::span(datos, largo));
    const auto* contenedor = std::get_if<xga::Contenedor>(&leido);
    if (contenedor == nullptr) return 0;
    const auto escrito = xga::Escribir(*contenedor);
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&escrito);
    if (bytes == nullptr) std::abort();
    const auto releido = xga::Leer(*bytes);
    const auto* otro = std::get_if<xga::Contenedor>(&releido);
    if (otro == nullptr) std::abort();
    const auto reescrito = xga::Escribir(*otro);
    if (std::get_if<std::vector<std::uint8_t>>(&reescrito) == nullptr ||
        std::get<std::vector<std::uint8_t>>(reescrito) != *bytes)
        std::abort();
    return 0;
}
