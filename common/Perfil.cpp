// Profile files: sections of "key=value" lines, read and written by the classic rules.
#include "Perfil.h"

#include <fstream>
#include <system_error>
#include <vector>

#include "ArchivoAcotado.h"
#include "ArchivoAtomico.h"
#include "Blancos.h"
#include "Codificacion.h"

namespace polvareda {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kFinDeLinea = "\r\n";

char Minuscula(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MismoNombre(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Minuscula(a[i]) != Minuscula(b[i])) return false;
    }
    return true;
}

enum class TipoLinea { Otra, Seccion, Clave };

// One line of the text: where it lies, and what it says once blanks, the byte-order mark and
// the line end are set aside.
struct Linea {
    std::size_t inicio = 0;
    std::size_t fin = 0;        // end of the content, before CR LF or LF
    std::size_t siguiente = 0;  // start of the next line
    TipoLinea tipo = TipoLinea::Otra;
    std::string_view nombre;  // section or key name
    std::string_view valor;   // key lines only, blanks dropped
    bool enBlanco = false;
};

// A line ends at CR LF, at LF or at a CR alone, as editors of every system leave them.
Linea Clasificar(std::string_view texto, std::size_t inicio) {
    Linea linea;
    linea.inicio = inicio;
    const std::size_t salto = texto.find_first_of("\r\n", inicio);
    linea.fin = salto == std::string_view::npos ? texto.size() : salto;
    linea.siguiente = salto == std::string_view::npos ? texto.size() : salto + 1;
    if (salto != std::string_view::npos && texto[salto] == '\r' && salto + 1 < texto.size() &&
        texto[salto + 1] == '\n') {
        ++linea.siguiente;
    }

    std::string_view contenido = texto.substr(inicio, linea.fin - inicio);
    if (inicio == 0 && contenido.starts_with(kBom)) contenido.remove_prefix(kBom.size());
    contenido = RecortarBlancos(contenido);
    linea.enBlanco = contenido.empty();

    const std::size_t cierre = contenido.find(']');
    if (contenido.starts_with('[') && cierre != std::string_view::npos) {
        linea.tipo = TipoLinea::Seccion;
        linea.nombre = RecortarBlancos(contenido.substr(1, cierre - 1));
    } else if (!contenido.starts_with(';')) {
        // A header without its closing bracket opens nothing: like any other line it belongs
        // to the section before it.
        const std::size_t igual = contenido.find('=');
        if (igual != std::string_view::npos) {
            linea.tipo = TipoLinea::Clave;
            linea.nombre = RecortarBlancos(contenido.substr(0, igual));
            linea.valor = RecortarBlancos(contenido.substr(igual + 1));
        }
    }
    return linea;
}

std::vector<Linea> Lineas(std::string_view texto) {
    std::vector<Linea> lineas;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        lineas.push_back(Clasificar(texto, inicio));
        inicio = lineas.back().siguiente;
    }
    return lineas;
}

std::string Cortar(std::string_view texto) {
    return std::string(texto.substr(0, kBufferPerfil - 1));
}

// A name that would not read back as itself cannot be written: it would break the file's
// structure (a line break, a bracket in a section, an equals sign in a key) or never match.
bool NombreEscribible(std::string_view nombre, bool esSeccion) {
    if (nombre.empty() || nombre != RecortarBlancos(nombre)) return false;
    if (nombre.find_first_of("\r\n") != std::string_view::npos) return false;
    if (esSeccion) return nombre.find(']') == std::string_view::npos;
    return nombre.find('=') == std::string_view::npos && !nombre.starts_with(';') &&
           !nombre.starts_with('[');
}

// Reads a whole file of at most kTamanoMaximoPerfil bytes; nothing for anything else.
std::optional<std::string> LeerTextoAcotado(const std::filesystem::path& archivo) {
    return LeerArchivoAcotado(archivo, kTamanoMaximoPerfil, Exceso::Rechazar);
}

}  // namespace

