// The one bounded reader of whole files.
#include "ArchivoAcotado.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace polvareda {

std::optional<std::string> LeerArchivoAcotado(const std::filesystem::path& archivo,
                                              std::size_t limite, Exceso exceso) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(archivo, error)) return std::nullopt;
    const auto tamano = std::filesystem::file_size(archivo, error);
    if (error) return std::nullopt;
    if (exceso == Exceso::Rechazar && tamano > limite) return std::nullopt;
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) return std::nullopt;
    // The size is only a hint: a file that grows while it is read is still cut at the ceiling.
    std::string texto(static_cast<std::size_t>(std::min<std::uintmax_t>(tamano, limite)), '\0');
    entrada.read(texto.data(), static_cast<std::streamsize>(texto.size()));
    const auto leidos = static_cast<std::size_t>(entrada.gcount());
    if (exceso == Exceso::Rechazar && leidos != texto.size()) return std::nullopt;
    texto.resize(leidos);
    return texto;
}

}  // namespace polvareda
