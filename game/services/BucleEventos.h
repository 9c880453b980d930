// The window's event pump: input events, timers with a millisecond interval, and the screen
// catching up with the canvas. It never spins: it sleeps in the platform until the next event,
// due timer or deadline. A timer's handler never runs inside itself.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Evento.h"
#include "Modo.h"
#include "Plataforma.h"
#include "Ventana.h"

namespace polvareda {

class BucleEventos {
  public:
    using Manejador = std::function<void(const Evento&)>;

    BucleEventos(Plataforma& plataforma, Ventana& ventana);

    // Who receives the events the pump takes from the platform.
    void AlEvento(Manejador manejador) { manejador_ = std::move(manejador); }
    // Told each time the pump is about to take an event or run a timer: what was being done
    // before (a key's immediate effect, a tick's) is complete then.
    void AntesDeAtender(std::function<void()> aviso) { antesDeAtender_ = std::move(aviso); }

    // Timers start disabled. Enabling one, or changing its interval, starts its count afresh;
    // an interval of 0 keeps it from firing.
    int AgregarTemporizador(std::string nombre, std::int64_t intervaloMs,
                            std::function<void()> alVencer);
    int BuscarTemporizador(std::string_view nombre) const;  // -1 when there is none
    void Habilitar(int id, bool habilitado);
    bool Habilitado(int id) const;
    void Intervalo(int id, std::int64_t intervaloMs);
    std::int64_t Intervalo(int id) const;

    // Runs one event or the due timers, waiting for them at most until `limiteMs` (a value of
    // Plataforma::AhoraMs). Presents the canvas afterwards when it should. A script's picture
    // or state request is answered on the way and does not end the wait: looking never
    // changes the game.
    void Atender(std::int64_t limiteMs);
    // Lets every pending event and due timer run, without waiting.
    void AtenderPendientes();

    // Waits `ms` milliseconds of the game's clock while handling events; with a mode, ends as
    // soon as the window's mode differs from it. The end is fixed when the wait starts: the
    // events inside never move it.
    void Esperar(std::int64_t ms, std::optional<Modo> modo = std::nullopt);
    // A wait that stands for "until something ends it": an hour, waited again by whoever needs
    // longer.
    static constexpr std::int64_t kEsperaLarga = 3'600'000;
    // Waits, handling events, for as long as the window's mode is `modo`.
    void EsperarModo(Modo modo);

    // Shows the canvas's changed rectangles when the window's drawing mode asks for it.
    void PresentarSiToca();

    // True while an event's handler or a timer's handler runs (a stage must not start a game
    // from there).
    bool Atendiendo() const { return atendiendo_ > 0; }
    // How many handlers are running, one inside another's wait: 0 at the top of the pump.
    int Anidamiento() const { return atendiendo_; }

  private:
    struct Temporizador {
        std::string nombre;
        std::int64_t intervalo = 0;
        std::function<void()> alVencer;
        bool habilitado = false;
        bool corriendo = false;
        std::int64_t vence = 0;
    };

    bool Activo(const Temporizador& t) const {
        return t.habilitado && t.intervalo > 0 && !t.corriendo;
    }
    std::int64_t ProximoVencimiento() const;
    bool CorrerVencido(std::int64_t ahora);  // runs the first due timer, if any
    void Despachar(const Evento& evento);
    void Avisar();

    Plataforma& plataforma_;
    Ventana& ventana_;
    Manejador manejador_;
    std::function<void()> antesDeAtender_;
    std::vector<Temporizador> temporizadores_;
    int atendiendo_ = 0;
};

}  // namespace polvareda
