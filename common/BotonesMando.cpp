// Looking a controller button up by its name.
#include "BotonesMando.h"

namespace polvareda {

std::optional<int> BotonPorNombre(std::string_view nombre) {
    for (std::size_t i = 0; i < kNombresBotones; ++i) {
        const std::string_view candidato = kNombresBoton[i];
        if (candidato.size() != nombre.size()) continue;
        bool igual = true;
        for (std::size_t j = 0; j < nombre.size() && igual; ++j) {
            char c = nombre[j];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            igual = c == candidato[j];
        }
        if (igual) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace polvareda
