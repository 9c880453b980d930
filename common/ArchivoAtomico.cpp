// Whole-file replacement through a sibling file and a rename.
#include "ArchivoAtomico.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace polvareda {

namespace {

std::filesystem::path NombreTemporal(const std::filesystem::path& archivo) {
    static std::random_device azar;
    std::uniform_int_distribution<unsigned> cifra(0, 15);
    std::string sufijo;
    for (int i = 0; i < 8; ++i) sufijo += "0123456789abcdef"[cifra(azar)];
    // Built from the path itself, not its narrow text, which on Windows cannot hold every name.
    std::filesystem::path temporal = archivo.parent_path() / ".";
    temporal += archivo.filename();
    temporal += "." + sufijo + ".tmp";
    return temporal;
}

}  // namespace

bool ReemplazarArchivo(const std::filesystem::path& archivo, std::string_view bytes,
                       std::optional<std::filesystem::perms> permisos) {
    std::error_code error;
    std::filesystem::path temporal;
    for (int intento = 0; intento < 16; ++intento) {
        temporal = NombreTemporal(archivo);
        if (!std::filesystem::exists(temporal, error) && !error) break;
        temporal.clear();
    }
    if (temporal.empty()) return false;

    bool escrito = false;
    {
        std::ofstream flujo(temporal, std::ios::binary | std::ios::trunc);
        if (flujo) {
            flujo.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            flujo.flush();
            escrito = static_cast<bool>(flujo);
            flujo.close();
            escrito = escrito && !flujo.fail();
        }
    }
    if (escrito && permisos) {
        std::filesystem::permissions(temporal, *permisos, error);
        escrito = !error;
    }
    if (escrito) {
        std::filesystem::rename(temporal, archivo, error);
        escrito = !error;
    }
    if (!escrito) std::filesystem::remove(temporal, error);
    return escrito;
}

}  // namespace polvareda
