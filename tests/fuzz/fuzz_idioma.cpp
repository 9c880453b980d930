// Any language file: every game text comes out, whatever the bytes.
#include <cstdint>
#include <string>

#include "Idioma.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const auto idioma =
        polvareda::Idioma::DesdeTexto(std::string(reinterpret_cast<const char*>(datos), largo));
    const auto textos = polvareda::LeerTextosJuego(idioma);
    (void)polvareda::LeerTextosMenu(idioma);
    (void)textos;
    return 0;
}
