// This run's private temporary folder: made owner-only with a fresh name, removed whole.
#include "CarpetaTemporal.h"

#include <random>
#include <string>
#include <system_error>

namespace polvareda {

namespace fs = std::filesystem;

bool CarpetaTemporal::Crear(const fs::path& base) {
    Eliminar();
    // The name only has to be new; the game's own random generator is left untouched so that
    // a scripted run repeats exactly.
    std::random_device fuente;
    std::uniform_int_distribution<int> letra('a', 'z');
    for (int intento = 0; intento < 100; ++intento) {
        std::string nombre = "polvareda-";
        for (int i = 0; i < 12; ++i) nombre += static_cast<char>(letra(fuente));
        const fs::path ruta = base / nombre;
        std::error_code error;
        // create_directory reports false for an existing path: never adopt someone else's.
        if (fs::create_directory(ruta, error) && !error) {
            fs::permissions(ruta, fs::perms::owner_all, fs::perm_options::replace, error);
            ruta_ = fs::absolute(ruta, error);
            if (error) ruta_ = ruta;
            return true;
        }
    }
    return false;
}

void CarpetaTemporal::Eliminar() {
    if (ruta_.empty()) return;
    std::error_code error;
    // remove_all removes links themselves, never what they point to.
    fs::remove_all(ruta_, error);
    ruta_.clear();
}

}  // namespace polvareda