std::string LeerValorPerfil(std::string_view texto, std::string_view seccion,
                            std::string_view clave, std::string_view porDefecto) {
    // A file saved as UTF-8 or UTF-16 reads as its Windows-1252 twin.
    std::string convertido;
    if (CodificacionDe(texto) != Codificacion::Windows1252) {
        convertido = AWindows1252(texto);
        texto = convertido;
    }
    seccion = RecortarBlancos(seccion);
    clave = RecortarBlancos(clave);
    bool enSeccion = false;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        const Linea linea = Clasificar(texto, inicio);
        inicio = linea.siguiente;
        if (linea.tipo == TipoLinea::Seccion) {
            // Only the first section of that name is looked at.
            if (enSeccion) break;
            enSeccion = MismoNombre(linea.nombre, seccion);
        } else if (enSeccion && linea.tipo == TipoLinea::Clave &&
                   MismoNombre(linea.nombre, clave)) {
            std::string_view valor = linea.valor;
            if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') &&
                valor.back() == valor.front()) {
                valor = valor.substr(1, valor.size() - 2);
            }
            return Cortar(valor);
        }
    }
    // The classic reader drops trailing blanks from the default it is given.
    while (!porDefecto.empty() && EsBlancoDeLinea(porDefecto.back())) porDefecto.remove_suffix(1);
    return Cortar(porDefecto);
}

std::optional<std::string> LeerTextoPerfil(const std::filesystem::path& archivo) {
    return LeerTextoAcotado(archivo);
}

std::string LeerPerfil(const std::filesystem::path& archivo, std::string_view seccion,
                       std::string_view clave, std::string_view porDefecto) {
    const auto texto = LeerTextoAcotado(archivo);
    return LeerValorPerfil(texto ? std::string_view(*texto) : std::string_view(), seccion, clave,
                           porDefecto);
}

namespace {

// The edit itself, on bytes in the file's own encoding (Windows-1252 or UTF-8).
std::string Editar(std::string_view texto, std::string_view seccion, std::string_view clave,
                   std::string_view valor) {
    const std::vector<Linea> lineas = Lineas(texto);
    std::size_t seccionEncontrada = lineas.size();
    std::size_t finSeccion = lineas.size();
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        if (lineas[i].tipo != TipoLinea::Seccion) continue;
        if (seccionEncontrada < lineas.size()) {
            finSeccion = i;
            break;
        }
        if (MismoNombre(lineas[i].nombre, seccion)) seccionEncontrada = i;
    }

    std::string resultado;
    resultado.reserve(texto.size() + seccion.size() + clave.size() + valor.size() + 16);
    const auto nuevaClave = [&](std::string_view nombre) {
        resultado.append(nombre).append("=").append(valor);
    };

    if (seccionEncontrada == lineas.size()) {
        resultado.append(texto);
        if (!resultado.empty() && resultado.back() != '\n' && resultado != kBom) {
            resultado.append(kFinDeLinea);
        }
        if (!lineas.empty() && !lineas.back().enBlanco) resultado.append(kFinDeLinea);
        resultado.append("[").append(seccion).append("]").append(kFinDeLinea);
        nuevaClave(clave);
        resultado.append(kFinDeLinea);
        return resultado;
    }

    for (std::size_t i = seccionEncontrada + 1; i < finSeccion; ++i) {
        const Linea& linea = lineas[i];
        if (linea.tipo == TipoLinea::Clave && MismoNombre(linea.nombre, clave)) {
            // The key keeps its spelling and its line its own line end.
            resultado.append(texto.substr(0, linea.inicio));
            nuevaClave(linea.nombre);
            resultado.append(texto.substr(linea.fin));
            return resultado;
        }
    }

    // A missing key goes after the section's last line that is not blank.
    std::size_t ultima = finSeccion - 1;
    while (ultima > seccionEncontrada && lineas[ultima].enBlanco) --ultima;
    const Linea& anterior = lineas[ultima];
    resultado.append(texto.substr(0, anterior.siguiente));
    if (anterior.siguiente == anterior.fin) resultado.append(kFinDeLinea);
    nuevaClave(clave);
    resultado.append(kFinDeLinea);
    resultado.append(texto.substr(anterior.siguiente));
    return resultado;
}

}  // namespace

