// Setting up a phase: a new level with its parameters, pictures and captions, or the same
// phase resumed after a lost life; and the end of the game when no life is left.
#include "Cinta.h"
#include "Colores.h"
#include "Composicion.h"
#include "Figuras.h"
#include "Juego.h"
#include "Niveles.h"
#include "Numeros.h"
#include "Panel.h"
#include "ServiciosJuego.h"
#include "Texto.h"

namespace polvareda {

void Juego::FinDeJuego() {
    Tiempo(false);
    m_.bucle.Habilitar(giraDolar_, false);
    Snd().Parar(efecto::kDesplazamiento);
    Snd().Parar(efecto::kAmbiente);
    throw FinDePartida{};
}

void Juego::Rotulo(const std::string& texto, int columna) {
    Lienzo& lienzo = m_.ventana.lienzo;
    Esperar(250);
    Escribe(G(), columna, 86, texto, 3, kFondoDirecto);
    Refrescar();
    Esperar(1000);
    lienzo.Borrar();
    Refrescar();
}

void Juego::CargarMomento(bool tambienDia) {
    const int L = p_.Nivel;
    Coloreados& c = m_.ventana.coloreados;
    if (EsTarde(L)) {
        CargarConjunto(S(), c, Momento::Tarde);
    } else if (EsNoche(L)) {
        CargarConjunto(S(), c, Momento::Noche);
    } else if (EmpiezaDia(L) || tambienDia) {
        CargarConjunto(S(), c, Momento::Dia);
        Rotulo(m_.textos.dia + Str(NumeroDeDia(L)), 13);
    }
    Rotulo(m_.textos.fase + Str(L), 12);
    Esperar(250);
}

void Juego::RotulosPanel(bool sobreNegro) {
    Escribe(G(), 1, 178, m_.textos.puntos, 6, kFondoDirecto);
    SumaPuntos(0, sobreNegro);
    Escribe(G(), 16, 178, m_.textos.vidas, 2, kFondoDirecto);
    DibujaVidas(G(), p_.Vidas, sobreNegro);
}

void Juego::PrepararFase() {
    if (p_.Vidas <= 0) FinDeJuego();
    Secuencia secuencia(*this);
    Lienzo& lienzo = m_.ventana.lienzo;
    lienzo.Persistente(true);

    if (!EnJuego(ModoActual())) {
        // A new phase.
        lienzo.Borrar();
        Refrescar();
        PrepararCinta(G());
        p_.Depositos = 0;
        if (p_.Demo) {
            p_.Nivel = 6;  // the attract game plays level 6, without captions or music
        } else {
            if (p_.Nivel == kNivelSheriff) {
                CambiarModo(Modo::Sheriff);
                MuestraEstrella(G(), m_.textos.sheriff);
                m_.bucle.PresentarSiToca();
                EsperarModo(Modo::Sheriff);
                lienzo.Borrar();
                Refrescar();
            }
            Snd().TocarTema(2);
            // A game started from the level choice shows the day caption at any level.
            CargarMomento(ModoActual() == Modo::Nivel);
        }
        const ParametrosNivel nivel = ParametrosDeNivel(p_.Nivel);
        p_.TipoPermitido = TiposPermitidos(p_.Nivel);
        for (std::size_t i = 0; i < 3; ++i) {
            p_.Visibles[i].Puerta = static_cast<std::int16_t>(i);
            p_.Visibles[i].Apertura = static_cast<std::int16_t>(nivel.apertura);
        }
        p_.Ciclo = 12;
        m_.bucle.Intervalo(tiempo_, nivel.intervaloMs);
        p_.Depositado.fill(false);
    } else if (!p_.Demo) {
        Snd().TocarTema(2);
    }

    RestaurarPantalla(G());
    p_.CintaPreparada = false;
    RotulosPanel(false);

    for (auto& v : p_.Visibles) v.Paso = -2;
    p_.DisparoPulsado.fill(false);
    p_.IzquierdaPulsada = p_.DerechaPulsada = false;

    PintaCajas();
    // Only the marks are drawn again: the end of a phase is never decided while setting one up.
    for (int k = 0; k < 12; ++k)
        if (p_.Depositado[static_cast<std::size_t>(k)]) polvareda::MarcaPuerta(G(), k);

    Refrescar();
    lienzo.Persistente(false);
    Esperar(50);
    Pendientes();
    // Play starts here, inside whatever sequence set the phase up (a lost life, the duel).
    ReanudarTiempo();
    if (!p_.Demo) CambiarModo(Modo::Juego);
}

}  // namespace polvareda
