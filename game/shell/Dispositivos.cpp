#include "Dispositivos.h"

#include "Modulo.h"

namespace polvareda {

namespace {

constexpr int kAnchoLogico = 256;
constexpr int kAltoLogico = 192;

// Int(n * m * Escala), Escala held as value x 10000.
int Escalado(int n, const Modulo& m) {
    return static_cast<int>(static_cast<std::int64_t>(n) * m.factorXGA * m.escala / 10000);
}

void PrepararSonido(Modulo&) {}
void PrepararMusica(Modulo&) {}
void PrepararJoystick(Modulo&) {}

}  // namespace

void PrepararDispositivos(Modulo& m) {
    Pantalla pantalla;
    pantalla.titulo = "Polvareda Plus";
    const double ddraw = LeerDDraw(m.textoConfiguracion);
    if (ddraw == 1) {
        m.escala = 10000;
        m.margenX = 32;
        m.margenY = 4;
        m.pantallaCompletaExclusiva = true;
        pantalla.lienzo = {320 * m.factorXGA, 200 * m.factorXGA};
        pantalla.pantallaCompleta = true;
    } else {
        // The desktop path (DDraw 0) sizes the window to Escala; any other value leaves the
        // window at its designed size, which is the same 256 x 192 picture.
        m.escala = 10000;
        m.margenX = 0;
        m.margenY = 0;
        m.pantallaCompletaExclusiva = false;
        pantalla.lienzo = {Escalado(kAnchoLogico, m), Escalado(kAltoLogico, m)};
    }
    if (m.plataforma.AbrirPantalla(pantalla)) {
        m.ventana.lienzo.Redimensionar(pantalla.lienzo.ancho, pantalla.lienzo.alto);
        m.ventana.abierta = true;
    }

    m.plataforma.SalvapantallasActivo(true);
    PrepararSonido(m);
    PrepararMusica(m);
    PrepararJoystick(m);
}

void RestaurarModoPantalla(Modulo&) {
    // The display's own mode is never changed (the full-screen canvas is scaled instead), so
    // there is nothing to put back.
}

}  // namespace polvareda
