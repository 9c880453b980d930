// The menu's attract cycle over two rounds, the demonstration's end, a key that ends it and a
// game started right after, and a long run of the flat loop.
#ifndef _WIN32
#include <malloc.h>
#endif

#include "AccesoJuego.h"
#include "Escenario.h"
#include "Teclas.h"

namespace polvareda {
namespace {

class AtraccionTest : public prueba::EscenarioTest {};

// The bytes the C library's allocator holds for the program; Windows' does not say, and there
// only the stack is held still.
std::size_t MemoriaEnUso() {
#ifdef _WIN32
    return 0;
#else
    return mallinfo2().uordblks;
#endif
}

TEST_F(AtraccionTest, MenuTableMenuDemonstrationInTurnWithTheirTimes) {
    std::vector<int> vidasAlFinal;
    int menus = 0;
    Correr([&](Modulo& m, const std::string& etapa) {
        if (etapa == "fin") {
            vidasAlFinal.push_back(JuegoDe(m).Estado().Vidas);
            EXPECT_FALSE(JuegoDe(m).TiempoActivo());
        }
        if (etapa == "menu" && ++menus == 3) Terminar(m);
    });
    const std::vector<std::string> esperadas = {"menu", "espera", "tabla",  "espera", "demo",
                                                "fin",  "menu",   "espera", "tabla",  "espera",
                                                "demo", "fin",    "menu"};
    ASSERT_EQ(Etapas(), esperadas);
    const auto& v = *visitas;
    for (const std::size_t ronda : {0u, 6u}) {
        // The menu waits 6.66 s, then 0.25 s of black.
        EXPECT_NEAR(static_cast<double>(v[ronda + 2].ms - v[ronda + 1].ms), 6910, 5);
        // The table: 15 s (to the 50 ms repetition that sees them), then 0.25 s of black.
        EXPECT_NEAR(static_cast<double>(v[ronda + 3].ms - v[ronda + 2].ms), 15000 + 50 + 250, 60);
        EXPECT_NEAR(static_cast<double>(v[ronda + 4].ms - v[ronda + 3].ms), 6910, 5);
        // The demonstration: 35 s, or less when its one life went first.
        const double demo = static_cast<double>(v[ronda + 5].ms - v[ronda + 4].ms);
        const int vidas = vidasAlFinal[ronda / 6];
        EXPECT_LE(demo, 35000 + 500) << ronda;
        if (vidas > 0) {
            EXPECT_GE(demo, 35000) << ronda;
        }
    }
}

TEST_F(AtraccionTest, DemonstrationEndsWithItsLifeOrAKeyAndLeavesNothingBehind) {
    int demos = 0;
    bool comprobado = false;
    Correr([&](Modulo& m, const std::string& etapa) {
        Juego& j = JuegoDe(m);
        const Partida& p = j.Estado();
        if (etapa == "demo" && ++demos == 2) Tecla('A', 3000);  // any key ends it
        if (etapa == "fin" && demos == 2) {
            EXPECT_EQ(m.plataforma.AhoraMs() - visitas->back().ms, 0);
            EXPECT_FALSE(j.TiempoActivo());
            Tecla(vk::Cero, 300);  // at once: still in the menu's black, ignored
        }
        if (etapa == "espera" && demos == 2 && !comprobado) Tecla(vk::Cero);
        if (etapa == "partida" && demos == 2) {
            comprobado = true;
            EXPECT_FALSE(p.Demo);
            EXPECT_FALSE(j.TiempoActivo());
            EXPECT_EQ(Frente::De(m).nivelInicial, 1);
            EscapeAlEmpezar(m);
        }
        if (etapa == "fin" && comprobado) {
            EXPECT_EQ(p.Nivel, 1);  // a game of its own, not the demonstration's level 6
            Tecla('A', 500);        // the top ten, then the menu
        }
        if (etapa == "menu" && comprobado) Terminar(m);
    });
    EXPECT_TRUE(comprobado);
    // The first demonstration ran its time or lost its life; the second ended at the key.
    const auto& v = *visitas;
    for (std::size_t i = 0, n = 0; i + 1 < v.size(); ++i) {
        if (v[i].etapa != "demo" || ++n != 2) continue;
        EXPECT_NEAR(static_cast<double>(v[i + 1].ms - v[i].ms), 3000, 120);
    }
}

TEST_F(AtraccionTest, FlatLoopKeepsItsStackAndMemoryOverManyGamesAndHours) {
    // Games started with "0" and ended with Escape, each followed by the top ten; between
    // them, attract cycles. The stack where a key reaches the menu and the heap in use must
    // stay where they were.
    constexpr int kPartidas = 300;
    int partidas = 0;
    std::vector<std::uintptr_t> pilas;
    std::vector<std::size_t> memoria;
    bool envuelto = false;
    int esperas = 0;
    Correr([&](Modulo& m, const std::string& etapa) {
        if (etapa == "espera") {
            if (!envuelto) {
                // Where the stack stands when the menu's "0" is taken, once per game.
                m.entrada.Anteponer([&](const Evento& e) {
                    if (e.tecla == vk::Cero && m.ventana.modo == Modo::Menu)
                        pilas.push_back(
                            reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
                    return false;
                });
                envuelto = true;
            }
            // A game at once, after the table, or after the demonstration, in turn.
            if (++esperas == partidas % 3 + 1) Tecla(vk::Cero, 100);
        }
        if (etapa == "partida") {
            esperas = 0;
            memoria.push_back(MemoriaEnUso());
            if (++partidas > kPartidas) Terminar(m);
            EscapeAlEmpezar(m);
        }
        if (etapa == "fin") Tecla('A', 600);
    });
    ASSERT_GT(partidas, kPartidas);
    ASSERT_GE(pilas.size(), static_cast<std::size_t>(kPartidas));
    for (const auto pila : pilas) EXPECT_EQ(pila, pilas.front());
    // Once the run has settled, games leave the heap where it was (a few kilobytes of slack
    // for the allocator's own bookkeeping).
    EXPECT_LT(static_cast<double>(memoria.back()), static_cast<double>(memoria[10]) + 64 * 1024);
}

}  // namespace
}  // namespace polvareda

namespace polvareda {
namespace {

class DemoTest : public prueba::EscenarioTest {};

// With every door paid the demonstration's walk has nowhere to go: a pass over the slots ends
// at once, without scrolling, instead of pressing the move key for ever. A player's key that
// comes between two presses brings the menu back: the demonstration presses nothing more and
// does not set its own mode over the menu's.
TEST_F(DemoTest, WalkPastPaidDoorsStopsAndAKeyBetweenThePressesEndsIt) {
    bool hecho = false;
    Correr([&](Modulo& m, const std::string& etapa) {
        if (etapa != "demo") return;
        Frente& f = Frente::De(m);
        Juego& j = f.J();
        Partida& p = prueba::AccesoJuego::Estado(j);
        j.Demostracion();
        p.Depositado.fill(true);
        p.Depositos = 12;
        for (auto& v : p.Visibles) v.Paso = 0;
        const std::int64_t antes = m.plataforma.AhoraMs();
        f.JugadaDemostracion();
        EXPECT_LE(m.plataforma.AhoraMs() - antes, 3 * 25 + 200);
        EXPECT_EQ(p.Visibles[0].Puerta, 0);

        f.CambiarModo(Modo::Auto);
        p.Depositado.fill(false);
        p.Depositos = 0;
        for (auto& v : p.Visibles) v = {9, v.Puerta, 3, 1, v.Apertura};  // bandits, open
        Tecla('A', 10);
        f.JugadaDemostracion();
        EXPECT_EQ(f.ModoActual(), Modo::Menu);
        EXPECT_EQ(p.Visibles[1].Tipo, 1);  // the bandits at the other doors were not shot
        EXPECT_EQ(p.Visibles[2].Tipo, 1);
        j.Detener();
        hecho = true;
        Terminar(m);
    });
    EXPECT_TRUE(hecho);
}

// The window's close button at any screen of the front end ends the run in order.
TEST_F(DemoTest, CloseAtAnyScreenEndsTheRunInOrder) {
    for (const std::string donde : {"espera", "tabla", "demo", "nivel", "partida", "fin"}) {
        bool cerrado = false;
        Correr([&](Modulo& m, const std::string& etapa) {
            if (etapa == "espera" && donde == "nivel") Tecla('3', 100);
            if (etapa == "espera" && (donde == "partida" || donde == "fin")) Tecla(vk::Cero, 100);
            if (etapa == "partida" && donde == "fin") EscapeAlEmpezar(m);
            if (etapa != donde || cerrado) return;
            Evento cierre;
            cierre.tipo = TipoEvento::Cerrar;
            plataforma->Insertar(plataforma->AhoraMs() + 600, cierre);
            cerrado = true;
        });
        EXPECT_TRUE(cerrado) << donde;
        EXPECT_EQ(Etapas().back(), donde);
        // Closing the window keeps the scores, as every other way out does.
        EXPECT_TRUE(std::filesystem::exists(juego_ / "Polvareda.DAT")) << donde;
    }
}

}  // namespace
}  // namespace polvareda
