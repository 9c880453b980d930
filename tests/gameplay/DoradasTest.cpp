// Golden pictures of play: the three door widths, a hit, the duel's street and the bomb's
// inverted frame, at scale 1 in a 256 x 192 window.
#include <gtest/gtest.h>

#include "Dorada.h"
#include "Mesa.h"

namespace polvareda {
namespace {

class DoradasTest : public prueba::MesaTest {
  protected:
    static void Comparar(const prueba::Mesa& t, const std::string& nombre) {
        prueba::CompararConDorada(
            t.m.ventana.lienzo.Pixeles(),
            std::filesystem::path(POLVAREDA_SOURCE_DIR) / "tests/gameplay/golden", nombre);
    }
    // The picture at the first moment of mode `modo` inside a long sequence, seen from a
    // timer of the test's own.
    static void FotoEnModo(prueba::Mesa& t, Modo modo, Imagen& foto) {
        const int reloj = t.m.bucle.AgregarTemporizador("foto", 5, [&t, modo, &foto] {
            if (foto.Empty() && t.m.ventana.modo == modo) foto = t.m.ventana.lienzo.Pixeles();
        });
        t.m.bucle.Habilitar(reloj, true);
    }
};

TEST_F(DoradasTest, DoorsHitDuelAndBomb) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(5);
        t.Abrir(0, 1, 1);
        t.Abrir(1, 8, 2);
        t.Abrir(2, 0, 3);
        t.Ticks(1);
        Comparar(t, "puertas.png");

        t.Abrir(1, 2, 7, 6);
        t.Pulsar(50);
        t.Soltar(50);
        Comparar(t, "impacto.png");

        Imagen bomba;
        FotoEnModo(t, Modo::Bomba, bomba);
        t.Abrir(2, -7, 5);
        t.p.DisparoJuzgado = false;
        t.JuzgarDisparo(2);
        ASSERT_FALSE(bomba.Empty());
        prueba::CompararConDorada(
            bomba, std::filesystem::path(POLVAREDA_SOURCE_DIR) / "tests/gameplay/golden",
            "bomba.png");

        Imagen calle;
        FotoEnModo(t, Modo::Duelo, calle);
        t.Tiempo(false);
        t.Duelo();
        ASSERT_FALSE(calle.Empty());
        prueba::CompararConDorada(
            calle, std::filesystem::path(POLVAREDA_SOURCE_DIR) / "tests/gameplay/golden",
            "duelo.png");
    });
}

}  // namespace
}  // namespace polvareda
