// The game's clock on a real machine: the headless clock's rules over real input.
#include "RelojJuego.h"

#include <algorithm>
#include <utility>

namespace polvareda {

namespace {
// A lag up to this is caught up by running the due timers without sleeping; a longer one is
// time the game never sees (a suspended machine would otherwise play itself, and lose).
constexpr std::int64_t kRetrasoMaximoMs = 1000;
}  // namespace

std::optional<Evento> RelojJuego::EsperarEvento(FuenteReal& fuente, std::int64_t limiteMs) {
    if (const std::int64_t retraso = fuente.RealMs() - perdido_ - ahora_;
        retraso > kRetrasoMaximoMs)
        perdido_ += retraso;
    const std::int64_t tope = std::max(limiteMs, ahora_);
    if (!retenido_) retenido_ = fuente.Siguiente(tope + perdido_);
    // A replay hands an event to the first wait whose end reaches it. So an event may not take
    // a millisecond a finished wait has reached: it goes one later, and when this wait ends
    // right there (a poll just after a deadline), it is kept for the next one.
    const std::int64_t primero = ahora_ + (plazoCumplido_ ? 1 : 0);
    if (!retenido_ || primero > tope) {
        ahora_ = tope;
        plazoCumplido_ = true;
        return std::nullopt;
    }
    // Input taken late (the game was busy past the deadline) counts at the deadline: handled
    // now, never after a timer the replay would run first.
    ahora_ = std::clamp(fuente.RealMs() - perdido_, primero, tope);
    plazoCumplido_ = false;
    return std::exchange(retenido_, std::nullopt);
}

}  // namespace polvareda
