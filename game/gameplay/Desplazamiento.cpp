// The scroll of the wall by one door: the counter strip moves 176 logical pixels and the wall
// behind it 88, in steps of 8 pixels `Scroll` milliseconds apart. Both strips are kept at the
// canvas's resolution, so every step is two unstretched copies.
//
// `Recorrido` counts canvas pixels of the counter strip: one logical pixel is u = m·s canvas
// pixels (m the extension's multiplier, s the scale). Every position is the exact fixed-point
// sum rounded once, halves to even, as the scale's other coordinates are.
#include "Cinta.h"
#include "Figuras.h"
#include "Juego.h"
#include "Numeros.h"
#include "ServiciosJuego.h"

#include <algorithm>

namespace polvareda {

namespace {

// round(v / 2) for v in ten-thousandths, to a whole pixel, halves to even.
int RedondearMitad(std::int64_t v) {
    const std::int64_t divisor = 2 * Escala::kUnidad;
    std::int64_t q = v / divisor;
    if (v % divisor != 0 && v < 0) --q;
    const std::int64_t resto = v - q * divisor;
    if (resto > Escala::kUnidad || (resto == Escala::kUnidad && (q & 1) != 0)) ++q;
    return static_cast<int>(q);
}

}  // namespace

int PasoCinta(Graficos& g, int recorrido, bool izquierda) {
    const Vista& vista = g.vista;
    const std::int64_t u = vista.escala.Valor() * vista.factorXGA;  // ten-thousandths
    const std::int64_t antes = static_cast<std::int64_t>(recorrido) * Escala::kUnidad;
    recorrido = Escala::Redondear(izquierda ? antes - 8 * u : antes + 8 * u);

    Imagen& lienzo = g.lienzo.Pixeles();
    const Rect mostrador = vista.Destino(0, 140, 256, 28);
    Transferir(lienzo, mostrador.x, mostrador.y, g.superficies.ventanilla[1].imagen, recorrido, 0,
               mostrador.w, mostrador.h, Rop::SrcCopy);

    // The wall moves at half the counter's speed.
    const std::int64_t mitad = static_cast<std::int64_t>(recorrido) * Escala::kUnidad - 176 * u;
    const int xPared = izquierda ? RedondearMitad(2 * 88 * u + mitad) : RedondearMitad(mitad);
    const Rect pared = vista.Destino(0, 25, 256, 103);
    Transferir(lienzo, pared.x, pared.y, g.superficies.Pared.imagen, xPared, 0, pared.w, pared.h,
               Rop::SrcCopy);
    g.lienzo.Marcar(mostrador);
    g.lienzo.Marcar(pared);
    return recorrido;
}

void PrepararCinta(Graficos& g) {
    const Vista& vista = g.vista;
    Superficie& origen = g.superficies.ventanilla[0];
    Superficie& cinta = g.superficies.ventanilla[1];
    const int ancho = vista.escala.Aplicar(vista.factorXGA, 616);
    const int alto = vista.escala.Aplicar(vista.factorXGA, 28);
    Imagen ampliada(std::max(ancho, 1), std::max(alto, 1), 0);
    Estirar(ampliada, {0, 0, ampliada.Width(), ampliada.Height()}, origen.imagen,
            {0, 0, origen.Ancho(), origen.Alto()}, Rop::SrcCopy);
    cinta.imagen = std::move(ampliada);
    cinta.t = origen.t;
}

void Juego::PasoDesplazamiento(bool izquierda) {
    p_.Recorrido = PasoCinta(G(), p_.Recorrido, izquierda);
    Trazar("scroll");
    Esperar(m_.configuracion.scroll);
}

void Juego::DesplazarIzquierda() {
    Secuencia secuencia(*this);
    do {
        do {
            PasoDesplazamiento(true);
        } while (p_.Recorrido > 0);
    } while (FinDesplazamiento(0));
}

void Juego::DesplazarDerecha() {
    Secuencia secuencia(*this);
    const Vista& vista = G().vista;
    const std::int64_t fin = 352 * vista.escala.Valor() * vista.factorXGA;
    do {
        do {
            PasoDesplazamiento(false);
        } while (static_cast<std::int64_t>(p_.Recorrido) * Escala::kUnidad < fin);
    } while (FinDesplazamiento(1));
}

bool Juego::FinDesplazamiento(int dir) {
    Pendientes();
    // The attract game's play was left during the scroll (the player's key took the window
    // back): that game is over.
    if (p_.Demo && ModoActual() != Modo::Juego) {
        p_.Demo = false;
        return false;
    }
    const Vista& vista = G().vista;
    const auto u = [&](int v) { return vista.escala.Aplicar(vista.factorXGA, v); };
    p_.Recorrido = u(176);

    for (auto& v : p_.Visibles) {
        v.Puerta = static_cast<std::int16_t>(v.Puerta + (dir == 1 ? 1 : -1));
        if (v.Puerta >= 12) v.Puerta = 0;
        if (v.Puerta < 0) v.Puerta = 11;
    }
    PintaCajas();

    Imagen& cinta = S().ventanilla[1].imagen;
    const int alto = u(28);
    if (!p_.CintaPreparada) {
        Transferir(cinta, u(176), 0, cinta, dir == 0 ? 0 : u(352), 0, u(176), alto, Rop::SrcCopy);
        p_.CintaPreparada = true;
    }

    // A key still held scrolls on at once.
    if (dir == 0 && p_.IzquierdaPulsada && !p_.Demo) return true;
    // The attract game presses and releases its keys at once: like the left, the right never
    // scrolls on by itself while it plays, or a demonstration walking right would not stop.
    if (dir == 1 && p_.DerechaPulsada && !p_.Demo) return true;

    // Play goes on when the sequence ends.
    if (dir == 0) {
        Transferir(cinta, u(352), 0, cinta, 0, 0, u(264), alto, Rop::SrcCopy);
    } else {
        Transferir(cinta, 0, 0, cinta, u(352), 0, u(264), alto, Rop::SrcCopy);
    }
    return false;
}

}  // namespace polvareda
