#include "Presentacion.h"

#include "Modulo.h"
#include "Salida.h"
#include "Teclas.h"

namespace polvareda {

// The picture-building steps below are where the graphics plug in; until they do, the game
// starts with the standard look and no fades.
void CargarExtension(Modulo&) {}
void ConstruirDerivadas(Modulo&) {}
void PrepararFundido(Modulo&) {}
void Dedicatoria(Modulo&) {}
void Fundido(Modulo&, int, int) {}
void PrepararImagenesDelDia(Modulo&) {}

void ActivarVentana(Modulo& m) {
    // The backdrop `negro` is the black around the picture in the same window: there is no
    // second window to hide when the picture covers the screen.
    m.ventana.lienzo.Persistente(true);
    Dedicatoria(m);
    Fundido(m, 5, 0);
    m.ventana.tag = "pantalla";
    PrepararImagenesDelDia(m);
    Fundido(m, 0, 5);
}

Etapa PantallaDeEspera(Modulo& m) {
    m.ventana.lienzo.Borrar();
    m.ventana.lienzo.Refrescar();
    m.bucle.PresentarSiToca();
    m.ventana.alPulsarTecla = [&m](const Evento& evento) {
        if (evento.tecla == vk::Escape) Terminar(m);
    };
    // Ends only through Terminar, which leaves by the end-of-run exception.
    for (;;) m.bucle.Esperar(3'600'000, "");
}

}  // namespace polvareda
