// Writing and reading the graphics extension container, refusing anything the game could
// misread or that could make it write a member outside its temporary folder.
#include "Contenedor.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "NombreMiembro.h"

namespace polvareda::xga {

namespace {

constexpr std::string_view kFinDeLinea = "\r\n";
constexpr std::uint64_t kLongitudMaximaMiembro = std::numeric_limits<std::int32_t>::max();

std::optional<std::string> NombreRepetido(const std::vector<std::string_view>& nombres) {
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (MismoArchivo(nombres[i], nombres[j])) return std::string(nombres[i]);
        }
    }
    return std::nullopt;
}

std::optional<std::uint64_t> Decimal(std::string_view texto) {
    if (texto.empty() || texto.size() > 10) return std::nullopt;
    std::uint64_t valor = 0;
    for (const char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return valor;
}

// Reads the directory's lines one by one; each must end in CR LF inside the directory limit.
class Lineas {
  public:
    explicit Lineas(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::variant<std::string_view, Error> Siguiente() {
        const std::size_t limite = std::min(bytes_.size(), kLongitudMaximaDirectorio);
        const auto* datos = reinterpret_cast<const char*>(bytes_.data());
        const std::string_view zona(datos, limite);
        const std::size_t fin = zona.find(kFinDeLinea, posicion_);
        if (fin == std::string_view::npos) {
            if (limite < bytes_.size()) {
                return Error{"the directory does not end before byte 32767"};
            }
            return Error{"the directory ends without its closing line \"XGA\" (line " +
                         std::to_string(numero_ + 1) + " is not ended by CR LF)"};
        }
        const std::string_view linea = zona.substr(posicion_, fin - posicion_);
        posicion_ = fin + kFinDeLinea.size();
        ++numero_;
        return linea;
    }

    std::size_t Posicion() const { return posicion_; }
    std::size_t Numero() const { return numero_; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t posicion_ = 0;
    std::size_t numero_ = 0;
};

}  // namespace

std::string ProblemaConNombre(std::string_view nombre) {
    if (nombre == kMarca)
        return "member name \"" + std::string(nombre) + "\" would end the directory";
    return ProblemaConNombreDeMiembro(nombre);
}

std::variant<std::vector<std::uint8_t>, Error> Escribir(const Contenedor& contenedor) {
    if (contenedor.multiplicador == 0) return Error{"the multiplier must be 1 to 255"};
    if (contenedor.miembros.size() > kMaximoMiembros) {
        return Error{std::to_string(contenedor.miembros.size()) +
                     " members: a container holds at most 256"};
    }
    std::string directorio = std::string(kMarca) + std::string(kFinDeLinea);
    std::vector<std::string_view> nombres;
    for (const Miembro& miembro : contenedor.miembros) {
        if (auto problema = ProblemaConNombre(miembro.nombre); !problema.empty()) {
            return Error{problema};
        }
        if (miembro.datos.size() > kLongitudMaximaMiembro) {
            return Error{"member \"" + miembro.nombre + "\" is too large"};
        }
        nombres.push_back(miembro.nombre);
        directorio += miembro.nombre + std::string(kFinDeLinea);
        directorio += std::to_string(miembro.datos.size()) + std::string(kFinDeLinea);
    }
    if (auto repetido = NombreRepetido(nombres)) {
        return Error{"member name \"" + *repetido + "\" appears twice"};
    }
    directorio += std::string(kMarca) + std::string(kFinDeLinea);
    if (directorio.size() > kLongitudMaximaDirectorio) {
        return Error{"the directory would take " + std::to_string(directorio.size()) +
                     " bytes: it must end before byte 32767"};
    }

    std::vector<std::uint8_t> bytes(directorio.begin(), directorio.end());
    for (const Miembro& miembro : contenedor.miembros) {
        bytes.insert(bytes.end(), miembro.datos.begin(), miembro.datos.end());
    }
    bytes.push_back(contenedor.multiplicador);
    return bytes;
}

std::variant<Contenedor, Error> Leer(std::span<const std::uint8_t> bytes) {
    Lineas lineas(bytes);
    auto primera = lineas.Siguiente();
    if (auto* error = std::get_if<Error>(&primera)) {
        return Error{"not an extension container: " + error->mensaje};
    }
    if (std::get<std::string_view>(primera) != kMarca) {
        return Error{"not an extension container: the first line is not \"XGA\""};
    }

    struct Entrada {
        std::string_view nombre;
        std::uint64_t longitud;
    };
    std::vector<Entrada> entradas;
    for (;;) {
        auto nombre = lineas.Siguiente();
        if (auto* error = std::get_if<Error>(&nombre)) return *error;
        const std::string_view texto = std::get<std::string_view>(nombre);
        if (texto == kMarca) break;
        if (entradas.size() == kMaximoMiembros) {
            return Error{"more than 256 members in the directory"};
        }
        if (auto problema = ProblemaConNombre(texto); !problema.empty()) {
            return Error{problema + " (directory line " + std::to_string(lineas.Numero()) + ")"};
        }
        auto longitud = lineas.Siguiente();
        if (auto* error = std::get_if<Error>(&longitud)) return *error;
        const std::string_view cifras = std::get<std::string_view>(longitud);
        const auto valor = Decimal(cifras);
        if (!valor || *valor > kLongitudMaximaMiembro) {
            return Error{"the length of member \"" + std::string(texto) + "\" is not a number: \"" +
                         std::string(cifras) + "\""};
        }
        entradas.push_back({texto, *valor});
    }
    std::vector<std::string_view> nombres;
    for (const Entrada& entrada : entradas) nombres.push_back(entrada.nombre);
    if (auto repetido = NombreRepetido(nombres)) {
        return Error{"member name \"" + *repetido + "\" appears twice"};
    }

    Contenedor contenedor;
    std::size_t posicion = lineas.Posicion();
    for (const Entrada& entrada : entradas) {
        const std::size_t quedan = bytes.size() - posicion;
        if (entrada.longitud > quedan) {
            return Error{"member \"" + std::string(entrada.nombre) + "\" of " +
                         std::to_string(entrada.longitud) + " bytes runs past the end of the file"};
        }
        const auto inicio = bytes.begin() + static_cast<std::ptrdiff_t>(posicion);
        const auto fin = inicio + static_cast<std::ptrdiff_t>(entrada.longitud);
        contenedor.miembros.push_back({std::string(entrada.nombre), {inicio, fin}});
        posicion += static_cast<std::size_t>(entrada.longitud);
    }
    if (posicion == bytes.size()) return Error{"the final multiplier byte is missing"};
    if (bytes[posicion] == 0) return Error{"the multiplier is 0: it must be 1 to 255"};
    if (posicion + 1 != bytes.size()) {
        return Error{std::to_string(bytes.size() - posicion - 1) +
                     " unexpected bytes after the multiplier"};
    }
    contenedor.multiplicador = bytes[posicion];
    return contenedor;
}

}  // namespace polvareda::xga
