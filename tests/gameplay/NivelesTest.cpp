// The level table and the time of day, as a phase is set up from them.
#include "Niveles.h"

#include <gtest/gtest.h>

#include "Mesa.h"

namespace polvareda {
namespace {

TEST(Niveles, TypesOddsAndTickFollowTheLevel) {
    struct Caso {
        int nivel;
        std::array<int, 10> tipos;
        int apertura;
        int intervalo;
    };
    const Caso casos[] = {
        {1, {1, 1, 0, 0, 0, 0, 0, 0, 1, 1}, 15, 150},
        {2, {1, 1, 0, 1, 0, 0, 0, 0, 1, 1}, 15, 150},
        {3, {1, 1, 1, 0, 0, 0, 0, 0, 1, 1}, 15, 150},
        {4, {1, 1, 1, 1, 0, 0, 0, 1, 1, 1}, 15, 150},
        {5, {1, 1, 1, 1, 1, 0, 0, 1, 1, 1}, 15, 150},
        {6, {1, 1, 1, 1, 1, 1, 0, 1, 1, 1}, 15, 150},
        {9, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 15, 150},
        {11, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 14, 140},
        {12, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 13, 130},
        {15, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 12, 120},
        {18, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 11, 110},
        {40, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10, 100},
    };
    for (const Caso& c : casos) {
        const auto tipos = TiposPermitidos(c.nivel);
        for (std::size_t k = 0; k < 10; ++k)
            EXPECT_EQ(tipos[k], c.tipos[k] != 0) << c.nivel << " " << k;
        EXPECT_EQ(ParametrosDeNivel(c.nivel).apertura, c.apertura) << c.nivel;
        EXPECT_EQ(ParametrosDeNivel(c.nivel).intervaloMs, c.intervalo) << c.nivel;
    }
    EXPECT_TRUE(EsTarde(8) && EsTarde(17) && !EsTarde(9));
    EXPECT_TRUE(EsNoche(9) && EsNoche(18) && !EsNoche(8));
    EXPECT_TRUE(EmpiezaDia(1) && EmpiezaDia(10) && EmpiezaDia(19));
    EXPECT_EQ(NumeroDeDia(10), 2);
}

class FaseTest : public prueba::MesaTest {};

// A new phase loads its time of day, shows its captions, sets the doors and the timer; level
// 19 first shows the sheriff and waits for a key.
TEST_F(FaseTest, NewPhasesTakeTheirPicturesCaptionsAndParameters) {
    Jugar([](prueba::Mesa& t) {
        const Superficies& s = t.m.ventana.graficos.superficies;
        const Coloreados& c = t.m.ventana.coloreados;
        for (const auto& [nivel, conjunto] :
             {std::pair{8, &c.tarde}, {9, &c.noche}, {10, &c.dia}}) {
            const std::int64_t antes = t.Ahora();
            t.Fase(nivel);
            EXPECT_TRUE(s.Paisaje.imagen == conjunto->Paisaje) << nivel;
            // Captions: the day (only when a day starts) and the phase, 1.25 s each.
            EXPECT_NEAR(static_cast<double>(t.Ahora() - antes),
                        (nivel == 10 ? 2 * 1250 : 1250) + 250 + 50, 2)
                << nivel;
            EXPECT_EQ(t.IntervaloTiempo(), nivel == 10 ? 140 : 150);
            EXPECT_EQ(t.p.Visibles[0].Apertura, nivel == 10 ? 14 : 15);
            EXPECT_TRUE(t.j.TiempoActivo());
            EXPECT_EQ(t.m.ventana.modo, Modo::Juego);
        }
        // The sheriff waits for a key before level 19 goes on.
        Evento tecla;
        tecla.tecla = 32;
        t.plataforma.Insertar(t.Ahora() + 5000, tecla);
        const std::int64_t antes = t.Ahora();
        t.Fase(19);
        EXPECT_GE(t.Ahora() - antes, 5000);
        EXPECT_EQ(t.p.Visibles[2].Apertura, 10);
        EXPECT_EQ(t.m.ventana.modo, Modo::Juego);
    });
}

}  // namespace
}  // namespace polvareda
