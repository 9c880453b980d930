// The game's languages and graphics extensions as the configuration menus list them.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace polvareda::setup {

// The most translator names the credits keep.
constexpr std::size_t kMaximoTraductores = 100;

struct IdiomaJuego {
    int numero = 0;      // the number in the file's name, as the configuration stores it
    std::string nombre;  // its display name, bytes of the Windows code page
};

struct ListaIdiomas {
    std::vector<IdiomaJuego> idiomas;  // in menu order
    std::vector<std::string> traductores;
};

// Every "LNG/Texto*.LNG" of the game folder, decoded, in menu order: the files in name order,
// each inserted among those before it by its display name (byte by byte), a name that sorts
// equal staying after. Unreadable files are left out.
ListaIdiomas LeerIdiomas(const std::filesystem::path& carpetaJuego);

// The number of a language file's name: the two characters after "Texto", as a number.
int NumeroDeIdioma(std::string_view nombreArchivo);

// The names (without ".XGA") of the extensions in "XTRAS/", in name order, as the file system
// spells them.
std::vector<std::string> LeerExtensiones(const std::filesystem::path& carpetaJuego);

// Bytes of the Windows code page (Windows-1252) as text, and back; a character the code page
// lacks becomes '?'.
QString DesdeAnsi(std::string_view bytes);
std::string HaciaAnsi(const QString& texto);

}  // namespace polvareda::setup
