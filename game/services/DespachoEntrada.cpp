// The input dispatch: trace lines, the rules of every mode, the mode's handler.
#include "DespachoEntrada.h"

#include <optional>
#include <string>

#include "Traza.h"
#include "Ventana.h"

namespace polvareda {

namespace {

std::string Campos(const char* nombre, int valor, int shift) {
    return ", \"" + std::string(nombre) + "\": " + std::to_string(valor) +
           ", \"shift\": " + std::to_string(shift);
}

// A copy: a handler may replace itself, or the table, while it runs.
template <typename Funcion>
void Llamar(const Funcion& funcion, const Evento& evento) {
    const auto copia = funcion;
    if (copia) copia(evento);
}

}  // namespace

void DespachoEntrada::Asignar(Modo modo, Manejador manejador) {
    manejadores_[static_cast<std::size_t>(modo)] = std::move(manejador);
}

void DespachoEntrada::Anteponer(Regla regla) {
    reglas_.push_back(std::move(regla));
}

void DespachoEntrada::Escuchar(std::function<void(const Evento&)> oyente) {
    oyentes_.push_back(std::move(oyente));
}

const DespachoEntrada::Manejador& DespachoEntrada::Actual() const {
    return manejadores_[static_cast<std::size_t>(ventana_.modo)];
}

void DespachoEntrada::Atender(const Evento& e) {
    // Each line is written as soon as the input's immediate effect is done, before any
    // sequence it starts (LineaDeCausa).
    std::optional<LineaDeCausa> linea;
    switch (e.tipo) {
        case TipoEvento::TeclaPulsada:
        case TipoEvento::TeclaSoltada:
            if (trazar_)
                linea.emplace(traza_, e.tipo == TipoEvento::TeclaPulsada ? "keydown" : "keyup",
                              Campos("key", e.tecla, e.shift));
            Tecla(e);
            break;
        case TipoEvento::RatonPulsado:
        case TipoEvento::RatonSoltado:
            if (trazar_)
                linea.emplace(traza_, e.tipo == TipoEvento::RatonPulsado ? "mousedown" : "mouseup",
                              Campos("button", e.boton, e.shift));
            Llamar(Actual().raton, e);
            break;
        case TipoEvento::MandoPulsado:
        case TipoEvento::MandoSoltado: {
            // A button's trace line, as a key's: its state right after the button's effect.
            const bool conocido = e.boton >= 0 && e.boton < kBotonesMando;
            linea.emplace(traza_, e.tipo == TipoEvento::MandoPulsado ? "paddown" : "padup",
                          conocido
                              ? ", \"button\": \"" + std::string(kNombresBotonMando[e.boton]) + "\""
                              : std::string());
            if (!conocido) {
                Mando(e);
                break;
            }
            Evento colocado = e;
            colocado.boton = colocados_[static_cast<std::size_t>(e.boton)];
            if (colocado.boton >= 0) Mando(colocado);
            break;
        }
        case TipoEvento::MandoEje:
            Mando(e);
            break;
        case TipoEvento::MandoConectado:
        case TipoEvento::MandoDesconectado:
        case TipoEvento::FocoPerdido:
        case TipoEvento::FocoGanado:
        case TipoEvento::Cerrar: {
            const auto oyentes = oyentes_;
            for (const auto& oyente : oyentes) oyente(e);
            break;
        }
        default:
            break;
    }
}

std::array<int, kBotonesMando> DespachoEntrada::Identidad() {
    std::array<int, kBotonesMando> identidad{};
    for (std::size_t i = 0; i < identidad.size(); ++i) identidad[i] = static_cast<int>(i);
    return identidad;
}

void DespachoEntrada::ColocarBotones(const std::array<int, kRolesMando>& botones) {
    const auto& porDefecto = Configuracion{}.botonesMando;
    colocados_ = Identidad();
    for (int b : porDefecto) colocados_[static_cast<std::size_t>(b)] = -1;
    for (std::size_t r = 0; r < kRolesMando; ++r) {
        if (botones[r] >= 0 && botones[r] < kBotonesMando)
            colocados_[static_cast<std::size_t>(botones[r])] = porDefecto[r];
    }
}

void DespachoEntrada::Tecla(const Evento& e) {
    if (e.tipo == TipoEvento::TeclaPulsada) {
        const auto reglas = reglas_;
        for (const auto& regla : reglas)
            if (regla(e)) return;
        Llamar(Actual().pulsar, e);
    } else {
        Llamar(Actual().soltar, e);
    }
}

void DespachoEntrada::Mando(const Evento& e) {
    const auto mando = Actual().mando;
    if (mando && mando(e)) return;
    const auto comoTeclas = mandoComoTeclas;
    if (comoTeclas) comoTeclas(e, [this](const Evento& tecla) { Tecla(tecla); });
}

}  // namespace polvareda
