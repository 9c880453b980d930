// The byte complement of the data files, on memory and on a file in place.
#include "Complemento.h"

#include "ArchivoAcotado.h"

#include <fstream>
#include <limits>
#include <system_error>

namespace polvareda {

void Complementar(std::span<std::uint8_t> bytes) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(255 - b);
}

std::optional<std::string> LeerComplementado(const std::filesystem::path& archivo,
                                             std::size_t limite, Exceso exceso) {
    auto texto = LeerArchivoAcotado(archivo, limite, exceso);
    if (texto)
        Complementar(std::span(reinterpret_cast<std::uint8_t*>(texto->data()), texto->size()));
    return texto;
}

bool ComplementarArchivo(const std::filesystem::path& archivo) {
    std::error_code error;
    // Only a regular file: a folder or a device must not be opened, let alone rewritten. A
    // read-only file stays as it is even for a user whom the system would let write it.
    const auto estado = std::filesystem::status(archivo, error);
    if (!std::filesystem::is_regular_file(estado)) return false;
    if ((estado.permissions() & std::filesystem::perms::owner_write) ==
        std::filesystem::perms::none) {
        return false;
    }
    // The whole file, or nothing: a short read leaves the file untouched, since writing back a
    // half-complemented buffer would mix encoded and decoded bytes.
    auto leido = LeerArchivoAcotado(
        archivo, static_cast<std::size_t>(std::numeric_limits<std::streamsize>::max()),
        Exceso::Rechazar);
    if (!leido) return false;
    // in|out never creates the file and never truncates it.
    std::fstream flujo(archivo, std::ios::in | std::ios::out | std::ios::binary);
    if (!flujo) return false;

    auto bytes = std::span(reinterpret_cast<std::uint8_t*>(leido->data()), leido->size());
    const auto longitud = static_cast<std::streamsize>(bytes.size());
    Complementar(bytes);
    flujo.seekp(0);
    flujo.write(reinterpret_cast<const char*>(bytes.data()), longitud);
    flujo.flush();
    return static_cast<bool>(flujo);
}

}  // namespace polvareda
