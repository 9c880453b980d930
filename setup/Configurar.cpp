// The settings of a fresh game, as the option menus give them.
#include "Configurar.h"

#include <QWidget>

namespace polvareda::setup {

std::vector<ValorConfiguracion> ValoresPorDefecto(const std::filesystem::path& carpetaJuego,
                                                  int idiomaInterfaz) {
    QWidget dueno;
    MenusOpciones menus(&dueno);
    menus.Llenar(LeerExtensiones(carpetaJuego), LeerIdiomas(carpetaJuego).idiomas);
    CapturaTeclas teclas;
    menus.Leer("", idiomaInterfaz, teclas);
    return menus.Valores(teclas);
}

}  // namespace polvareda::setup
