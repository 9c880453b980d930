#include "Carpetas.h"

#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "ArchivoAcotado.h"
#include "ArchivoAtomico.h"

namespace polvareda {

namespace fs = std::filesystem;

fs::path CarpetaDeDatos(const fs::path& programas) {
    std::error_code error;
    if (fs::is_directory(programas / "LNG", error)) return programas;
    const fs::path compartida = programas.parent_path() / "share" / "polvareda";
    if (fs::is_directory(compartida / "LNG", error)) return compartida;
    return programas;
}

bool SePuedeEscribir(const fs::path& carpeta) {
    std::error_code error;
    if (!fs::is_directory(carpeta, error)) return false;
    // A name of our own that no player's file has; removed at once.
    const fs::path prueba =
        carpeta / (".polvareda-escritura-" + std::to_string(std::random_device{}()));
    bool escrito = false;
    {
        std::ofstream salida(prueba, std::ios::binary | std::ios::trunc);
        escrito = static_cast<bool>(salida);
    }
    fs::remove(prueba, error);
    return escrito;
}

fs::path CarpetaDelJugador(const fs::path& juego, const Entorno& entorno) {
    if (SePuedeEscribir(juego)) return juego;
    const auto texto = [&](const char* nombre) -> fs::path {
        const char* valor = entorno(nombre);
        return valor != nullptr && *valor != '\0' ? fs::u8path(valor) : fs::path();
    };
#ifdef _WIN32
    fs::path datos = texto("APPDATA");
    // A relative one would put the player's files wherever the game was started from.
    if (!datos.is_absolute()) datos.clear();
#else
    fs::path datos = texto("XDG_DATA_HOME");
    // The standard asks for an absolute path and says to ignore any other.
    if (!datos.is_absolute()) datos.clear();
    if (datos.empty() && !texto("HOME").empty()) datos = texto("HOME") / ".local" / "share";
#endif
    if (datos.empty()) return juego;
    const fs::path propia = datos / "Polvareda";
    std::error_code error;
    fs::create_directories(propia, error);
    return SePuedeEscribir(propia) ? propia : juego;
}

void TomarArchivosIniciales(const fs::path& datos, const fs::path& jugador) {
    std::error_code error;
    if (fs::equivalent(datos, jugador, error)) return;
    for (const char* nombre : {"Polvareda.INI", "Polvareda.DAT"}) {
        const fs::path propio = jugador / nombre;
        // Only a name that is certainly free: a folder that cannot be looked into is left alone.
        if (fs::symlink_status(propio, error).type() != fs::file_type::not_found) continue;
        if (!fs::is_regular_file(datos / nombre, error)) continue;
        // Both files are a few kilobytes; a larger one is not the game's and is not taken.
        const std::optional<std::string> bytes =
            LeerArchivoAcotado(datos / nombre, kLimiteTexto, Exceso::Rechazar);
        if (bytes) ReemplazarArchivo(propio, *bytes);
    }
}

}  // namespace polvareda
