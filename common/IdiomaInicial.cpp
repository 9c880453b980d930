// The desktop's language, read once at start-up by the game and by SetUp.
#include "IdiomaInicial.h"

#include <cstdlib>
#include <string>

#include "Configuracion.h"
#include "Perfil.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace polvareda {

std::optional<int> IdiomaDeLocale(std::string_view nombre) {
    // The language is the first letters, up to the territory, the code set or the modifier.
    const std::size_t fin = nombre.find_first_of("_.@-");
    std::string idioma(nombre.substr(0, fin));
    for (char& c : idioma) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    constexpr std::pair<std::string_view, int> kIdiomas[] = {
        {"es", 0}, {"en", 1}, {"fr", 2}, {"it", 3}, {"pt", 4}};
    for (const auto& [codigo, numero] : kIdiomas) {
        if (idioma == codigo) return numero;
    }
    return std::nullopt;
}

int IdiomaDelEscritorio(int porDefecto) {
#ifdef _WIN32
    switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
        case LANG_SPANISH:
            return 0;
        case LANG_ENGLISH:
            return 1;
        case LANG_FRENCH:
            return 2;
        case LANG_ITALIAN:
            return 3;
        case LANG_PORTUGUESE:
            return 4;
        default:
            return porDefecto;
    }
#else
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valor = std::getenv(variable);
        if (valor && *valor) return IdiomaDeLocale(valor).value_or(porDefecto);
    }
    return porDefecto;
#endif
}

bool SinIdioma(std::string_view textoIni) {
    // A value no line can hold tells a missing key from any written one.
    const DefinicionClave& d = Definicion(Clave::Idioma);
    constexpr std::string_view kNinguno = "\n#";
    return LeerValorPerfil(textoIni, d.seccion, d.nombre, kNinguno) == kNinguno;
}

}  // namespace polvareda
