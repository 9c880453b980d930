// The game's clock on a real machine: whole milliseconds since the run started, moved only by
// the pump's waits, so that a run recorded on a machine replays on the headless clock to the
// same game.
//
// The headless clock jumps: a wait that ends without input ends at its deadline exactly, and
// an event comes at its own millisecond. This clock keeps the same rules while the real one
// runs on: a wait whose real deadline has come reads its deadline, not the (later) moment the
// process woke up; an input event reads the real millisecond it was taken, kept inside the
// wait it ends. Since an event never lands on a millisecond a wait has already reached, the
// script that writes each event at its millisecond hands every event to the same wait when it
// is replayed, in the same order, between the same timers.
#pragma once

#include <cstdint>
#include <optional>

#include "Evento.h"

namespace polvareda {

// Where the real input and the real time come from.
class FuenteReal {
  public:
    virtual ~FuenteReal() = default;
    virtual std::int64_t RealMs() = 0;  // monotonic milliseconds since the run started
    // The next input event, waiting for it until RealMs reaches `hastaMs` at most (a value
    // already past only looks at what is queued); nothing when that time has come.
    virtual std::optional<Evento> Siguiente(std::int64_t hastaMs) = 0;
};

class RelojJuego {
  public:
    std::int64_t AhoraMs() const { return ahora_; }

    // As Plataforma::EsperarEvento: the next event, or nothing once `limiteMs` has come, when
    // the clock reads `limiteMs` (or stays where it is, when it is already later).
    std::optional<Evento> EsperarEvento(FuenteReal& fuente, std::int64_t limiteMs);

  private:
    std::int64_t ahora_ = 0;
    // Real time the game did not live through: a machine that was suspended, or a game that
    // stood still for seconds, takes up where it stood instead of playing that time through.
    std::int64_t perdido_ = 0;
    // The clock reached `ahora_` by a wait that ended: an event now goes one millisecond on.
    bool plazoCumplido_ = false;
    std::optional<Evento> retenido_;  // taken, not handed over yet
};

}  // namespace polvareda
