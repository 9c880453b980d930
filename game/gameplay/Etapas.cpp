#include "Etapas.h"

#include <cassert>

#include "Composicion.h"
#include "Juego.h"
#include "Modulo.h"
#include "Panel.h"
#include "Salida.h"
#include "Sistema.h"
#include "Teclas.h"
#include "Texto.h"

namespace polvareda {

namespace {
constexpr std::int64_t kEsperaLarga = 3'600'000;
}

Etapa EsperarPartida(Modulo& m) {
    Juego& juego = Juego::De(m);
    juego.InstalarManejadores();
    Graficos& g = m.ventana.graficos;
    Partida& p = juego.Estado();
    m.ventana.lienzo.Persistente(true);
    RestaurarPantalla(g);
    SumaPuntos(g, p.Puntos, 0, false);
    CambiaVidas(g, p.Vidas, 0, false);
    m.ventana.lienzo.Refrescar();
    m.bucle.PresentarSiToca();
    m.ventana.lienzo.Persistente(false);

    m.ventana.tag = "pantalla";
    juego.alTeclaFrente = [&m](const std::string& modo, int tecla, int) {
        if (modo != "pantalla") return;
        if (tecla == vk::Cero) m.ventana.tag = "trans";
        if (tecla == vk::Escape) Terminar(m);
    };
    while (m.ventana.tag == "pantalla") m.bucle.Esperar(kEsperaLarga, "pantalla");
    return Etapa{JugarPartida};
}

Etapa JugarPartida(Modulo& m) {
    Juego& juego = Juego::De(m);
    juego.Jugar(juego.Estado().NivelInicial);
    return Etapa{EsperarPartida};
}

void Juego::Jugar(std::int16_t nivel, std::string_view modo) {
    // A game starts from the top-level loop, never inside a handler or a wait.
    assert(!m_.bucle.Atendiendo());
    p_.Nivel = nivel;
    p_.Vidas = Partida::kVidasIniciales;
    p_.Puntos = 0;
    p_.Demo = false;
    p_.Depositos = 0;
    p_.Depositado.fill(false);
    p_.secuencias = 0;
    p_.pausaPedida = false;
    ejeMando_ = 0;
    Modo(modo);
    try {
        PrepararFase();
        for (;;) Esperar(kEsperaLarga);
    } catch (const FinDePartida&) {
        // Whatever the game was doing when it ended is left behind with the unwound stack.
        Tiempo(false);
        m_.bucle.Habilitar(giraDolar_, false);
        Snd().Parar(17);
        Snd().Parar(18);
        for (const int vk : {vk::BloqNum, vk::BloqMayus, vk::BloqDespl})
            DesactivarTecla(m_.plataforma, vk);
        m_.ventana.lienzo.Persistente(false);
        Modo("trans");
    }
}

}  // namespace polvareda
