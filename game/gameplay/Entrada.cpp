// Keys, mouse and game controllers: the key-down dispatch by mode, the playing-mode keys, key
// release, the mouse buttons as the three fire buttons and the pad turned into those keys.
#include <algorithm>
#include <iterator>

#include "Figuras.h"
#include "Juego.h"
#include "ServiciosJuego.h"
#include "Teclas.h"

namespace polvareda {

namespace {

std::string CamposTecla(const char* nombre, int valor, int shift) {
    return ", \"" + std::string(nombre) + "\": " + std::to_string(valor) +
           ", \"shift\": " + std::to_string(shift);
}

}  // namespace

void Juego::TeclaPulsada(int tecla, int shift) {
    // A key ends the attract game: "auto" then becomes "menu" below.
    if (ModoActual() == "juego" && p_.Demo) Modo("auto");
    const std::string modo = ModoActual();
    // Pause (or F4, or the pad's Start) during any long sequence of a game (a caption, a lost
    // life, the bomb, the duel) is left pending and taken as soon as play can pause, as
    // during a scroll; the sheriff's screen takes it as the key that ends it.
    if ((tecla == vk::Pausa || tecla == vk::F1 + 3) && shift == 0 && modo != "juego" &&
        modo != "sheriff" && p_.secuencias > 0 && !p_.Demo) {
        p_.pausaPedida = !p_.pausaPedida;
        return;
    }
    if (modo == "juego") {
        TeclaJuego(tecla, shift);
    } else if (modo == "duelo") {
        TeclaDuelo(tecla);
    } else if (modo == "mejores" || modo == "sheriff") {
        Modo("");
    } else if (modo == "auto") {
        Modo("menu");
    } else if (alTeclaFrente) {
        alTeclaFrente(modo, tecla, shift);  // the menu, the level choice and the name entry
    }
}

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
    if (tecla == vk::Pausa || tecla == vk::F1 + 3) {  // Pause, or F4
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

void Juego::TeclaSoltada(int tecla) {
    const Configuracion& c = m_.configuracion;
    const std::string& modo = ModoActual();
    if (modo == "juego" || modo == "duelo") {
        for (int k = 0; k < 3; ++k)
            if (tecla == c.teclasDisparo[k]) SoltarDisparo(k);
    }
    if (modo == "juego" && (tecla == c.teclasMovimiento[0] || tecla == vk::Izquierda ||
                            tecla == c.teclasMovimiento[1] || tecla == vk::Derecha)) {
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

void Juego::RatonPulsado(int boton) {
    const int k = FuegoDeBoton(boton);
    if (ModoActual() != "juego" || k < 0) return;
    TeclaJuego(m_.configuracion.teclasDisparo[k], 0);
}

void Juego::RatonSoltado(int boton) {
    const int k = FuegoDeBoton(boton);
    if (ModoActual() != "juego" || k < 0) return;
    SoltarDisparo(k);
}

void Juego::Mando(const Evento& e) {
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
    switch (e.tipo) {
        case TipoEvento::MandoPulsado:
            if (tecla(e.boton) != 0) TeclaPulsada(tecla(e.boton), 0);
            break;
        case TipoEvento::MandoSoltado:
            if (tecla(e.boton) != 0) TeclaSoltada(tecla(e.boton));
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
            if (ejeMando_ != 0) TeclaSoltada(c.teclasMovimiento[ejeMando_ < 0 ? 0 : 1]);
            ejeMando_ = lado;
            if (lado != 0) TeclaPulsada(c.teclasMovimiento[lado < 0 ? 0 : 1], 0);
            break;
        }
        case TipoEvento::MandoDesconectado:
            // A pad pulled out in play pauses the game and lets go of what it held.
            ejeMando_ = 0;
            PausaDesdeFuera();
            break;
        default:
            break;
    }
}

void Juego::PausaDesdeFuera() {
    // A game is on while in play or inside one of its long sequences; the attract game and the
    // screens between games have nothing to pause.
    const bool enJuego = ModoActual().compare(0, 5, "juego") == 0 || p_.secuencias > 0;
    if (!enJuego || p_.Demo) return;
    p_.IzquierdaPulsada = p_.DerechaPulsada = false;
    for (int k = 0; k < 3; ++k) SoltarDisparo(k);
    if (p_.secuencias > 0 || ModoActual() != "juego") {
        p_.pausaPedida = true;
    } else if (TiempoActivo()) {
        Pausar(true);
    }
}

void Juego::InstalarManejadores() {
    Ventana& v = m_.ventana;
    // Each line is written as soon as the input's immediate effect is done, before any
    // sequence it starts (LineaDeCausa).
    v.alPulsarTecla = [this](const Evento& e) {
        LineaDeCausa linea(m_.traza, "keydown", CamposTecla("key", e.tecla, e.shift));
        // A fire key held down repeats its key-down: in play and in the duel only a new press
        // is a new shot (a repeat after a lost life or the duel's countdown would fire by
        // itself, and in the duel count as a foul).
        const auto& disparo = m_.configuracion.teclasDisparo;
        const bool fuego =
            std::find(std::begin(disparo), std::end(disparo), e.tecla) != std::end(disparo);
        const bool jugando = ModoActual() == "juego" || ModoActual() == "duelo";
        if (!(e.repeticion && fuego && jugando)) TeclaPulsada(e.tecla, e.shift);
    };
    v.alSoltarTecla = [this](const Evento& e) {
        LineaDeCausa linea(m_.traza, "keyup", CamposTecla("key", e.tecla, e.shift));
        TeclaSoltada(e.tecla);
    };
    v.alPulsarRaton = [this](const Evento& e) {
        LineaDeCausa linea(m_.traza, "mousedown", CamposTecla("button", e.boton, e.shift));
        RatonPulsado(e.boton);
    };
    v.alSoltarRaton = [this](const Evento& e) {
        LineaDeCausa linea(m_.traza, "mouseup", CamposTecla("button", e.boton, e.shift));
        RatonSoltado(e.boton);
    };
    v.alMando = [this](const Evento& e) { Mando(e); };
    // The window losing the focus pauses the game as a pulled-out pad does; getting it back
    // leaves the pause to the player.
    v.alFoco = [this](const Evento& e) {
        if (e.tipo == TipoEvento::FocoPerdido) PausaDesdeFuera();
    };
}

}  // namespace polvareda
