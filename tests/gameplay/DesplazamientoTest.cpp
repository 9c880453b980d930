// The scroll of the wall: one door per press, on and on while the key is held, the door
// numbers wrapping round, the speed keys, and no scroll while a door is open.
#include <gtest/gtest.h>

#include "Mesa.h"
#include "Teclas.h"

namespace polvareda {
namespace {

class DesplazamientoTest : public prueba::MesaTest {};

std::array<int, 3> Puertas(const Partida& p) {
    return {p.Visibles[0].Puerta, p.Visibles[1].Puerta, p.Visibles[2].Puerta};
}

TEST_F(DesplazamientoTest, APressScrollsOneDoorAndAHeldKeyScrollsOn) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        for (auto& v : t.p.Visibles) v.Paso = 0;

        // Right from 0 1 2 twice... and left round the end: 11 0 1.
        const std::int64_t inicio = t.Ahora();
        t.Teclear(vk::Derecha);
        // 22 steps of 8 pixels, 15 ms apart.
        EXPECT_GE(t.Ahora() - inicio, 22 * 15);
        EXPECT_LT(t.Ahora() - inicio, 22 * 15 + 30);
        EXPECT_EQ(Puertas(t.p), (std::array<int, 3>{1, 2, 3}));
        EXPECT_EQ(t.p.Recorrido, 176);
        EXPECT_TRUE(t.j.TiempoActivo());
        t.Teclear(79);  // the configured left key
        t.Teclear(vk::Izquierda);
        EXPECT_EQ(Puertas(t.p), (std::array<int, 3>{11, 0, 1}));

        // Held for 800 ms: the key is let go during the third door, which is finished.
        t.SoltarEn(vk::Izquierda, 800);
        t.Pulsar(vk::Izquierda);
        EXPECT_EQ(Puertas(t.p), (std::array<int, 3>{8, 9, 10}));
        EXPECT_FALSE(t.p.IzquierdaPulsada);

        // Faster and slower: keypad + and -, Scroll Lock between 5 and 15.
        t.Pulsar(vk::Sumar);
        EXPECT_EQ(t.m.configuracion.scroll, 14);
        t.Pulsar(vk::Restar);
        t.Pulsar(vk::Restar);
        EXPECT_EQ(t.m.configuracion.scroll, 16);
        t.Pulsar(vk::BloqDespl);
        EXPECT_EQ(t.m.configuracion.scroll, 15);
        t.Pulsar(vk::BloqDespl);
        EXPECT_EQ(t.m.configuracion.scroll, 5);
        t.m.configuracion.scroll = 10;
        t.Pulsar(vk::BloqDespl);
        EXPECT_EQ(t.m.configuracion.scroll, 5);
    });
}

// An open door stops the wall: the key is only remembered, and the first tick with every
// door closed scrolls. With twelve deposits the wall stays.
TEST_F(DesplazamientoTest, OpenDoorsAndAFullBankHoldTheWall) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        t.Abrir(1, 0, 10);
        t.Pulsar(vk::Derecha);
        EXPECT_TRUE(t.p.DerechaPulsada);
        EXPECT_EQ(Puertas(t.p), (std::array<int, 3>{0, 1, 2}));
        t.Ticks(2);  // steps 10 and 11
        EXPECT_EQ(Puertas(t.p), (std::array<int, 3>{0, 1, 2}));
        t.SoltarEn(vk::Derecha, 100);
        t.Ticks(1);  // it closes, so every door is: the held key scrolls in this same tick
        EXPECT_EQ(Puertas(t.p), (std::array<int, 3>{1, 2, 3}));

        t.p.Depositos = 12;
        t.Teclear(vk::Derecha);
        EXPECT_EQ(Puertas(t.p), (std::array<int, 3>{1, 2, 3}));
    });
}

}  // namespace
}  // namespace polvareda

namespace polvareda {
namespace {

class DesplazamientoDemoTest : public prueba::MesaTest {};

// The attract game presses and releases its move keys at once: at the end of a scroll, a key
// it still seems to hold never scrolls on, to the left or to the right.
TEST_F(DesplazamientoDemoTest, AttractGameNeverScrollsOnByItself) {
    Jugar([](prueba::Mesa& t) {
        t.Fase(6);
        for (const int dir : {0, 1}) {
            t.p.Demo = true;
            t.m.ventana.modo = Modo::Auto;
            t.p.IzquierdaPulsada = t.p.DerechaPulsada = true;
            EXPECT_FALSE(t.FinDesplazamiento(dir)) << dir;
            t.p.Demo = false;
            t.m.ventana.modo = Modo::Juego;
            t.p.IzquierdaPulsada = t.p.DerechaPulsada = true;
            EXPECT_TRUE(t.FinDesplazamiento(dir)) << dir;
        }
        t.p.IzquierdaPulsada = t.p.DerechaPulsada = false;
    });
}

}  // namespace
}  // namespace polvareda
