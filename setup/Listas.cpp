// Listing the language files and the graphics extensions of the game folder.
#include "Listas.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <system_error>

#include "Complemento.h"
#include "Numeros.h"
#include "Perfil.h"

namespace polvareda::setup {

namespace fs = std::filesystem;

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of the code page is Latin-1. 0 where it has no
// character.
constexpr char16_t kAltos[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Minuscula(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EmpiezaSinMayusculas(std::string_view texto, std::string_view prefijo) {
    if (texto.size() < prefijo.size()) return false;
    for (std::size_t i = 0; i < prefijo.size(); ++i) {
        if (Minuscula(texto[i]) != Minuscula(prefijo[i])) return false;
    }
    return true;
}

bool TerminaSinMayusculas(std::string_view texto, std::string_view sufijo) {
    return texto.size() >= sufijo.size() &&
           EmpiezaSinMayusculas(texto.substr(texto.size() - sufijo.size()), sufijo);
}

bool AntesSinMayusculas(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Minuscula(x) < Minuscula(y); });
}

// The names of the regular files of a folder that match, in name order as a file list shows
// them (letters without regard to case).
std::vector<std::string> Archivos(const fs::path& carpeta, std::string_view prefijo,
                                  std::string_view sufijo) {
    std::vector<std::string> nombres;
    std::error_code error;
    for (fs::directory_iterator it(carpeta, error), fin; !error && it != fin; it.increment(error)) {
        const std::string nombre = it->path().filename().string();
        if (EmpiezaSinMayusculas(nombre, prefijo) && TerminaSinMayusculas(nombre, sufijo) &&
            it->is_regular_file(error)) {
            nombres.push_back(nombre);
        }
    }
    std::sort(nombres.begin(), nombres.end(), AntesSinMayusculas);
    return nombres;
}

// A language file decoded in memory; nothing when it cannot be read.
std::optional<std::string> Decodificado(const fs::path& archivo) {
    std::error_code error;
    const auto tamano = fs::file_size(archivo, error);
    if (error || tamano > kTamanoMaximoPerfil) return std::nullopt;
    std::ifstream flujo(archivo, std::ios::binary);
    std::string texto(static_cast<std::size_t>(tamano), '\0');
    flujo.read(texto.data(), static_cast<std::streamsize>(texto.size()));
    if (!flujo) return std::nullopt;
    Complementar(std::span(reinterpret_cast<std::uint8_t*>(texto.data()), texto.size()));
    return texto;
}

// True when the new name sorts before the old one: compared character by character over the
// new name's length, the first difference decides; a name that runs out first sorts first.
bool NombreAntes(std::string_view nuevo, std::string_view viejo) {
    for (std::size_t i = 0; i < nuevo.size(); ++i) {
        if (i >= viejo.size()) return false;
        const auto a = static_cast<unsigned char>(nuevo[i]);
        const auto b = static_cast<unsigned char>(viejo[i]);
        if (a != b) return a < b;
    }
    return false;
}

}  // namespace

int NumeroDeIdioma(std::string_view nombreArchivo) {
    const std::string_view cifras =
        nombreArchivo.substr(std::min<std::size_t>(5, nombreArchivo.size()), 2);
    return EnteroCorto(Val(cifras)).value_or(0);
}

ListaIdiomas LeerIdiomas(const fs::path& carpetaJuego) {
    ListaIdiomas lista;
    const fs::path carpeta = carpetaJuego / "LNG";
    for (const std::string& nombre : Archivos(carpeta, "Texto", ".LNG")) {
        const auto texto = Decodificado(carpeta / nombre);
        if (!texto) continue;
        const std::string traductor = LeerValorPerfil(*texto, "General", "Traductor", "");
        if (!traductor.empty() && lista.traductores.size() < kMaximoTraductores) {
            lista.traductores.push_back(traductor);
        }
        IdiomaJuego nuevo{NumeroDeIdioma(nombre),
                          LeerValorPerfil(*texto, "General", "Idioma", "?")};
        // Insertion among the sorted names above it.
        std::size_t sitio = lista.idiomas.size();
        while (sitio > 0 && NombreAntes(nuevo.nombre, lista.idiomas[sitio - 1].nombre)) --sitio;
        lista.idiomas.insert(lista.idiomas.begin() + static_cast<std::ptrdiff_t>(sitio),
                             std::move(nuevo));
    }
    return lista;
}

std::vector<std::string> LeerExtensiones(const fs::path& carpetaJuego) {
    std::vector<std::string> nombres = Archivos(carpetaJuego / "XTRAS", "", ".XGA");
    for (std::string& nombre : nombres) nombre.resize(nombre.size() - 4);
    return nombres;
}

QString DesdeAnsi(std::string_view bytes) {
    QString texto;
    texto.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0) {
            texto.append(kAltos[b - 0x80] ? QChar(kAltos[b - 0x80]) : QChar(u'?'));
        } else {
            texto.append(QChar(static_cast<char16_t>(b)));
        }
    }
    return texto;
}

std::string HaciaAnsi(const QString& texto) {
    std::string bytes;
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        const auto* hallado = std::find(std::begin(kAltos), std::end(kAltos), u);
        bytes += hallado != std::end(kAltos) && u != 0
                     ? static_cast<char>(0x80 + (hallado - std::begin(kAltos)))
                     : '?';
    }
    return bytes;
}

}  // namespace polvareda::setup