std::string EscribirValorPerfil(std::string_view texto, std::string_view seccion,
                                std::string_view clave, std::string_view valor) {
    if (!NombreEscribible(seccion, true) || !NombreEscribible(clave, false)) {
        return std::string(texto);
    }
    // A line break inside the value would smuggle extra lines, even sections, into the file;
    // the value ends where its first line ends.
    valor = valor.substr(0, valor.find_first_of("\r\n"));

    // A file kept in UTF-8 or UTF-16 stays so: the names and the value go in converted, and
    // every other line keeps every character it had.
    const Codificacion codificacion = CodificacionDe(texto);
    if (codificacion == Codificacion::Windows1252) return Editar(texto, seccion, clave, valor);
    const std::string s8 = Windows1252AUtf8(seccion);
    const std::string c8 = Windows1252AUtf8(clave);
    const std::string v8 = Windows1252AUtf8(valor);
    if (codificacion == Codificacion::Utf8ConMarca) return Editar(texto, s8, c8, v8);
    const std::optional<std::string> utf8 = Utf16AUtf8(texto);
    if (!utf8) return std::string(texto);
    return Utf8AUtf16(Editar(*utf8, s8, c8, v8), codificacion).value_or(std::string(texto));
}

namespace {

// Reads the file as the writers below replace it: nothing when it exists but must not be
// replaced (read-only, unreadable whole, too large, not a file); its text and permissions
// otherwise, an empty text for a missing file.
struct PerfilExistente {
    std::string texto;
    std::optional<std::filesystem::perms> permisos;
};

std::optional<PerfilExistente> LeerParaReemplazar(const std::filesystem::path& archivo) {
    std::error_code error;
    const auto estado = std::filesystem::status(archivo, error);
    PerfilExistente existente;
    if (std::filesystem::exists(estado)) {
        // A read-only file stays as it is, as the classic writer left it; renaming over it
        // would otherwise succeed wherever the folder is writable.
        if ((estado.permissions() & std::filesystem::perms::owner_write) ==
            std::filesystem::perms::none) {
            return std::nullopt;
        }
        // A file we cannot read whole (too large, not a file, unreadable) is not replaced:
        // its other lines would be lost.
        auto leido = LeerTextoAcotado(archivo);
        if (!leido) return std::nullopt;
        existente.texto = std::move(*leido);
        existente.permisos = estado.permissions();
        // Broken UTF-16 could not be written back without losing some of it.
        const Codificacion codificacion = CodificacionDe(existente.texto);
        if ((codificacion == Codificacion::Utf16LeConMarca ||
             codificacion == Codificacion::Utf16BeConMarca) &&
            !Utf16AUtf8(existente.texto)) {
            return std::nullopt;
        }
    } else if (error && error != std::errc::no_such_file_or_directory) {
        return std::nullopt;
    }
    return existente;
}

}  // namespace

bool EscribirPerfil(const std::filesystem::path& archivo, std::string_view seccion,
                    std::string_view clave, std::string_view valor) {
    const ValorPerfil uno{seccion, clave, valor};
    return EscribirPerfil(archivo, std::span<const ValorPerfil>(&uno, 1));
}

bool EscribirPerfil(const std::filesystem::path& archivo, std::span<const ValorPerfil> valores) {
    for (const ValorPerfil& v : valores) {
        if (!NombreEscribible(v.seccion, true) || !NombreEscribible(v.clave, false)) return false;
    }
    const auto existente = LeerParaReemplazar(archivo);
    if (!existente) return false;
    std::string nuevo = existente->texto;
    for (const ValorPerfil& v : valores)
        nuevo = EscribirValorPerfil(nuevo, v.seccion, v.clave, v.valor);
    if (existente->permisos && nuevo == existente->texto) return true;
    return ReemplazarArchivo(archivo, nuevo, existente->permisos);
}

}  // namespace polvareda
