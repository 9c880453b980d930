// The settings file written from the option menus, and a fresh game's settings.
#include "Configurar.h"

#include <QWidget>

#include "Perfil.h"

namespace polvareda::setup {

bool EscribirConfiguracion(const std::filesystem::path& carpetaJuego,
                           const std::vector<ValorConfiguracion>& valores) {
    std::vector<ValorPerfil> perfil;
    for (const ValorConfiguracion& v : valores) {
        const DefinicionClave& d = Definicion(v.clave);
        perfil.push_back({d.seccion, d.nombre, v.valor});
    }
    return EscribirPerfil(carpetaJuego / kArchivoConfiguracion, perfil);
}

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
