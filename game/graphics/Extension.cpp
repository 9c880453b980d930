// Unpacking and loading the graphics extension container.
#include "Extension.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

#include "ArchivoAcotado.h"
#include "CabeceraImagen.h"
#include "NombreMiembro.h"
#include "Numeros.h"
#include "Plataforma.h"

namespace polvareda {

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kFinDirectorio = 32767;  // byte positions were 16-bit
constexpr std::size_t kMiembrosMaximos = 256;
constexpr std::int64_t kMiembroMaximo = 16ll << 20;
constexpr int kLadoMaximo = 4096;
constexpr int kFactorMaximo = 16;  // 4096-pixel pictures over a 256-pixel picture

// One CR-ended line from `pos`; the LF after the CR is passed over. A last line without an
// end is still a line, as the old line reader gave it.
std::optional<std::string_view> Linea(std::span<const std::uint8_t> b, std::size_t& pos) {
    if (pos >= b.size()) return std::nullopt;
    const auto* inicio = reinterpret_cast<const char*>(b.data()) + pos;
    std::size_t fin = pos;
    while (fin < b.size() && b[fin] != '\r') ++fin;
    const std::string_view linea(inicio, fin - pos);
    pos = fin;
    if (pos < b.size()) ++pos;                                      // CR
    if (pos < b.size() && b[pos] == '\n' && fin < b.size()) ++pos;  // LF
    return linea;
}

// A picture whose header claims more than 4096 x 4096 is not decoded at all.
bool MedidasAceptables(std::span<const std::uint8_t> b) {
    const auto cabecera = LeerCabeceraImagen(b);
    return cabecera && cabecera->ancho > 0 && cabecera->alto > 0 &&
           cabecera->ancho <= kLadoMaximo && cabecera->alto <= kLadoMaximo;
}

struct Conocido {
    std::string archivo;
    Superficie* superficie;
};

// The known members in the order they are loaded, each with the picture it replaces.
std::vector<Conocido> Conocidos(Superficies& s) {
    // The fixed pictures, in the order MiembrosQueCarga names them.
    Superficie* const fijos[] = {&s.BangBMP,     &s.cajas,       &s.CuadroCajas,   &s.dolar,
                                 &s.estrella,    &s.letras,      &s.Paisaje,       &s.panel,
                                 &s.Pantalla,    &s.Pared,       &s.Puertas,       &s.sino,
                                 &s.sombrero[0], &s.sombrero[1], &s.ventanilla[0], &s.vida[0]};
    std::vector<Conocido> lista;
    std::size_t fijo = 0;
    for (const std::string& nombre : MiembrosQueCarga()) {
        Superficie* superficie =
            nombre.starts_with("sprite") ? s.Sprite(std::stoi(nombre.substr(6))) : fijos[fijo++];
        lista.push_back({nombre, superficie});
    }
    return lista;
}

bool CopiarTramo(std::ifstream& in, std::int64_t largo, std::ofstream* out) {
    std::array<char, 64 * 1024> buffer{};
    while (largo > 0) {
        const auto n = static_cast<std::streamsize>(std::min<std::int64_t>(largo, buffer.size()));
        in.read(buffer.data(), n);
        if (in.gcount() != n) return false;
        if (out != nullptr && !out->write(buffer.data(), n)) return false;
        largo -= n;
    }
    return true;
}

}  // namespace

std::optional<DirectorioXGA> LeerDirectorioXGA(std::span<const std::uint8_t> cabeza) {
    std::size_t pos = 0;
    const auto primera = Linea(cabeza, pos);
    if (!primera || *primera != "XGA") return std::nullopt;
    DirectorioXGA dir;
    // p is the 1-based position after the lines read, counted as text plus CR LF.
    std::int64_t p = 6;
    for (;;) {
        const auto nombre = Linea(cabeza, pos);
        if (!nombre) return std::nullopt;  // the directory never closes
        p += static_cast<std::int64_t>(nombre->size()) + 2;
        if (p > kFinDirectorio) return std::nullopt;
        if (*nombre == "XGA") break;
        if (dir.miembros.size() == kMiembrosMaximos) return std::nullopt;
        const auto largo = Linea(cabeza, pos);
        if (!largo) return std::nullopt;
        p += static_cast<std::int64_t>(largo->size()) + 2;
        if (p > kFinDirectorio) return std::nullopt;
        const std::optional<std::int32_t> valor = EnteroLargo(Val(*largo));
        if (!valor || *valor < 0) return std::nullopt;
        dir.miembros.push_back({std::string(*nombre), *valor});
    }
    dir.inicioDatos = p - 1;
    return dir;
}

