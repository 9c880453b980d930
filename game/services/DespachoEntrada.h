// The one path of the player's input into the game. The shell hands it every key, mouse button,
// controller and focus event the desktop keys did not take. It writes the event's trace line,
// lets the rules that hold in every mode look at a key first, then gives the event to the one
// handler of the window's mode. A mode whose handler does not read the controller hears it as
// the configured keys. Adding a mode is a value of `Modo` and one `Asignar`.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "Configuracion.h"
#include "Evento.h"
#include "Modo.h"

namespace polvareda {

class Traza;
struct Ventana;

class DespachoEntrada {
  public:
    // One mode's handler; a part left empty ignores its input.
    struct Manejador {
        std::function<void(const Evento&)> pulsar;  // a key down (a held key's repeats too)
        std::function<void(const Evento&)> soltar;  // a key up
        std::function<void(const Evento&)> raton;   // a mouse button down or up
        // The controller's buttons and sticks; false leaves the event to be heard as keys.
        std::function<bool(const Evento&)> mando;
    };
    // A rule that holds whatever the mode, asked about every key down before the mode's
    // handler; true when it took the key.
    using Regla = std::function<bool(const Evento&)>;

    DespachoEntrada(Ventana& ventana, Traza& traza) : ventana_(ventana), traza_(traza) {}
    DespachoEntrada(const DespachoEntrada&) = delete;
    DespachoEntrada& operator=(const DespachoEntrada&) = delete;

    void Asignar(Modo modo, Manejador manejador);
    void Anteponer(Regla regla);  // asked in the order they were given
    // Controllers plugged in or pulled out, the window's focus and its closing: each listener
    // is told.
    void Escuchar(std::function<void(const Evento&)> oyente);
    // How the controller's buttons and sticks become key events (the rules' configured keys);
    // each key goes to the second argument.
    std::function<void(const Evento&, const std::function<void(const Evento&)>&)> mandoComoTeclas;
    // The controller's buttons as the player placed them ([Mando]): the button given for a
    // role is heard as the one that plays it by default, a default button moved away from its
    // role plays nothing, every other button itself. Every mode hears the placed buttons.
    void ColocarBotones(const std::array<int, kRolesMando>& botones);

    // From now on keys and mouse buttons write their trace lines: the game takes input.
    void TrazarEntradas() { trazar_ = true; }

    // An input event as the platform gave it.
    void Atender(const Evento& evento);
    // A key down or up without a trace line of its own (the controller's keys, a held key
    // repeating): the rules, then the mode's handler.
    void Tecla(const Evento& evento);

  private:
    const Manejador& Actual() const;
    void Mando(const Evento& evento);

    Ventana& ventana_;
    Traza& traza_;
    std::array<Manejador, kModos> manejadores_{};
    std::vector<Regla> reglas_;
    std::vector<std::function<void(const Evento&)>> oyentes_;
    bool trazar_ = false;
    std::array<int, kBotonesMando> colocados_ = Identidad();  // what each button plays; -1 none

    static std::array<int, kBotonesMando> Identidad();
};

}  // namespace polvareda
