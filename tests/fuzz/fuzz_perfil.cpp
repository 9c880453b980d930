// Fuzzing entry point for the profile reader and writer and the number parsers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Configuracion.h"
#include "Numeros.h"
#include "Perfil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    // The first line, when short, doubles as a name and a value to write.
    const std::string_view nombre = texto.substr(0, std::min<std::size_t>(texto.find('\n'), 32));

    polvareda::Configuracion config;
    polvareda::LeerConfiguracion(texto, config);
    static_cast<void>(polvareda::LeerDDraw(texto));
    static_cast<void>(polvareda::LeerValorPerfil(texto, nombre, nombre, nombre));

    const std::string escrito = polvareda::EscribirValorPerfil(texto, "Pantalla", "XGA", nombre);
    if (polvareda::LeerValorPerfil(escrito, "Pantalla", "XGA", "").size() >
        polvareda::kBufferPerfil - 1) {
        __builtin_trap();
    }
    static_cast<void>(polvareda::EscribirValorPerfil(texto, nombre, "k", "v"));

    static_cast<void>(polvareda::EnteroCorto(polvareda::Val(texto)));
    static_cast<void>(polvareda::EnteroCorto(texto));
    return 0;
}