bool NombreDeMiembroAceptable(std::string_view nombre) {
    return ProblemaConNombreDeMiembro(nombre).empty();
}

ResultadoExtension CargarExtension(const fs::path& xga, const fs::path& carpeta,
                                   const std::function<void(const fs::path&)>& registrar,
                                   Superficies& s) {
    ResultadoExtension resultado;
    std::error_code ec;
    const std::uintmax_t tamano = fs::file_size(xga, ec);
    if (ec) return resultado;
    std::ifstream in(xga, std::ios::binary);
    if (!in) return resultado;

    const auto cabeza = LeerArchivoAcotado(xga, kFinDirectorio);
    if (!cabeza) return resultado;
    const std::optional<DirectorioXGA> dir = LeerDirectorioXGA(ComoBytes(*cabeza));
    if (!dir) return resultado;

    // Members, back to back. One running past the end of the file abandons the rest before
    // anything of it is written; a member with an unacceptable name or size is passed over.
    // A member whose name differs only in case from an earlier one is passed over too: where
    // the file system ignores case it would replace the earlier one's file.
    std::int64_t pos = dir->inicioDatos;
    in.clear();
    in.seekg(pos);
    std::vector<std::string_view> escritos;
    for (const MiembroXGA& m : dir->miembros) {
        if (pos + m.largo > static_cast<std::int64_t>(tamano)) return resultado;
        const bool repetido =
            std::any_of(escritos.begin(), escritos.end(),
                        [&](std::string_view otro) { return MismoArchivo(otro, m.nombre); });
        if (!NombreDeMiembroAceptable(m.nombre) || m.largo > kMiembroMaximo || repetido) {
            in.seekg(pos + m.largo);
        } else {
            const fs::path ruta = carpeta / fs::path(m.nombre);
            if (registrar) registrar(ruta);
            std::ofstream out(ruta, std::ios::binary | std::ios::trunc);
            if (!out || !CopiarTramo(in, m.largo, &out)) return resultado;
            escritos.push_back(m.nombre);
        }
        pos += m.largo;
        if (!in) return resultado;
    }

    // The last byte: the multiplier. Without it the extension counts as unread.
    if (pos >= static_cast<std::int64_t>(tamano)) return resultado;
    char byte = 0;
    if (!in.get(byte)) return resultado;
    const int factor = static_cast<unsigned char>(byte);
    // A multiplier of 0 would make the window and every copy to it zero pixels wide, and one
    // above 16 could never be filled by pictures of at most 4096 pixels while the window would
    // need gigabytes; both keep the standard multiplier 1 and the pictures still load.
    resultado.factorXGA = (factor >= 1 && factor <= kFactorMaximo) ? factor : 1;
    resultado.leida = true;
    in.close();

    for (const Conocido& c : Conocidos(s)) {
        const fs::path ruta = carpeta / c.archivo;
        if (!fs::is_regular_file(ruta, ec)) continue;
        const auto bytes = LeerArchivoAcotado(ruta, kMiembroMaximo, Exceso::Rechazar);
        if (!bytes || !MedidasAceptables(ComoBytes(*bytes))) continue;
        std::optional<Imagen> imagen = DecodificarImagen(ComoBytes(*bytes));
        if (!imagen || imagen->Empty() || imagen->Width() > kLadoMaximo ||
            imagen->Height() > kLadoMaximo) {
            continue;
        }
        const int anchoAnterior = c.superficie->Ancho();
        if (anchoAnterior <= 0) continue;
        // No multiplier the game accepts needs a picture more than 16 times its standard size;
        // such pictures would only hold memory, four times over for the sheets' colourings.
        if (imagen->Width() > kFactorMaximo * anchoAnterior ||
            imagen->Height() > kFactorMaximo * c.superficie->Alto()) {
            continue;
        }
        c.superficie->t = static_cast<double>(imagen->Width()) / anchoAnterior;
        c.superficie->imagen = std::move(*imagen);
        if (c.superficie == &s.Pared) {
            c.superficie->Redimensionar(c.superficie->Ancho() * 4, c.superficie->Alto());
        }
        resultado.cargados.push_back(c.archivo);
    }
    return resultado;
}

}  // namespace polvareda
