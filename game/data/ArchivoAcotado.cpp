#include "ArchivoAcotado.h"

#include <fstream>
#include <system_error>

namespace polvareda {

std::optional<std::string> LeerArchivoAcotado(const std::filesystem::path& archivo,
                                              std::size_t limite) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(archivo, error)) return std::nullopt;
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) return std::nullopt;
    std::string texto(limite, '\0');
    entrada.read(texto.data(), static_cast<std::streamsize>(limite));
    texto.resize(static_cast<std::size_t>(entrada.gcount()));
    return texto;
}

}  // namespace polvareda
