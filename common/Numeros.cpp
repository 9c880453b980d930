#include "Numeros.h"

namespace polvareda {

double Val(std::string_view) { return 0; }
std::optional<std::int16_t> EnteroCorto(double) { return std::nullopt; }
std::optional<std::int16_t> EnteroCorto(std::string_view) { return std::nullopt; }
std::optional<std::int32_t> EnteroLargo(double) { return std::nullopt; }
std::string Str(std::int64_t valor) {
    return valor < 0 ? std::to_string(valor) : " " + std::to_string(valor);
}
std::string LTrim(std::string_view texto) {
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    return std::string(texto);
}

}  // namespace polvareda
