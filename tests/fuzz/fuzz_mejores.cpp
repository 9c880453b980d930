// Any stored score file is read without harm, and what is written back always holds its
// 198 lines, two per record, whatever the names read in held.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Mejores.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), largo);
    const std::string guardado = polvareda::TextoMejores(polvareda::LeerMejores(texto));
    std::size_t lineas = 0;
    for (std::size_t i = 0; i < guardado.size(); ++i) {
        if (guardado[i] == '\n' && (i == 0 || guardado[i - 1] != '\r')) std::abort();
        if (guardado[i] == '\r' && (i + 1 == guardado.size() || guardado[i + 1] != '\n'))
            std::abort();
        if (guardado[i] == '\n') ++lineas;
    }
    if (lineas != 198) std::abort();
    return 0;
}
