// The graphics extension: a container of replacement pictures ("xga.tmp" once decoded) whose
// members are unpacked into the run's private temporary folder and loaded over the built-in
// pictures, with the resolution multiplier stored in its last byte.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Superficies.h"

namespace polvareda {

struct MiembroXGA {
    std::string nombre;
    std::int64_t largo = 0;
};

// The container's directory: the members in order and where their bytes begin (0-based).
struct DirectorioXGA {
    std::vector<MiembroXGA> miembros;
    std::int64_t inicioDatos = 0;
};

// Reads the directory from the first bytes of a container. Nothing when the first line is not
// "XGA", when the directory does not close within the first 32767 bytes, when it lists more
// than 256 members, or when a length is negative or does not fit 32 bits.
std::optional<DirectorioXGA> LeerDirectorioXGA(std::span<const std::uint8_t> cabeza);

// True for a name the member-name rule accepts (NombreMiembro.h): a plain file name directly
// inside the temporary folder, and not one of the game's own working files there.
bool NombreDeMiembroAceptable(std::string_view nombre);

struct ResultadoExtension {
    bool leida = false;  // the container was unpacked to its last byte
    int factorXGA = 1;
    std::vector<std::string> cargados;  // members that replaced a picture
};

// Unpacks the container `xga` into `carpeta` (each member's path is passed to `registrar`
// before the file is written) and loads the known members over their surfaces. The caller
// stores the result's factorXGA as the view's multiplier.
ResultadoExtension CargarExtension(
    const std::filesystem::path& xga, const std::filesystem::path& carpeta,
    const std::function<void(const std::filesystem::path&)>& registrar, Superficies& s);

}  // namespace polvareda
