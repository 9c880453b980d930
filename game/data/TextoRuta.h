// A path as UTF-8 text and back, for the temporary-file register and for messages. The narrow
// form of a path is the system's code page on Windows, which cannot hold every character of a
// user's folder name and then throws; UTF-8 holds them all. On Linux both are the same bytes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace polvareda {

inline std::string TextoRuta(const std::filesystem::path& ruta) {
    const std::u8string texto = ruta.u8string();
    return std::string(texto.begin(), texto.end());
}

inline std::filesystem::path RutaDeTexto(std::string_view texto) {
    return std::filesystem::path(std::u8string(texto.begin(), texto.end()));
}

}  // namespace polvareda
