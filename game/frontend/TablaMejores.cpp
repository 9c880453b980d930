#include "TablaMejores.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace polvareda {

namespace {
constexpr std::size_t kColumnasNombre = 20;  // columns 6 to 25; the score starts at 26
}

int LugarNuevo(const TablaMejores& tabla, std::int32_t puntos) {
    if (puntos < tabla[kRegistrosMejores - 1].puntos) return 0;
    int k = kRegistrosMejores;
    // Record 0 holds 999999 and stops the search; a higher score still stops at 0.
    while (k > 0 && tabla[static_cast<std::size_t>(k)].puntos <= puntos) --k;
    const int p = k + 1;
    // A stored table out of order can put the place below the last record: no room there.
    return p <= kRegistrosMejores ? p : 0;
}

void InsertarMejor(TablaMejores& tabla, int p, std::string nombre, std::int32_t puntos) {
    if (p < 1 || p > kRegistrosMejores) return;
    const auto lugar = static_cast<std::size_t>(p);
    for (std::size_t i = kRegistrosMejores; i > lugar; --i) tabla[i] = std::move(tabla[i - 1]);
    tabla[lugar] = {std::move(nombre), puntos};
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
