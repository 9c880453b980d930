#include "ConfiguracionInicial.h"

#include <optional>
#include <string>
#include <system_error>

#include "ArchivoAcotado.h"
#include "ArchivoAtomico.h"
#include "Configuracion.h"

namespace polvareda {

namespace fs = std::filesystem;

void CopiarConfiguracionInicial(const fs::path& datos, const fs::path& jugador) {
    std::error_code error;
    if (fs::equivalent(datos, jugador, error)) return;
    const fs::path propia = jugador / kArchivoConfiguracion;
    // Only a name that is certainly free: a dangling link or an unreadable folder counts as taken.
    if (fs::symlink_status(propia, error).type() != fs::file_type::not_found) return;
    if (!fs::is_regular_file(datos / kArchivoConfiguracion, error)) return;
    const std::optional<std::string> bytes =
        LeerArchivoAcotado(datos / kArchivoConfiguracion, kLimiteTexto, Exceso::Rechazar);
    if (bytes) ReemplazarArchivo(propia, *bytes);
}

}  // namespace polvareda
