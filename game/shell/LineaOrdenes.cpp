#include "LineaOrdenes.h"

#include <cmath>
#include <cstdlib>

namespace polvareda {

std::variant<LineaOrdenes, std::string> LeerLineaOrdenes(std::span<const std::string> argumentos) {
    LineaOrdenes opciones;
    bool conGuion = false;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        const bool conValor = a == "--carpeta" || a == "--guion" || a == "--hora" ||
                              a == "--traza" || a == "--grabar";
        if (conValor && i + 1 >= argumentos.size()) return a + " needs a value";
        // An empty folder or script names nothing; it must not reach the path functions.
        if (conValor && argumentos[i + 1].empty()) return a + " needs a value";
        if (a == "--carpeta") {
            opciones.carpeta = argumentos[++i];
        } else if (a == "--guion") {
            opciones.guion = argumentos[++i];
            conGuion = true;
        } else if (a == "--hora") {
            const std::string& texto = argumentos[++i];
            char* fin = nullptr;
            const double hora = std::strtod(texto.c_str(), &fin);
            if (texto.empty() || *fin != '\0' || !std::isfinite(hora) || hora < 0 || hora >= 86400)
                return "--hora takes the seconds since midnight, from 0 to 86399";
            opciones.hora = hora;
        } else if (a == "--traza") {
            opciones.traza = argumentos[++i];
        } else if (a == "--grabar") {
            opciones.grabar = argumentos[++i];
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

}  // namespace polvareda
