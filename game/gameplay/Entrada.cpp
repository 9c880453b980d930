// Input in play and in the rules' own screens: the handlers the rules give the input dispatch
// (play, the duel, the sheriff's star), the rules that hold in every mode (a held fire key's
// repeats, the pause during a sequence), the mouse buttons as the three fire buttons and the
// pad turned into the configured keys.
#include <algorithm>
#include <iterator>

#include "Figuras.h"
#include "Juego.h"
#include "ServiciosJuego.h"
#include "Teclas.h"

namespace polvareda {

namespace {

bool EsPausa(int tecla) {
    return tecla == vk::Pausa || tecla == vk::F1 + 3;  // Pause, or F4
}

}  // namespace

void Juego::TeclaJuego(int tecla, int shift) {
    if (shift != 0) return;
    Configuracion& c = m_.configuracion;
    const auto todasCerradas = [&] {
        for (const auto& v : p_.Visibles)
            if (v.Paso >= 1) return false;
        return true;
    };
    const auto desplazar = [&](bool izquierda) {
        (izquierda ? p_.IzquierdaPulsada : p_.DerechaPulsada) = true;
        if (!todasCerradas() || p_.Depositos >= 12) return;
        (izquierda ? p_.DerechaPulsada : p_.IzquierdaPulsada) = false;
        if (!TiempoActivo()) return;
        p_.Recorrido = G().vista.escala.Aplicar(G().vista.factorXGA, 176);
        Snd().TocarEnBucle(efecto::kDesplazamiento);
        if (izquierda) {
            DesplazarIzquierda();
        } else {
            DesplazarDerecha();
        }
    };

    if (tecla == c.teclasMovimiento[0] || tecla == vk::Izquierda) return desplazar(true);
    if (tecla == c.teclasMovimiento[1] || tecla == vk::Derecha) return desplazar(false);
    if (tecla == kTeclaOpciones && EnPausa()) return AbrirOpciones();
    if (EsPausa(tecla)) {
        if (p_.secuencias > 0) {
            p_.pausaPedida = !p_.pausaPedida;  // taken when the sequence ends
        } else {
            Pausar(TiempoActivo());
        }
        return;
    }
    for (int k = 0; k < 3; ++k) {
        // A fire key counts only while the game runs; paused, it falls through.
        if (tecla != c.teclasDisparo[k] || !TiempoActivo()) continue;
        const auto i = static_cast<std::size_t>(k);
        if (!p_.DisparoPulsado[i] && !p_.DisparoPulsado[3]) {
            DibujarDisparo(k);
            p_.DisparoPulsado[i] = true;
            p_.DisparoPulsado[3] = true;
            const PuertaVisible& v = p_.Visibles[i];
            if (v.Paso < p_.Ciclo - 1 && v.Paso > v.Marca) JuzgarDisparo(k);
        }
        return;
    }
    if (tecla == vk::Escape) {
        FinDeJuego();  // as if the last life were lost
    } else if (tecla == vk::BloqDespl) {
        // Fast and back: from the usual 15 (or 10) to 5, from anything else to 15.
        c.scroll = c.scroll == 10 || c.scroll == 15 ? 5 : 15;
    } else if (tecla == vk::Sumar) {
        if (c.scroll > 1) --c.scroll;
    } else if (tecla == vk::Restar) {
        if (c.scroll < 32767) ++c.scroll;
    }
}

void Juego::SoltarDisparo(int k) {
    p_.DisparoPulsado[static_cast<std::size_t>(k)] = false;
    if (!p_.DisparoPulsado[0] && !p_.DisparoPulsado[1] && !p_.DisparoPulsado[2])
        p_.DisparoPulsado[3] = false;
}

void Juego::SoltarTecla(int tecla) {
    const Configuracion& c = m_.configuracion;
    for (int k = 0; k < 3; ++k)
        if (tecla == c.teclasDisparo[k]) SoltarDisparo(k);
    if (tecla == c.teclasMovimiento[0] || tecla == vk::Izquierda ||
        tecla == c.teclasMovimiento[1] || tecla == vk::Derecha) {
        p_.IzquierdaPulsada = p_.DerechaPulsada = false;
        Snd().Parar(efecto::kDesplazamiento);
        Snd().Rebobinar(efecto::kDesplazamiento);
    }
}

namespace {
int FuegoDeBoton(int boton) {
    switch (boton) {
        case kBotonIzquierdo:
            return 0;
        case kBotonCentral:
            return 1;
        case kBotonDerecho:
            return 2;
        default:
            return -1;
    }
}
}  // namespace

void Juego::Raton(const Evento& e) {
    const int k = FuegoDeBoton(e.boton);
    if (k < 0) return;
    if (e.tipo == TipoEvento::RatonPulsado) {
        TeclaJuego(m_.configuracion.teclasDisparo[k], 0);
    } else {
        SoltarDisparo(k);
    }
}

void Juego::MandoComoTeclas(const Evento& e, const std::function<void(const Evento&)>& teclear) {
    const Configuracion& c = m_.configuracion;
    // The pad speaks through the configured keys, so it plays wherever the keys play.
    const auto tecla = [&](int boton) -> int {
        switch (boton) {
            case kMandoA:
                return c.teclasDisparo[0];
            case kMandoB:
                return c.teclasDisparo[1];
            case kMandoX:
                return c.teclasDisparo[2];
            case kMandoDpLeft:
                return c.teclasMovimiento[0];
            case kMandoDpRight:
                return c.teclasMovimiento[1];
            case kMandoStart:
                return vk::Pausa;
            case kMandoBack:
                return vk::Escape;
            default:
                return 0;
        }
    };
    const auto enviar = [&](TipoEvento tipo, int codigo) {
        Evento k;
        k.tipo = tipo;
        k.tecla = codigo;
        teclear(k);
    };
    switch (e.tipo) {
        case TipoEvento::MandoPulsado:
            if (tecla(e.boton) != 0) enviar(TipoEvento::TeclaPulsada, tecla(e.boton));
            break;
        case TipoEvento::MandoSoltado:
            if (tecla(e.boton) != 0) enviar(TipoEvento::TeclaSoltada, tecla(e.boton));
            break;
        case TipoEvento::MandoEje: {
            if (e.boton != kEjeLeftX) break;
            int lado = ejeMando_;
            if (e.x <= -kEjePulsado)
                lado = -1;
            else if (e.x >= kEjePulsado)
                lado = 1;
            else if (e.x > -kEjeSuelto && e.x < kEjeSuelto)
                lado = 0;
            if (lado == ejeMando_) break;
            if (ejeMando_ != 0)
                enviar(TipoEvento::TeclaSoltada, c.teclasMovimiento[ejeMando_ < 0 ? 0 : 1]);
            ejeMando_ = lado;
            if (lado != 0) enviar(TipoEvento::TeclaPulsada, c.teclasMovimiento[lado < 0 ? 0 : 1]);
            break;
        }
        default:
            break;
    }
}

void Juego::PausaDesdeFuera() {
    // A game is on while in play or inside one of its long sequences; the attract game and the
    // screens between games have nothing to pause.
    const bool enJuego = EnJuego(ModoActual()) || p_.secuencias > 0;
    if (!enJuego || p_.Demo) return;
    p_.IzquierdaPulsada = p_.DerechaPulsada = false;
    for (int k = 0; k < 3; ++k) SoltarDisparo(k);
    if (p_.secuencias > 0 || ModoActual() != Modo::Juego) {
        p_.pausaPedida = true;
    } else if (TiempoActivo()) {
        Pausar(true);
    }
}

void Juego::InstalarManejadores() {
    if (manejadoresInstalados_) return;
    manejadoresInstalados_ = true;
    DespachoEntrada& d = m_.entrada;
    d.TrazarEntradas();
    const auto esFuego = [this](int tecla) {
        const auto& disparo = m_.configuracion.teclasDisparo;
        return std::find(std::begin(disparo), std::end(disparo), tecla) != std::end(disparo);
    };
    // A fire key held down repeats its key-down: in play and in the duel only a new press is
    // a new shot (a repeat after a lost life or the duel's countdown would fire by itself, and
    // in the duel count as a foul).
    d.Anteponer([this, esFuego](const Evento& e) {
        const bool jugando = ModoActual() == Modo::Juego || ModoActual() == Modo::Duelo;
        return e.repeticion && jugando && esFuego(e.tecla);
    });
    // Pause (or F4, or the pad's Start) during any long sequence of a game (a caption, a lost
    // life, the bomb, the duel) is left pending and taken as soon as play can pause, as during
    // a scroll; the sheriff's star takes it as the key that ends it.
    d.Anteponer([this](const Evento& e) {
        const Modo modo = ModoActual();
        if (!EsPausa(e.tecla) || e.shift != 0 || modo == Modo::Juego || modo == Modo::Sheriff ||
            p_.secuencias == 0 || p_.Demo)
            return false;
        p_.pausaPedida = !p_.pausaPedida;
        return true;
    });

    d.Asignar(Modo::Juego,
              {.pulsar = [this](const Evento& e) { TeclaJuego(e.tecla, e.shift); },
               .soltar = [this](const Evento& e) { SoltarTecla(e.tecla); },
               .raton = [this](const Evento& e) { Raton(e); },
               // The pad's Y opens the options from a paused game; every other
               // button is heard as the keys.
               .mando =
                   [this](const Evento& e) {
                       if (e.tipo != TipoEvento::MandoPulsado || e.boton != kMandoY || !EnPausa())
                           return false;
                       AbrirOpciones();
                       return true;
                   }});
    d.Asignar(Modo::Duelo, {.pulsar = [this](const Evento& e) { TeclaDuelo(e.tecla); },
                            .soltar =
                                [this](const Evento& e) {
                                    for (int k = 0; k < 3; ++k)
                                        if (e.tecla == m_.configuracion.teclasDisparo[k])
                                            SoltarDisparo(k);
                                },
                            .raton = {},
                            .mando = {}});
    // Any key ends the sheriff's star.
    d.Asignar(Modo::Sheriff, {.pulsar = [this](const Evento&) { CambiarModo(Modo::Ninguno); },
                              .soltar = {},
                              .raton = {},
                              .mando = {}});
    d.mandoComoTeclas = [this](const Evento& e, const std::function<void(const Evento&)>& tecla) {
        MandoComoTeclas(e, tecla);
    };
    // A pad pulled out, or the window left, pauses a game and lets go of what it held.
    d.Escuchar([this](const Evento& e) {
        if (e.tipo == TipoEvento::MandoDesconectado) {
            ejeMando_ = 0;
            PausaDesdeFuera();
        } else if (e.tipo == TipoEvento::FocoPerdido) {
            PausaDesdeFuera();
        }
    });
}

}  // namespace polvareda
