// The duel: points by the step a gunman is shot at, the extra life, the foul, and whole duels
// played by a perfect player, a hasty one and nobody.
#include <gtest/gtest.h>

#include "Mesa.h"

namespace polvareda {
namespace {

class DueloTest : public prueba::MesaTest {};

constexpr int kFuego[3] = {49, 50, 51};

TEST_F(DueloTest, AShotScoresByTheStepOfTheDraw) {
    struct Caso {
        int paso;
        int vidas;
        bool vidaExtra;
        int puntos;
        bool extra;
    };
    const Caso casos[] = {
        {4, 3, true, 0, true}, {4, 5, true, 900, false}, {4, 3, false, 900, false},
        {1, 4, true, 0, true}, {5, 3, true, 800, false}, {9, 3, true, 400, false},
    };
    Jugar([&](prueba::Mesa& t) {
        t.m.ventana.modo = Modo::Duelo;
        for (const Caso& c : casos) {
            t.m.configuracion.vidaExtra = c.vidaExtra;
            t.p.Vidas = static_cast<std::int16_t>(c.vidas);
            t.p.ExtraGanada = false;
            t.p.DueloFallido = 0;
            t.Abrir(1, 35, c.paso);
            const std::int32_t antes = t.p.Puntos;
            t.Pulsar(kFuego[1]);
            t.Soltar(kFuego[1]);
            EXPECT_EQ(t.p.Puntos - antes, c.puntos) << c.paso;
            EXPECT_EQ(t.p.ExtraGanada, c.extra) << c.paso;
            EXPECT_EQ(t.p.Visibles[1].Tipo, 15);
            EXPECT_EQ(t.p.Visibles[1].Paso, 12);
        }
        // One extra life a duel: a second quick shot scores 900.
        t.m.configuracion.vidaExtra = true;
        t.p.Vidas = 3;
        t.p.ExtraGanada = true;
        t.Abrir(0, 34, 2);
        t.Pulsar(kFuego[0]);
        EXPECT_EQ(t.p.Puntos, 800 + 400 + 900 * 3);
        // Another fire key held: no shot.
        t.Abrir(2, 36, 2);
        t.Pulsar(kFuego[2]);
        EXPECT_EQ(t.p.Visibles[2].Tipo, 36);
        t.Soltar(kFuego[0]);
        t.Soltar(kFuego[2]);
        // A fallen gunman takes no shot; a standing one is a foul, and then nothing counts.
        t.Abrir(2, 26, 14);
        t.Pulsar(kFuego[2]);
        t.Soltar(kFuego[2]);
        EXPECT_EQ(t.p.DueloFallido, 0);
        t.Abrir(2, 6, 0);
        t.Pulsar(kFuego[2]);
        t.Soltar(kFuego[2]);
        EXPECT_EQ(t.p.DueloFallido, 3);
        t.Abrir(1, 35, 5);
        const std::int32_t antes = t.p.Puntos;
        t.Pulsar(kFuego[1]);
        EXPECT_EQ(t.p.Puntos, antes);
    });
}

// A fire key held through a lost life or through the duel's countdown repeats its key-down; a
// repeat is not a new press, so it neither fires at the resumed doors nor fouls a gunman.
TEST_F(DueloTest, AHeldFireKeyRepeatingIsNeitherAShotNorAFoul) {
    Jugar([&](prueba::Mesa& t) {
        const auto tecla = [&](int k, bool repeticion) {
            Evento e;
            e.tipo = TipoEvento::TeclaPulsada;
            e.tecla = kFuego[k];
            e.repeticion = repeticion;
            t.plataforma.Insertar(t.Ahora(), e);
            t.Esperar(1);
        };
        t.Fase(1);
        tecla(0, false);
        const auto tras = t.Llamadas("tocar").size();
        EXPECT_TRUE(t.p.DisparoPulsado[0]);
        t.PrepararFase();  // the phase resumed after a lost life forgets the held keys
        tecla(0, true);
        EXPECT_EQ(t.Llamadas("tocar").size(), tras);
        EXPECT_FALSE(t.p.DisparoPulsado[0]);

        t.m.ventana.modo = Modo::Duelo;
        t.Abrir(0, 4, 0);
        t.Abrir(1, 35, 3);
        tecla(0, true);
        EXPECT_EQ(t.p.DueloFallido, 0);
        tecla(1, false);
        EXPECT_EQ(t.p.Visibles[1].Tipo, 15);
    });
}

// A whole duel, with a player the test plays through a timer of its own: `tirador` is asked
// every 10 ms which gunman (if any) to shoot.
class DueloEntero : public DueloTest {
  protected:
    void Duelo(prueba::Mesa& t, const std::function<int(const Partida&)>& tirador) {
        const int reloj = t.m.bucle.AgregarTemporizador("tirador", 10, [&t, tirador] {
            if (t.m.ventana.modo != Modo::Duelo) return;
            const int k = tirador(t.p);
            if (k < 0) return;
            t.Pulsar(kFuego[k]);
            t.Soltar(kFuego[k]);
        });
        t.m.bucle.Habilitar(reloj, true);
        t.Duelo();
        t.m.bucle.Habilitar(reloj, false);
    }
};

TEST_F(DueloEntero, APerfectPlayerWinsALifeAndPointsAndTheNextLevelBegins) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        t.Tiempo(false);
        Duelo(t, [](const Partida& p) {
            for (int k = 0; k < 3; ++k)
                if (p.Visibles[static_cast<std::size_t>(k)].Tipo == 34 + k) return k;
            return -1;
        });
        EXPECT_EQ(t.p.Vidas, 4);
        EXPECT_EQ(t.p.Puntos, 1800);
        EXPECT_EQ(t.p.Nivel, 2);
        EXPECT_EQ(t.m.ventana.modo, Modo::Juego);
    });
}

TEST_F(DueloEntero, AFoulOrAGunmanLeftStandingCostsALifeAndTheGameGoesOn) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        t.Tiempo(false);
        Duelo(t, [](const Partida& p) {
            for (int k = 0; k < 3; ++k)
                if (p.Visibles[static_cast<std::size_t>(k)].Tipo == 4 + k) return k;
            return -1;
        });
        EXPECT_NE(t.p.DueloFallido, 0);
        EXPECT_EQ(t.p.Vidas, 2);
        EXPECT_EQ(t.p.Nivel, 2);
        t.Tiempo(false);

        Duelo(t, [](const Partida&) { return -1; });
        EXPECT_EQ(t.p.Vidas, 1);
        EXPECT_EQ(t.p.Nivel, 3);
        EXPECT_EQ(t.p.Puntos, 0);
        t.Tiempo(false);

        // The last life lost in the duel ends the game.
        Duelo(t, [](const Partida&) { return -1; });
    });
    EXPECT_TRUE(terminada);
}

}  // namespace
}  // namespace polvareda
