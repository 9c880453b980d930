// The bomb under the type-0 figure's hat: twenty inverted flashes of the whole screen with
// every keyboard lamp, and a life lost.
#include "Figuras.h"
#include "Juego.h"
#include "ServiciosJuego.h"

namespace polvareda {

namespace {

// The whole canvas, the black around the picture included, turned to its negative.
void Invertir(Lienzo& lienzo) {
    for (Pixel& p : lienzo.Pixeles().Pixels()) p ^= 0xFFFFFFu;
    lienzo.Marcar({0, 0, lienzo.Ancho(), lienzo.Alto()});
}

}  // namespace

void Juego::Bomba() {
    Detener(Modo::Bomba);
    Secuencia secuencia(*this);

    Lienzo& lienzo = m_.ventana.lienzo;
    lienzo.Persistente(false);
    Snd().Tocar(efecto::kBomba);
    for (int vez = 0; vez < 20; ++vez) {
        Invertir(lienzo);
        Lamparas(true);
        Esperar(35);
        Invertir(lienzo);
        Lamparas(false);
        Esperar(35);
    }
    --p_.Vidas;
    Esperar(750);
    lienzo.Persistente(true);
    lienzo.Borrar();
    Refrescar();
    Pendientes();
    Esperar(150);
    if (p_.Demo) return;
    CambiarModo(Modo::Juego);
    PrepararFase();
}

}  // namespace polvareda
