// The register of temporary files: noted as each file is made, deleted exactly at shutdown.
#include "RegistroTemporales.h"

#include <string>
#include <system_error>

#include "ArchivoAcotado.h"
#include "TextoRuta.h"

namespace polvareda {

namespace {
// The register lists a few dozen paths; a larger one has been tampered with.
constexpr std::size_t kLimiteRegistro = 1024 * 1024;
}  // namespace

bool RegistroTemporales::Abrir(const std::filesystem::path& archivo) {
    Cerrar();
    ruta_ = archivo;
    salida_.open(archivo, std::ios::binary | std::ios::trunc);
    return salida_.is_open();
}

void RegistroTemporales::Anotar(const std::filesystem::path& temporal) {
    if (!salida_.is_open()) return;
    salida_ << TextoRuta(temporal) << "\r\n";
    // Flushed at once, so the register is complete even if the run is cut short.
    salida_.flush();
}

void RegistroTemporales::Cerrar() {
    if (salida_.is_open()) salida_.close();
}

int RegistroTemporales::BorrarAnotados(const std::filesystem::path& carpeta) {
    Cerrar();
    if (ruta_.empty()) return 0;
    int borrados = 0;
    if (auto texto = LeerArchivoAcotado(ruta_, kLimiteRegistro)) {
        std::size_t inicio = 0;
        while (inicio < texto->size()) {
            std::size_t fin = texto->find_first_of("\r\n", inicio);
            if (fin == std::string::npos) fin = texto->size();
            const std::string linea = texto->substr(inicio, fin - inicio);
            inicio = fin + 1;
            if (linea.empty() || linea.find('\0') != std::string::npos) continue;
            const std::filesystem::path archivo = RutaDeTexto(linea);
            std::error_code error;
            // Only plain files (or links, which are removed themselves) inside our own folder.
            if (!DentroDe(archivo, carpeta)) continue;
            if (std::filesystem::is_directory(std::filesystem::symlink_status(archivo, error)))
                continue;
            if (std::filesystem::remove(archivo, error)) ++borrados;
        }
    }
    std::error_code error;
    std::filesystem::remove(ruta_, error);
    return borrados;
}

bool DentroDe(const std::filesystem::path& ruta, const std::filesystem::path& carpeta) {
    if (carpeta.empty() || !ruta.is_absolute() || !carpeta.is_absolute()) return false;
    const auto r = ruta.lexically_normal();
    const auto c = carpeta.lexically_normal();
    auto ir = r.begin();
    for (auto ic = c.begin(); ic != c.end(); ++ic) {
        if (ic->empty()) continue;  // the trailing separator of "folder/"
        if (ir == r.end() || *ir != *ic) return false;
        ++ir;
    }
    // Something must follow the folder itself, and it must be a name, not "." or "..".
    bool algo = false;
    for (; ir != r.end(); ++ir) {
        if (ir->empty()) continue;
        if (*ir == ".." || *ir == ".") return false;
        algo = true;
    }
    return algo;
}

}  // namespace polvareda
