// complementar: copies a file to a destination with every byte b stored as 255 - b, the form the
// game's data files are kept in. Running it again on the result gives the original back.
//
//   complementar <source> <destination>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>
#include <vector>

#include "ArchivoAcotado.h"
#include "Complemento.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: complementar <source> <destination>\n";
        return 2;
    }
    const fs::path origen = argv[1];
    const fs::path destino = argv[2];
    std::error_code error;
    // Far above any data file of ours; keeps a wrong argument from filling the memory.
    auto leido =
        polvareda::LeerArchivoAcotado(origen, std::size_t{1} << 30, polvareda::Exceso::Rechazar);
    if (!leido) {
        std::cerr << "complementar: cannot read " << origen.string()
                  << " (missing, not a file, or larger than 1 GiB)\n";
        return 1;
    }
    std::vector<std::uint8_t> bytes(leido->begin(), leido->end());
    polvareda::Complementar(bytes);

    // Written beside the destination first and renamed over it, so that an interrupted build
    // never leaves a half-written data file behind.
    if (destino.has_parent_path()) fs::create_directories(destino.parent_path(), error);
    fs::path temporal = destino;
    temporal += ".part";
    {
        std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
        salida.write(reinterpret_cast<const char*>(bytes.data()),
                     static_cast<std::streamsize>(bytes.size()));
        salida.close();
        if (!salida) {
            std::cerr << "complementar: cannot write " << destino.string() << "\n";
            fs::remove(temporal, error);
            return 1;
        }
    }
    fs::rename(temporal, destino, error);
    if (error) {
        std::cerr << "complementar: cannot write " << destino.string() << ": " << error.message()
                  << "\n";
        fs::remove(temporal, error);
        return 1;
    }
    return 0;
}
