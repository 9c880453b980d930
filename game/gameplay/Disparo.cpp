// A shot at a door: the mark, the lamp and the sound; its judgement against the figure; and
// the two ways of losing a life at the doors, being shot and shooting a customer.
#include "Composicion.h"
#include "Figuras.h"
#include "Juego.h"
#include "ServiciosJuego.h"
#include "Teclas.h"

namespace polvareda {

using namespace figura;

namespace {
constexpr int kLamparas[3] = {vk::BloqNum, vk::BloqMayus, vk::BloqDespl};
}

void Juego::DibujarDisparo(int i) {
    if (p_.DisparoJuzgado) return;
    CopiaEscalada(G(), S().Bala, 0, 0, 12, 6, 34 + 88 * i, 73, Rop::SrcAnd);
    m_.maquina.EncenderLampara(kLamparas[i]);
    Snd().TocarDisparo(efecto::kDisparo);
}

void Juego::JuzgarDisparo(int i) {
    if (p_.DisparoJuzgado) return;
    PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(i)];
    const int t = v.Tipo;
    const int x = XPuerta(i);
    Superficies& s = S();

    if (t == kSombreroDinero) {
        v.Paso = static_cast<std::int16_t>(p_.Ciclo - 2);
        ApuntarDeposito(v.Puerta);
        EmpezarGiro();
        SumaPuntos(150, false);
        if (MarcaPuerta(v.Puerta)) return;  // the phase ended and a new one was set up
        p_.DisparoJuzgado = true;
        return;
    }
    if (t == kSombreroBomba) {
        v.Paso = static_cast<std::int16_t>(p_.Ciclo - 2);
        Bomba();
        return;
    }
    if (t <= 0) {
        // The type-0 figure loses six more rows and holds its step in this tick.
        --v.Tipo;
        --v.Paso;
        Transferir(s.temp, x, kYPuerta, s.Paisaje, x - 3, 24, 48, -6 * v.Tipo + 6, Rop::SrcCopy);
        SumaPuntos(10, false);
        Snd().TocarEnPuerta(i, efecto::Voz(0));
        if (v.Tipo == kSombreroBomba) {
            // Seven hits leave a hat: money or a bomb, one chance in two.
            Sembrar();
            p_.Azar = static_cast<float>(Rnd(2));
            if (p_.Azar == 0) v.Tipo = kSombreroDinero;
            Enmascarar(s.temp, x + 18, 67,
                       s.sombrero[static_cast<std::size_t>(v.Tipo - kSombreroDinero)], 0, 0, 12, 11,
                       11);
            Transferir(s.temp, x + 18, 73, s.Bala, 0, 0, 12, 6, Rop::SrcAnd);
            CopiaEscalada(G(), s.temp, x, kYPuerta, 48, 46, x, kYPuerta);
        } else {
            Transferir(s.temp, x + 18, 73, s.Bala, 0, 0, 12, 6, Rop::SrcAnd);
            CopiaEscalada(G(), s.temp, x, kYPuerta, 48, -6 * v.Tipo + 6, x, kYPuerta);
        }
        p_.DisparoJuzgado = true;
        return;
    }

    // Hit and fallen figures, and a customer under threat (with the bandit behind her), do
    // not take a shot. A threatened type-9 customer (39, 49) is ignored like type 8's.
    if (EsHerido(t) || EsCaido(t) || EsAmenazada(t) || EsBandidoTrasAmenaza(t)) return;
    if (t == kBandido) {
        SumaPuntos(100, false);
    } else if (t == kBandidoTardio) {
        SumaPuntos(200, false);
    } else if (EsCliente(t)) {
        ClienteHerido(i);
        return;
    } else if (EsClienteArmado(t - kDesenfundado)) {
        SumaPuntos(200, false);
        v.Tipo = static_cast<std::int16_t>(t - kDesenfundado);
    } else if (t == Desenfundado(kClientePaga)) {
        SumaPuntos(250, false);
        v.Tipo = static_cast<std::int16_t>(t - kDesenfundado);
        ApuntarDeposito(v.Puerta);
        EmpezarGiro();
        SumaPuntos(50, false);
        if (MarcaPuerta(v.Puerta)) return;
    }

    Transferir(s.temp, x, kYPuerta, s.Paisaje, x - 3, 24, 48, 88, Rop::SrcCopy);
    PonerFigura(G(), Herido(v.Tipo), x, kYPuerta);
    Transferir(s.temp, x + 18, 73, s.Bala, 0, 0, 12, 6, Rop::SrcAnd);
    CopiaEscalada(G(), s.temp, x, kYPuerta, 48, 88, x, kYPuerta);
    v.Paso = static_cast<std::int16_t>(p_.Ciclo + 1);
    Snd().TocarEnPuerta(i, efecto::Voz(v.Tipo));
    v.Tipo = static_cast<std::int16_t>(Herido(v.Tipo));
    p_.DisparoJuzgado = true;
}

void Juego::Detener(Modo modo) {
    CambiarModo(modo);
    m_.bucle.Habilitar(giraDolar_, false);
    Snd().TocarTema(2);
    Snd().Parar(efecto::kAmbiente);
}

void Juego::Bang() {
    // The mode changes before the sequence stops the tick: the trace shows the shot landing
    // in running play.
    Detener(Modo::Bang);
    Secuencia secuencia(*this);
    p_.DisparoJuzgado = true;

    Lienzo& lienzo = m_.ventana.lienzo;
    const auto limpiar = [&] {
        lienzo.Persistente(true);
        lienzo.Borrar();
        Refrescar();
        lienzo.Persistente(false);
    };
    limpiar();
    Snd().Tocar(efecto::kJugadorHerido);
    for (int k = 0; k < 6; ++k) {
        CopiaEscalada(G(), S().BangBMP, 0, 30 * k, 62, 30, 96, 64);
        Esperar(64);
    }
    limpiar();
    Esperar(64);
    --p_.Vidas;
    Pendientes();
    Esperar(750);
}

void Juego::ClienteHerido(int i) {
    Secuencia secuencia(*this);
    PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(i)];
    const int t = v.Tipo;
    const int x = XPuerta(i);
    CambiarModo(Modo::JuegoTrans);
    Snd().TocarEnPuerta(i, efecto::Voz(t));
    Superficies& s = S();
    // The customer is shown hit, then fallen (the code stays one step past, as it always has).
    for (v.Tipo = static_cast<std::int16_t>(Herido(t)); v.Tipo <= Caido(t);
         v.Tipo = static_cast<std::int16_t>(v.Tipo + kCaido - kHerido)) {
        Transferir(s.temp, x, kYPuerta, s.Paisaje, x - 3, 24, 48, 88, Rop::SrcCopy);
        PonerFigura(G(), v.Tipo, x, kYPuerta);
        CopiaEscalada(G(), s.temp, x, kYPuerta, 56, 88, x, kYPuerta);
        Esperar(IntervaloTiempo());
    }
    --p_.Vidas;
    ParpadeaVida(false);
    Lienzo& lienzo = m_.ventana.lienzo;
    lienzo.Persistente(true);
    lienzo.Borrar();
    Refrescar();
    Esperar(150);
    if (!p_.Demo) PrepararFase();
}

}  // namespace polvareda
