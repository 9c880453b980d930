// A game from its first phase to its end, the attract mode's game, and stopping either.
#include <cassert>

#include "Figuras.h"
#include "Juego.h"
#include "ServiciosJuego.h"
#include "Teclas.h"

namespace polvareda {

namespace {
constexpr std::int32_t kPuntosDemostracion = 19770;
}  // namespace

void Juego::Reiniciar(std::int16_t nivel, std::int16_t vidas, std::int32_t puntos, bool demo) {
    p_.Nivel = nivel;
    p_.Vidas = vidas;
    p_.Puntos = puntos;
    p_.Demo = demo;
    p_.Depositos = 0;
    p_.Depositado.fill(false);
    p_.pausaPedida = false;
    ejeMando_ = 0;
}

void Juego::Jugar(std::int16_t nivel, Modo modo) {
    // A game starts from the top-level loop, never inside a handler or a wait.
    assert(!m_.bucle.Atendiendo());
    Reiniciar(nivel, kVidasIniciales, 0, false);
    CambiarModo(modo);
    try {
        PrepararFase();
        for (;;) Esperar(BucleEventos::kEsperaLarga);
    } catch (const FinDePartida&) {
        // Whatever the game was doing when it ended is left behind with the unwound stack.
        Detener();
        CambiarModo(Modo::Trans);
    }
}

void Juego::Demostracion() {
    assert(!m_.bucle.Atendiendo());
    // Level 6 whatever is asked: the phase set-up plays the attract game there.
    Reiniciar(6, 1, kPuntosDemostracion, true);
    Sembrar();
    PrepararFase();
}

int Juego::SorteoDemostracion(int n) {
    p_.Azar = static_cast<float>(m_.azar.Entero(n));
    return static_cast<int>(p_.Azar);
}

void Juego::Detener() {
    Tiempo(false);
    m_.bucle.Habilitar(parpadeoPausa_, false);
    MarcaPausa(false);
    m_.bucle.Habilitar(giraDolar_, false);
    Snd().Parar(efecto::kDesplazamiento);
    Snd().Parar(efecto::kAmbiente);
    Lamparas(false);
    p_.IzquierdaPulsada = p_.DerechaPulsada = false;
    p_.DisparoPulsado.fill(false);
    p_.pausaPedida = false;
    p_.Demo = false;
    m_.ventana.lienzo.Persistente(false);
}

}  // namespace polvareda
