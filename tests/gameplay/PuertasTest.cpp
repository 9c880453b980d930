// The door cycle of every figure type, tick by tick, and the chances of the door machine.
#include <gtest/gtest.h>

#include <array>

#include "Mesa.h"
#include "Niveles.h"

namespace polvareda {
namespace {

class PuertasTest : public prueba::MesaTest {};

// Where a figure's cycle ends when nobody shoots: the tick in which the door closes, or the
// one in which the figure fires and a life goes.
TEST_F(PuertasTest, EachFigureRunsItsCycleToItsEnd) {
    struct Caso {
        int tipo, paso, marca;
        int ticks;  // ticks until the end
        bool dispara;
    };
    const Caso casos[] = {
        {0, 2, 3, 11, false},  // steps 2 to 11, closed on the eleventh tick
        {1, 2, 3, 9, true},    // fires at step 10
        {2, 6, 7, 5, true},    // out late, fires four ticks later
        {3, 2, 3, 15, true},   // draws at step 9, back to step 4, fires six ticks later
        {4, 2, 3, 15, true},  {5, 2, 3, 15, true},
        {6, 8, 9, 6, true},  // out at step 8, draws at 9 and goes back to 7
    };
    Jugar([&](prueba::Mesa& t) {
        t.Fase(7);
        for (const Caso& c : casos) {
            t.SinAzar();
            t.p.Vidas = 3;
            t.Abrir(1, c.tipo, c.paso, c.marca);
            int ticks = 0;
            while (t.p.Vidas == 3 && t.p.Visibles[1].Paso > 0 && ticks < 40) {
                t.Ticks(1);
                ++ticks;
            }
            EXPECT_EQ(ticks, c.ticks) << "type " << c.tipo;
            EXPECT_EQ(t.p.Vidas, c.dispara ? 2 : 3) << "type " << c.tipo;
            if (c.dispara) {
                // The phase goes on: the same doors, closed, and the game running.
                EXPECT_EQ(t.m.ventana.modo, Modo::Juego);
                EXPECT_EQ(t.p.Visibles[1].Paso, -2);
                EXPECT_EQ(t.p.Visibles[1].Puerta, 1);
                EXPECT_TRUE(t.j.TiempoActivo());
                t.Tiempo(false);
            }
        }
        EXPECT_EQ(t.p.Puntos, 0);
        const auto tocados = t.Llamadas("tocar");
        EXPECT_FALSE(tocados.empty());
    });
}

// Customers pay at step 10 (types 8, 9) or when the door closes (type 7); the threat turns a
// customer into a bandit; with chance 1/2 a type-7 customer draws instead of paying.
TEST_F(PuertasTest, CustomersPayOrAreThreatenedByChance) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(7);
        std::array<int, 10> pagos{}, tiros{};
        constexpr int kVeces = 200;
        for (int tipo : {7, 8, 9}) {
            for (int vez = 0; vez < kVeces; ++vez) {
                t.SinAzar();
                t.p.Vidas = 3;
                t.p.Depositado.fill(false);
                t.p.Depositos = 0;
                t.Abrir(2, tipo);
                const std::int32_t antes = t.p.Puntos;
                int ticks = 0;
                bool visto38 = false;
                while (t.p.Vidas == 3 && t.p.Visibles[2].Paso > 0 && ticks < 60) {
                    t.Ticks(1);
                    visto38 = visto38 || t.p.Visibles[2].Tipo == tipo + 30;
                    ++ticks;
                }
                if (t.p.Vidas == 3) {
                    ++pagos[static_cast<std::size_t>(tipo)];
                    EXPECT_EQ(t.p.Puntos - antes, 50);
                    EXPECT_TRUE(t.p.Depositado[2]);
                    // Types 8 and 9 pay at step 10 and close two ticks later; type 7 on closing.
                    EXPECT_EQ(ticks, 11);
                } else {
                    ++tiros[static_cast<std::size_t>(tipo)];
                    EXPECT_TRUE(visto38);
                    EXPECT_EQ(t.p.Depositos, 0);
                    t.Tiempo(false);
                }
            }
        }
        // 1/2 of type 7 draw, 1/2 of type 8 and 1/4 of type 9 are threatened.
        EXPECT_NEAR(tiros[7], kVeces / 2, 40);
        EXPECT_NEAR(tiros[8], kVeces / 2, 40);
        EXPECT_NEAR(tiros[9], kVeces / 4, 35);
    });
}

TEST_F(PuertasTest, DoorsOpenOnceInFifteenTicksWithEveryAllowedTypeAlike) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(7);
        t.p.TipoPermitido.fill(true);
        std::array<int, 10> tipos{};
        int abiertas = 0;
        constexpr int kTicks = 20000;
        for (int n = 0; n < kTicks; ++n) {
            for (auto& v : t.p.Visibles) v.Paso = 0;
            t.Ticks(1);
            for (const auto& v : t.p.Visibles) {
                if (v.Paso <= 0) continue;
                ++abiertas;
                ++tipos[static_cast<std::size_t>(v.Tipo)];
            }
        }
        // 60000 chances of 1/15: 4000 expected, four standard deviations either side.
        EXPECT_NEAR(abiertas, 4000, 250);
        for (int k = 0; k < 10; ++k)
            EXPECT_NEAR(tipos[static_cast<std::size_t>(k)], abiertas / 10, 100) << k;
        // On level 1 only types 0, 1, 8 and 9 come out.
        t.p.TipoPermitido = TiposPermitidos(1);
        for (int n = 0; n < 3000; ++n) {
            for (auto& v : t.p.Visibles) v.Paso = 0;
            t.Ticks(1);
            for (const auto& v : t.p.Visibles)
                if (v.Paso > 0) {
                    EXPECT_TRUE(v.Tipo == 0 || v.Tipo == 1 || v.Tipo >= 8) << v.Tipo;
                }
        }
    });
}

// The last ticks of a phase: with NoEsperarPuertas off the twelfth deposit leaves the doors
// running and the phase ends on the first tick with all three closed; with it on, at once.
TEST_F(PuertasTest, TheTwelfthDepositEndsThePhaseWhenTheOptionSays) {
    for (const bool noEsperar : {false, true}) {
        std::string ini = prueba::kIniMesa;
        if (noEsperar) ini.replace(ini.find("NoEsperarPuertas=0"), 18, "NoEsperarPuertas=1");
        Jugar(
            [&](prueba::Mesa& t) {
                t.Fase(1);
                t.p.Depositado.fill(true);
                t.p.Depositado[2] = false;
                t.p.Depositos = 11;
                t.Abrir(0, 0, 5);
                // Step 9 may bring a threat: start her again until it does not.
                do {
                    t.Abrir(2, 8, 9);
                    t.Ticks(1);
                } while (t.p.Visibles[2].Tipo != 8);
                t.Ticks(1);  // step 10: she pays
                if (noEsperar) {
                    // The duel ran and the next level began.
                    EXPECT_EQ(t.p.Nivel, 2);
                    EXPECT_EQ(t.p.Depositos, 0);
                    return;
                }
                EXPECT_EQ(t.p.Depositos, 12);
                EXPECT_EQ(t.p.Nivel, 1);
                // Doors still open: the phase goes on until all three are closed together.
                while (t.p.Nivel == 1) t.Ticks(1);
                EXPECT_EQ(t.p.Nivel, 2);
            },
            ini);
    }
}

}  // namespace
}  // namespace polvareda
