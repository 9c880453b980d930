// The byte complement of the data files, on memory and on a file in place.
#include "Complemento.h"

#include <fstream>
#include <limits>
#include <system_error>
#include <vector>

namespace polvareda {

void Complementar(std::span<std::uint8_t> bytes) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(255 - b);
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
    const auto tamano = std::filesystem::file_size(archivo, error);
    if (error ||
        tamano > static_cast<std::uintmax_t>(std::numeric_limits<std::streamsize>::max())) {
        return false;
    }

    // in|out never creates the file and never truncates it.
    std::fstream flujo(archivo, std::ios::in | std::ios::out | std::ios::binary);
    if (!flujo) return false;

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tamano));
    const auto longitud = static_cast<std::streamsize>(bytes.size());
    flujo.read(reinterpret_cast<char*>(bytes.data()), longitud);
    // A short read leaves the file untouched: writing back a half-complemented buffer would mix
    // encoded and decoded bytes.
    if (flujo.gcount() != longitud) return false;

    Complementar(bytes);
    flujo.clear();
    flujo.seekp(0);
    flujo.write(reinterpret_cast<const char*>(bytes.data()), longitud);
    flujo.flush();
    return static_cast<bool>(flujo);
}

}  // namespace polvareda
