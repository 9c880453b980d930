// The graphics extension container: a directory of CR LF text lines ("XGA", pairs of member file
// name and decimal length, "XGA"), the members' bytes back to back, and one final byte, the
// resolution multiplier. These functions work on the plain (decoded) bytes; no file I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace polvareda::xga {

// The game counts directory positions in 16-bit signed integers, 1-based, and positions itself
// on the first byte after the directory: so the directory may hold at most 32766 bytes.
constexpr std::size_t kLongitudMaximaDirectorio = 32766;
constexpr std::size_t kMaximoMiembros = 256;
// The line that opens and closes the directory.
constexpr std::string_view kMarca = "XGA";

struct Miembro {
    std::string nombre;
    std::vector<std::uint8_t> datos;
};

struct Contenedor {
    std::vector<Miembro> miembros;
    std::uint8_t multiplicador = 1;
};

// Why a container is refused, in words for the person running the tool.
struct Error {
    std::string mensaje;
};

// Empty when `nombre` may name a member: the game's member-name rule (NombreMiembro.h), and
// not the directory's closing line. Otherwise the reason it is refused, naming the member.
std::string ProblemaConNombre(std::string_view nombre);

// The container's bytes, or why it cannot be written: a refused or repeated member name, the
// directory's closing line as a name, more than 256 members, a directory past 32766 bytes, a
// member of 2^31 bytes or more, a multiplier of 0.
std::variant<std::vector<std::uint8_t>, Error> Escribir(const Contenedor& contenedor);

// The container held by `bytes`, or why it is refused: a first line other than "XGA", a line not
// ended by CR LF, a directory that does not close before byte 32767, too many members, a refused
// or repeated member name, a length that is not a decimal number or runs past the end, a missing
// or zero multiplier, bytes after the multiplier.
std::variant<Contenedor, Error> Leer(std::span<const std::uint8_t> bytes);

}  // namespace polvareda::xga
