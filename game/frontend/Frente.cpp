// The front end's object, its helpers and the dispatch of keys and controllers to its screens.
#include "Frente.h"

#include "Estado.h"
#include "Evento.h"
#include "Juego.h"
#include "Modulo.h"
#include "Teclas.h"

namespace polvareda {

namespace {

constexpr int kLetras = 27;  // blank and A to Z

}  // namespace

Frente& Frente::De(Modulo& m) {
    if (!m.frente) m.frente = std::make_unique<Frente>(m);
    return static_cast<Frente&>(*m.frente);
}

Frente::Frente(Modulo& m) : m_(m), j_(JuegoDe(m)) {}

void Frente::Limpiar() {
    m_.ventana.lienzo.Borrar();
    Refrescar();
}

void Frente::Tecla(const std::string& modo, int tecla, int) {
    if (modo == "menu") {
        TeclaMenu(tecla);
    } else if (modo == "nivel") {
        TeclaNivel(tecla);
    } else if (modo == "nombre") {
        TeclaNombre(tecla);
    }
}

void Frente::Mando(const Evento& e) {
    const std::string& modo = ModoActual();
    const bool pulsado = e.tipo == TipoEvento::MandoPulsado;
    if (e.tipo == TipoEvento::MandoConectado || e.tipo == TipoEvento::MandoDesconectado) {
        // The last controller gone, the keyboard plays again.
        if (!m_.joystickConectado) m_.joystick = false;
        if (modo == "menu") DibujarEntradasMando();
    }
    if (modo == "menu" && pulsado) {
        if (e.boton == kMandoA || e.boton == kMandoStart) TeclaMenu(vk::Cero);
        return;
    }
    if (modo == "nombre" && (pulsado || e.tipo == TipoEvento::MandoEje)) {
        int paso = 0;
        if (pulsado && e.boton == kMandoDpUp) paso = 1;
        if (pulsado && e.boton == kMandoDpDown) paso = -1;
        if (e.tipo == TipoEvento::MandoEje && e.boton == kEjeLeftY) {
            // Up on the stick is negative.
            const int lado = e.x <= -kEjePulsado ? 1 : e.x >= kEjePulsado ? -1 : 0;
            if (lado != 0 && !ejeNombre_) paso = lado;
            if (e.x > -kEjeSuelto && e.x < kEjeSuelto) ejeNombre_ = false;
            if (lado != 0) ejeNombre_ = true;
        }
        if (paso != 0) {
            letraMando = (letraMando + paso + kLetras) % kLetras;
            EscribirNombre();
        } else if (pulsado && e.boton == kMandoA) {
            TeclaNombre(letraMando == 0 ? vk::Espacio : vk::A + letraMando - 1);
        } else if (pulsado && e.boton == kMandoB) {
            TeclaNombre(vk::Retroceso);
        } else if (pulsado && e.boton == kMandoStart) {
            TeclaNombre(vk::Intro);
        }
        return;
    }
    j_.Mando(e);  // the level choice's fire buttons, the waiting screens and play
}

void Frente::InstalarManejadores() {
    j_.InstalarManejadores();
    j_.alTeclaFrente = [this](const std::string& modo, int tecla, int shift) {
        Tecla(modo, tecla, shift);
    };
    m_.ventana.alMando = [this](const Evento& e) { Mando(e); };
}

void Frente::CamposEstado(std::string& json) const {
    json += ", \"name\": " + CadenaJson(Nombre);
    json += ", \"joystick\": " + std::string(m_.joystick ? "true" : "false");
}

}  // namespace polvareda
