#include "Configuracion.h"

namespace polvareda {

namespace {
constexpr DefinicionClave kTabla[] = {
    {Clave::PantallaCompleta, "Pantalla", "PantallaCompleta", "1", "1", ReglaClave::Modo},
};
}  // namespace

std::span<const DefinicionClave> TablaConfiguracion() { return kTabla; }
const DefinicionClave& Definicion(Clave) { return kTabla[0]; }
void LeerConfiguracion(std::string_view, Configuracion&) {}
double LeerDDraw(std::string_view) { return 1; }
std::string ConfiguracionPorDefecto() { return {}; }

}  // namespace polvareda
