// Any graphics extension directory: parsed without harm, and no accepted member name can
// lead outside the temporary folder.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "Extension.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const auto directorio = polvareda::LeerDirectorioXGA(std::span(datos, largo));
    if (!directorio) return 0;
    for (const auto& miembro : directorio->miembros) {
        if (!polvareda::NombreDeMiembroAceptable(miembro.nombre)) continue;
        if (miembro.nombre.find('/') != std::string::npos ||
            miembro.nombre.find('\\') != std::string::npos || miembro.nombre == "..")
            std::abort();
    }
    return 0;
}
