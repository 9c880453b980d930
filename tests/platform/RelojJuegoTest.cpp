// The game's clock on its own, against a real time the test moves by hand: the rules that let
// a game played on a real machine replay on the headless clock.
#include <gtest/gtest.h>

#include <deque>

#include "RelojJuego.h"

namespace polvareda {
namespace {

// Real time and input under the test's control: an event is there once real time reaches it.
class FuentePrueba : public FuenteReal {
  public:
    std::int64_t real = 0;
    std::deque<std::pair<std::int64_t, int>> teclas;  // (real ms, key)

    std::int64_t RealMs() override { return real; }
    std::optional<Evento> Siguiente(std::int64_t hastaMs) override {
        if (!teclas.empty() && teclas.front().first <= std::max(hastaMs, real)) {
            real = std::max(real, teclas.front().first);
            Evento e;
            e.tecla = teclas.front().second;
            teclas.pop_front();
            return e;
        }
        real = std::max(real, hastaMs);
        return std::nullopt;
    }
};

TEST(RelojJuego, WaitsEndAtTheirDeadlinesAndEventsAtTheirOwnMillisecond) {
    FuentePrueba fuente;
    RelojJuego reloj;
    // A wait without input reads its deadline.
    EXPECT_FALSE(reloj.EsperarEvento(fuente, 100));
    EXPECT_EQ(reloj.AhoraMs(), 100);
    // An event on the millisecond a wait has just reached goes one later, so the replay
    // hands it to this wait and not to the finished one.
    fuente.teclas = {{100, 1}, {150, 2}};
    EXPECT_EQ(reloj.EsperarEvento(fuente, 200)->tecla, 1);
    EXPECT_EQ(reloj.AhoraMs(), 101);
    EXPECT_EQ(reloj.EsperarEvento(fuente, 200)->tecla, 2);
    EXPECT_EQ(reloj.AhoraMs(), 150);
    // The game was busy past the next deadline: the wait reads its deadline, not the late
    // wake-up, and input taken late counts at the deadline of the wait that takes it.
    fuente.real = 700;
    fuente.teclas = {{650, 3}};
    EXPECT_EQ(reloj.EsperarEvento(fuente, 300)->tecla, 3);
    EXPECT_EQ(reloj.AhoraMs(), 300);
    EXPECT_FALSE(reloj.EsperarEvento(fuente, 300));
    EXPECT_EQ(reloj.AhoraMs(), 300);
    // The clock never goes back: a deadline already past leaves it where it is.
    EXPECT_FALSE(reloj.EsperarEvento(fuente, 250));
    EXPECT_EQ(reloj.AhoraMs(), 300);
    // A lag under a second is caught up wait by wait...
    EXPECT_FALSE(reloj.EsperarEvento(fuente, 600));
    EXPECT_EQ(reloj.AhoraMs(), 600);
    // ...a longer one (a suspended machine) is time the game never sees.
    fuente.real += 10 * 60 * 1000;
    fuente.teclas = {{fuente.real + 40, 4}};
    EXPECT_EQ(reloj.EsperarEvento(fuente, 5000)->tecla, 4);
    EXPECT_LT(reloj.AhoraMs(), 1700);
    EXPECT_GT(reloj.AhoraMs(), 600);
}

}  // namespace
}  // namespace polvareda
