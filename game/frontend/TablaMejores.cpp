// The score table's page, rolling colours and row texts as the front end shows them.
#include "TablaMejores.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace polvareda {

namespace {
constexpr std::size_t kColumnasNombre = 20;  // columns 6 to 25; the score starts at 26
}

int PrimeraDePagina(int p) {
    return std::max(p - 5, 1);
}

std::array<int, 10> ColoresTabla(int& c) {
    std::array<int, 10> colores{};
    ++c;
    for (int& color : colores) {
        if (++c > 4) c -= 4;
        color = c;
    }
    return colores;
}

std::string TextoRango(int indice) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d", indice);
    return texto;
}

std::string TextoNombre(std::string_view nombre) {
    return std::string(nombre.substr(0, kColumnasNombre));
}

std::string TextoPuntuacion(std::int32_t puntos) {
    char texto[16];
    const long long valor = puntos;
    if (valor < 0) {
        std::snprintf(texto, sizeof texto, "-%06lld", -valor);
    } else {
        std::snprintf(texto, sizeof texto, "%06lld", valor);
    }
    return texto;
}

}  // namespace polvareda
