#include "Perfil.h"

namespace polvareda {

std::string LeerValorPerfil(std::string_view, std::string_view, std::string_view,
                            std::string_view porDefecto) {
    return std::string(porDefecto);
}

std::string LeerPerfil(const std::filesystem::path&, std::string_view, std::string_view,
                       std::string_view porDefecto) {
    return std::string(porDefecto);
}

std::string EscribirValorPerfil(std::string_view texto, std::string_view, std::string_view,
                                std::string_view) {
    return std::string(texto);
}

bool EscribirPerfil(const std::filesystem::path&, std::string_view, std::string_view,
                    std::string_view) {
    return false;
}

}  // namespace polvareda
