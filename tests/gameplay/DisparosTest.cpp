// Shots at the doors: what every figure code gives, the one shot judged per tick, the window
// in which a shot is judged, the type-0 figure down to its hat, the bomb and a shot customer.
#include <gtest/gtest.h>

#include "Mesa.h"

namespace polvareda {
namespace {

class DisparosTest : public prueba::MesaTest {};

constexpr int kFuego2 = 50;  // Disparo2 in the table's configuration

TEST_F(DisparosTest, EveryFigureCodeScoresOrCostsAsItShould) {
    struct Caso {
        int tipo;
        int puntos;
        int tipoDespues;  // after the shot
        int pasoDespues;
        bool juzgado;
        int vidas;
    };
    const Caso casos[] = {
        {1, 100, 11, 13, true, 3},  {2, 200, 12, 13, true, 3},
        {33, 200, 13, 13, true, 3}, {36, 200, 16, 13, true, 3},
        {37, 300, 17, 13, true, 3},  // 250 and the deposit's 50
        {0, 10, -1, 4, true, 3},    {-5, 10, -6, 4, true, 3},
        {11, 0, 11, 5, false, 3},   {24, 0, 24, 5, false, 3},
        {38, 0, 38, 5, false, 3},   {39, 0, 39, 5, false, 3},
        {48, 0, 48, 5, false, 3},   {49, 0, 49, 5, false, 3},
        {8, 0, 28, -2, false, 2},  // a customer shot: hit, fallen, a life, the phase resumes
    };
    Jugar([&](prueba::Mesa& t) {
        t.Fase(7);
        for (const Caso& c : casos) {
            t.Tiempo(true);
            t.p.Vidas = 3;
            t.p.DisparoJuzgado = false;
            t.Abrir(1, c.tipo, 5, 3);
            const std::int32_t antes = t.p.Puntos;
            t.Pulsar(kFuego2);
            t.Soltar(kFuego2);
            const PuertaVisible& v = t.p.Visibles[1];
            EXPECT_EQ(t.p.Puntos - antes, c.puntos) << c.tipo;
            if (c.vidas == 3) {
                EXPECT_EQ(v.Tipo, c.tipoDespues) << c.tipo;
                EXPECT_EQ(v.Paso, c.pasoDespues) << c.tipo;
                EXPECT_EQ(t.p.DisparoJuzgado, c.juzgado) << c.tipo;
            } else {
                EXPECT_EQ(v.Paso, -2);
                EXPECT_EQ(t.m.ventana.modo, Modo::Juego);
            }
            EXPECT_EQ(t.p.Vidas, c.vidas) << c.tipo;
        }
        EXPECT_TRUE(t.p.Depositado[1]);  // the shot type 37 paid for door 1
    });
}

// One shot judged per tick; a shot outside Marca < Paso < Ciclo - 1 still shows, lights its
// lamp and sounds, but judges nothing; a held button does not fire again.
TEST_F(DisparosTest, ShotsAreJudgedOncePerTickAndOnlyInsideTheWindow) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(7);
        t.Tiempo(true);
        t.Abrir(0, 1, 5, 3);
        t.Abrir(1, 1, 5, 3);
        t.Pulsar(49);
        t.Soltar(49);
        t.Pulsar(kFuego2);
        t.Soltar(kFuego2);
        EXPECT_EQ(t.p.Puntos, 100);
        EXPECT_EQ(t.p.Visibles[1].Tipo, 1);  // the second shot waits for the next tick

        const auto disparos = [&] { return t.Llamadas("tocar").size(); };
        for (const auto& [paso, marca] : {std::pair{3, 3}, {11, 3}, {0, 3}}) {
            t.p.DisparoJuzgado = false;
            t.Abrir(1, 1, paso, marca);
            const auto sonidos = disparos();
            t.Pulsar(kFuego2);
            EXPECT_EQ(t.plataforma.Teclas()[20], 1);  // Caps Lock lit for the middle door
            t.Pulsar(kFuego2);                        // held: no second shot
            t.Soltar(kFuego2);
            EXPECT_EQ(disparos(), sonidos + 1);
            EXPECT_EQ(t.p.Visibles[1].Tipo, 1) << paso;
            EXPECT_FALSE(t.p.DisparoJuzgado);
        }
        t.Ticks(1);
        EXPECT_EQ(t.plataforma.Teclas()[20], 0);  // the next tick puts the lamp out
    });
}

// Seven hits strip the type-0 figure to a hat; the money hat pays 150 and the door's deposit,
// the bomb costs a life after twenty flashes and the same phase goes on.
TEST_F(DisparosTest, TheTypeZeroFigureEndsInMoneyOrABomb) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(7);
        bool dinero = false, bomba = false;
        while (!dinero || !bomba) {
            t.Tiempo(true);
            t.p.Vidas = 3;
            t.Abrir(0, 0, 4, 3);
            const std::int32_t antes = t.p.Puntos;
            for (int golpe = 0; golpe < 7; ++golpe) {
                t.p.DisparoJuzgado = false;
                t.JuzgarDisparo(0);
            }
            EXPECT_EQ(t.p.Puntos - antes, 70);
            EXPECT_EQ(t.p.Visibles[0].Paso, 4 - 7);
            const int hat = t.p.Visibles[0].Tipo;
            ASSERT_TRUE(hat == -7 || hat == -8);
            t.p.DisparoJuzgado = false;
            t.p.Depositado[0] = false;
            t.p.Depositos = 0;
            const std::int64_t inicio = t.Ahora();
            t.JuzgarDisparo(0);
            if (hat == -8) {
                dinero = true;
                EXPECT_EQ(t.p.Puntos - antes, 220);
                EXPECT_TRUE(t.p.Depositado[0]);
                EXPECT_EQ(t.p.Visibles[0].Paso, 10);
            } else {
                bomba = true;
                EXPECT_EQ(t.p.Vidas, 2);
                EXPECT_EQ(t.m.ventana.modo, Modo::Juego);
                // 20 flashes of 70 ms, 750 and 150 ms, then the phase is set up again.
                EXPECT_GE(t.Ahora() - inicio, 1400 + 750 + 150);
                EXPECT_LT(t.Ahora() - inicio, 1400 + 750 + 150 + 400);
                t.Tiempo(false);
            }
        }
    });
}

}  // namespace
}  // namespace polvareda
