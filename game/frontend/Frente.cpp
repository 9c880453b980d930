// The front end's object, its helpers and the handlers of its modes.
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
    return dynamic_cast<Frente&>(*m.frente);
}

Frente::Frente(Modulo& m) : opciones(m, *this), m_(m), j_(JuegoDe(m)) {}

void Frente::Limpiar() {
    m_.ventana.lienzo.Borrar();
    Refrescar();
}

bool Frente::MandoMenu(const Evento& e) {
    if (e.tipo != TipoEvento::MandoPulsado) return false;
    if (e.boton == kMandoA || e.boton == kMandoStart) TeclaMenu(vk::Cero);
    if (e.boton == kMandoY) TeclaMenu(kTeclaOpciones);  // the options, as "4"
    return true;
}

bool Frente::MandoNombre(const Evento& e) {
    const bool pulsado = e.tipo == TipoEvento::MandoPulsado;
    if (!pulsado && e.tipo != TipoEvento::MandoEje) return false;
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
    return true;
}

void Frente::InstalarManejadores() {
    j_.InstalarManejadores();
    if (manejadoresInstalados_) return;
    manejadoresInstalados_ = true;
    DespachoEntrada& d = m_.entrada;
    // A key while the attract game plays (it is in play for one of its own presses) is the
    // attract screen's: it ends the demonstration.
    d.Anteponer([this](const Evento&) {
        if (demostrando && ModoActual() == Modo::Juego) CambiarModo(Modo::Auto);
        return false;
    });
    const auto tecla = [this](void (Frente::*manejador)(int)) {
        return [this, manejador](const Evento& e) { (this->*manejador)(e.tecla); };
    };
    d.Asignar(Modo::Menu, {.pulsar = tecla(&Frente::TeclaMenu),
                           .soltar = {},
                           .raton = {},
                           .mando = [this](const Evento& e) { return MandoMenu(e); }});
    d.Asignar(Modo::Opciones, {.pulsar = [this](const Evento& e) { opciones.Tecla(e); },
                               .soltar = {},
                               .raton = [this](const Evento& e) { opciones.Raton(e); },
                               .mando = [this](const Evento& e) { return opciones.Mando(e); }});
    j_.opcionesEnPausa = [this] { opciones.Abrir(Modo::Juego); };
    d.Asignar(Modo::Nivel,
              {.pulsar = tecla(&Frente::TeclaNivel), .soltar = {}, .raton = {}, .mando = {}});
    d.Asignar(Modo::Nombre, {.pulsar = tecla(&Frente::TeclaNombre),
                             .soltar = {},
                             .raton = {},
                             .mando = [this](const Evento& e) { return MandoNombre(e); }});
    // Any key ends the table's page, and any key in the attract screens goes to the menu.
    d.Asignar(Modo::Mejores, {.pulsar = [this](const Evento&) { CambiarModo(Modo::Ninguno); },
                              .soltar = {},
                              .raton = {},
                              .mando = {}});
    d.Asignar(Modo::Auto, {.pulsar = [this](const Evento&) { CambiarModo(Modo::Menu); },
                           .soltar = {},
                           .raton = {},
                           .mando = {}});
    // The last controller gone, the keyboard plays again; the menu shows what is attached.
    d.Escuchar([this](const Evento& e) {
        if (e.tipo == TipoEvento::Cerrar) opciones.AlCerrarVentana();
        if (e.tipo != TipoEvento::MandoConectado && e.tipo != TipoEvento::MandoDesconectado) return;
        if (!m_.joystickConectado) joystick = false;
        if (ModoActual() == Modo::Menu) DibujarEntradasMando();
    });
}

void Frente::CamposEstado(std::string& json) const {
    json += ", \"start_level\": " + std::to_string(nivelInicial);
    json += ", \"name\": " + CadenaJson(Nombre);
    json += ", \"joystick\": " + std::string(joystick ? "true" : "false");
}

}  // namespace polvareda
