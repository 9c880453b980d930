// The data folder and the player's folder, found beside the program or in the installed places.
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

namespace {

// The games layout of a distribution: <prefix>/share/games/polvareda.
bool EsDatosDeJuegos(const fs::path& carpeta) {
    fs::path limpia = carpeta.lexically_normal();
    if (limpia.filename().empty()) limpia = limpia.parent_path();  // a trailing separator
    const fs::path juegos = limpia.parent_path();
    return limpia.filename() == "polvareda" && juegos.filename() == "games" &&
           juegos.parent_path().filename() == "share";
}

}  // namespace

fs::path CarpetaDeDatos(const fs::path& programas) {
    std::error_code error;
    if (fs::is_directory(programas / "LNG", error)) return programas;
    // <prefix>/bin and <prefix>/share/polvareda; a distribution's games layout keeps the
    // programs in <prefix>/lib/games/polvareda (linked from <prefix>/games) and the data in
    // <prefix>/share/games/polvareda.
    const fs::path prefijo = programas.parent_path();
    const fs::path privada = prefijo.parent_path().parent_path();
    const bool enLibGames = programas.filename() == "polvareda" && prefijo.filename() == "games" &&
                            prefijo.parent_path().filename() == "lib";
    for (const fs::path& compartida :
         {prefijo / "share" / "polvareda", prefijo / "share" / "games" / "polvareda",
          enLibGames ? privada / "share" / "games" / "polvareda" : fs::path()}) {
        if (!compartida.empty() && fs::is_directory(compartida / "LNG", error)) return compartida;
    }
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
    // A distribution's games folder belongs to its package manager: even a user who may write
    // there (root) keeps the player's files at home, so removing the package leaves none.
    if (!EsDatosDeJuegos(juego) && SePuedeEscribir(juego)) return juego;
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
