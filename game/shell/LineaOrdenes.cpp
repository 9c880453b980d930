// The command line read into options, or the reason it cannot be.
#include "LineaOrdenes.h"

#include <cmath>
#include <cstdlib>

#include "TextoRuta.h"

namespace polvareda {

std::variant<LineaOrdenes, std::string> LeerLineaOrdenes(std::span<const std::string> argumentos) {
    LineaOrdenes opciones;
    bool conGuion = false;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--help" || a == "--version") {
            opciones.peticion = a == "--help" ? Peticion::Ayuda : Peticion::Version;
            return opciones;
        }
        const bool conValor = a == "--carpeta" || a == "--guion" || a == "--hora" ||
                              a == "--traza" || a == "--grabar";
        if (conValor && i + 1 >= argumentos.size()) return a + " needs a value";
        // An empty folder or script names nothing; it must not reach the path functions.
        if (conValor && argumentos[i + 1].empty()) return a + " needs a value";
        if (a == "--carpeta") {
            opciones.carpeta = RutaDeTexto(argumentos[++i]);
        } else if (a == "--guion") {
            opciones.guion = RutaDeTexto(argumentos[++i]);
            conGuion = true;
        } else if (a == "--hora") {
            const std::string& texto = argumentos[++i];
            char* fin = nullptr;
            const double hora = std::strtod(texto.c_str(), &fin);
            if (texto.empty() || *fin != '\0' || !std::isfinite(hora) || hora < 0 || hora >= 86400)
                return "--hora takes the seconds since midnight, from 0 to 86399";
            opciones.hora = hora;
        } else if (a == "--traza") {
            opciones.traza = RutaDeTexto(argumentos[++i]);
        } else if (a == "--grabar") {
            opciones.grabar = RutaDeTexto(argumentos[++i]);
        } else if (a == "--headless") {
            opciones.sinPantalla = true;
        } else {
            return "unknown argument '" + a + "'";
        }
    }
    if (opciones.sinPantalla && !conGuion) return "--headless needs --guion SCRIPT";
    if (conGuion && !opciones.sinPantalla) return "--guion is only for --headless runs";
    if (opciones.sinPantalla && !opciones.grabar.empty())
        return "--grabar records runs with a display; a headless run is its script already";
    return opciones;
}

std::string TextoAyuda() {
    return "usage: Polvareda [OPTION]...\n"
           "Without options the game starts with the configuration of its folder.\n"
           "\n"
           "  --help             print these options and end\n"
           "  --version          print the game's name and version and end\n"
           "  --carpeta DIR      the game folder (default: the program's own folder)\n"
           "  --traza FILE       append the play state to FILE after every tick, key,\n"
           "                     scroll or duel step and mode change\n"
           "  --grabar FILE      record every input of this run as a headless script\n"
           "                     that replays the same game\n"
           "  --headless         run without a display or sound, on a virtual clock\n"
           "                     (needs --guion)\n"
           "  --guion SCRIPT     the timed events of a --headless run\n"
           "  --hora SECONDS     the time of day a --headless run starts at, 0 to 86399\n"
           "                     (default 43200, noon)\n";
}

std::string TextoVersion() {
    return "Polvareda Plus 1.3\n";
}

}  // namespace polvareda
