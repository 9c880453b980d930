// Keys, mouse and pad in play: the pause (also asked for during a scroll), Shift, Escape, the
// mouse buttons as fire buttons and a pad that plays, comes and goes.
#include <gtest/gtest.h>

#include "Figuras.h"
#include "Mesa.h"
#include "Teclas.h"

namespace polvareda {
namespace {

class EntradaTest : public prueba::MesaTest {};

TEST_F(EntradaTest, PauseStopsTheGameAndWaitsForTheEndOfAScroll) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        for (int tecla : {vk::Pausa, vk::F1 + 3}) {
            t.Pulsar(tecla);
            EXPECT_FALSE(t.j.TiempoActivo());
            // Standing still: fire and movement do nothing.
            t.Abrir(1, 1, 5);
            t.Pulsar(50);
            t.Soltar(50);
            EXPECT_EQ(t.p.Puntos, 0);
            t.Pulsar(tecla);
            EXPECT_TRUE(t.j.TiempoActivo());
        }
        // With Shift, Ctrl or Alt the playing keys do nothing.
        t.Pulsar(vk::Pausa, kShift);
        EXPECT_TRUE(t.j.TiempoActivo());
        t.Pulsar(50, kControl);
        EXPECT_EQ(t.p.Puntos, 0);

        // Pause pressed while the wall moves: no tick runs under the scroll, and the game stands
        // paused when it ends.
        for (auto& v : t.p.Visibles) v.Paso = 0;
        Evento pausa;
        pausa.tecla = vk::Pausa;
        t.plataforma.Insertar(t.Ahora() + 100, pausa);
        const auto ticks = [&] {
            int n = 0;
            for (const auto& l : t.plataforma.Llamadas())
                n += l.que == "lampara" && l.detalle == "144=0";
            return n;
        };
        const int antes = ticks();
        t.Teclear(vk::Derecha);
        EXPECT_EQ(ticks(), antes);
        EXPECT_FALSE(t.j.TiempoActivo());
        EXPECT_EQ(t.p.Visibles[0].Puerta, 1);
        t.Pulsar(vk::Pausa);
        EXPECT_TRUE(t.j.TiempoActivo());
    });
}

// No tick runs underneath any long sequence, and play ticks again once it is over; the
// sequences nest only from the rules' own code (checked by the sequence itself in debug).
TEST_F(EntradaTest, EveryLongSequenceHoldsTheTickAndGivesItBack) {
    Jugar([&](prueba::Mesa& t) {
        int vistos = 0;
        int conTick = 0;
        t.m.bucle.Habilitar(t.m.bucle.AgregarTemporizador("sonda", 40,
                                                          [&] {
                                                              vistos += t.p.secuencias > 0;
                                                              conTick += t.p.secuencias > 0 &&
                                                                         t.j.TiempoActivo();
                                                          }),
                            true);
        const auto disparo = [&](int tipo) {
            t.Abrir(1, tipo, 5);
            t.Teclear(50);
        };
        const std::vector<std::pair<std::string, std::function<void()>>> secuencias = {
            {"scroll",
             [&] {
                 for (auto& v : t.p.Visibles) v.Paso = 0;
                 t.Teclear(vk::Derecha);
             }},
            {"customer", [&] { disparo(3); }},
            {"bomb", [&] { disparo(figura::kSombreroBomba); }},
            {"bang", [&] { t.Bang(), t.PrepararFase(); }},
            {"duel", [&] { t.FinDeFase(); }},
        };
        for (const auto& [nombre, secuencia] : secuencias) {
            t.Fase(2);
            t.p.Vidas = 3;
            vistos = conTick = 0;
            secuencia();
            SCOPED_TRACE(nombre);
            EXPECT_GT(vistos, 0);
            EXPECT_EQ(conTick, 0);
            EXPECT_TRUE(t.j.TiempoActivo());
            EXPECT_EQ(t.p.secuencias, 0);
        }
    });
}

// Pause, F4 or the pad's Start pressed in the middle of any long sequence is not lost: the
// game stands paused once the sequence has given play back.
TEST_F(EntradaTest, PausePressedDuringAnySequenceIsTakenWhenItEnds) {
    Jugar([&](prueba::Mesa& t) {
        const auto disparo = [&](int tipo) {
            t.Abrir(1, tipo, 5);
            t.Teclear(50);
        };
        const std::vector<std::tuple<std::string, std::int64_t, std::function<void()>>> casos = {
            {"captions", 400, [&] { t.Fase(2); }},
            {"bang", 300, [&] { t.Bang(), t.PrepararFase(); }},
            {"customer", 300, [&] { disparo(3); }},
            {"bomb", 500, [&] { disparo(figura::kSombreroBomba); }},
            {"duel countdown", 2000, [&] { t.FinDeFase(); }},
            {"duel", 7000, [&] { t.FinDeFase(); }},
        };
        for (const auto& [nombre, enMs, secuencia] : casos) {
            for (const bool mando : {false, true}) {
                SCOPED_TRACE(nombre + (mando ? " (pad)" : ""));
                t.Fase(2);
                t.p.Vidas = 3;
                t.p.DisparoJuzgado = false;  // no tick has run since the last case's shot
                Evento pausa;
                pausa.tecla = vk::Pausa;
                if (mando) {
                    pausa.tipo = TipoEvento::MandoPulsado;
                    pausa.boton = kMandoStart;
                }
                t.plataforma.Insertar(t.Ahora() + enMs, pausa);
                secuencia();
                EXPECT_EQ(t.p.secuencias, 0);
                EXPECT_FALSE(t.j.TiempoActivo());
                t.Pulsar(vk::Pausa);
                EXPECT_TRUE(t.j.TiempoActivo());
            }
        }
    });
}

// The blinking word leaves the picture under it exactly as it found it, however often the
// pause is asked for while it shows.
TEST_F(EntradaTest, ThePauseWordPutsBackWhatWasUnderIt) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(4);
        t.Tiempo(false);
        const Imagen juego = t.m.ventana.lienzo.Pixeles();
        t.Pausar(true);
        const Imagen conPalabra = t.m.ventana.lienzo.Pixeles();
        EXPECT_NE(conPalabra, juego);
        t.Pausar(true);  // asked again while the word shows: it is not taken for the picture
        t.Esperar(260);
        EXPECT_EQ(t.m.ventana.lienzo.Pixeles(), juego);
        t.Esperar(250);
        EXPECT_EQ(t.m.ventana.lienzo.Pixeles(), conPalabra);
        t.Pausar(false);
        EXPECT_EQ(t.m.ventana.lienzo.Pixeles(), juego);
        EXPECT_TRUE(t.j.TiempoActivo());
    });
}

TEST_F(EntradaTest, MouseButtonsFireAtTheirDoorsAndEscapeEndsTheGame) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        const int botones[3] = {kBotonIzquierdo, kBotonCentral, kBotonDerecho};
        for (int k = 0; k < 3; ++k) {
            t.p.DisparoJuzgado = false;
            t.Abrir(k, 1, 5);
            t.Raton(TipoEvento::RatonPulsado, botones[k]);
            t.Raton(TipoEvento::RatonSoltado, botones[k]);
            EXPECT_EQ(t.p.Visibles[static_cast<std::size_t>(k)].Tipo, 11) << k;
        }
        EXPECT_EQ(t.p.Puntos, 300);
        t.Pulsar(vk::Escape);
        ADD_FAILURE() << "Escape did not end the game";
    });
    EXPECT_TRUE(terminada);
}

// The pad through a script: plugged in during play it works at once; A, B and X fire at the
// three doors, the d-pad and the stick move the wall, Start pauses, and pulling it out pauses.
TEST_F(EntradaTest, APadPlaysAndPullingItOutPauses) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        for (auto& v : t.p.Visibles) v.Paso = 0;
        const auto pad = [&](TipoEvento tipo, int boton, int valor = 0) {
            Evento e;
            e.tipo = tipo;
            e.boton = boton;
            e.x = valor;
            t.plataforma.Insertar(t.Ahora(), e);
            t.m.bucle.AtenderPendientes();
        };
        pad(TipoEvento::MandoConectado, 0);
        EXPECT_TRUE(t.m.joystickConectado);
        t.Abrir(2, 2, 8, 7);
        // Fire 3 placed on Y ([Mando] Disparo3=y): X, moved away, plays nothing.
        t.m.entrada.ColocarBotones({kMandoA, kMandoB, kMandoY, kMandoStart, kMandoBack});
        pad(TipoEvento::MandoPulsado, kMandoX);
        pad(TipoEvento::MandoSoltado, kMandoX);
        EXPECT_EQ(t.p.Puntos, 0);
        pad(TipoEvento::MandoPulsado, kMandoY);
        pad(TipoEvento::MandoSoltado, kMandoY);
        EXPECT_EQ(t.p.Puntos, 200);
        t.m.entrada.ColocarBotones(Configuracion{}.botonesMando);

        for (auto& v : t.p.Visibles) v.Paso = 0;
        Evento suelta;
        suelta.tipo = TipoEvento::MandoSoltado;
        suelta.boton = kMandoDpRight;
        t.plataforma.Insertar(t.Ahora() + 1, suelta);
        pad(TipoEvento::MandoPulsado, kMandoDpRight);
        EXPECT_EQ(t.p.Visibles[0].Puerta, 1);
        // The stick pushed left, eased to 12000 (not back yet) and let go during the scroll.
        Evento eje;
        eje.tipo = TipoEvento::MandoEje;
        eje.boton = kEjeLeftX;
        eje.x = 12000;
        t.plataforma.Insertar(t.Ahora() + 50, eje);
        eje.x = 0;
        t.plataforma.Insertar(t.Ahora() + 100, eje);
        pad(TipoEvento::MandoEje, kEjeLeftX, -30000);
        EXPECT_FALSE(t.p.IzquierdaPulsada);
        EXPECT_EQ(t.p.Visibles[0].Puerta, 0);

        pad(TipoEvento::MandoPulsado, kMandoStart);
        EXPECT_FALSE(t.j.TiempoActivo());
        pad(TipoEvento::MandoPulsado, kMandoStart);
        EXPECT_TRUE(t.j.TiempoActivo());
        pad(TipoEvento::MandoDesconectado, 0);
        EXPECT_FALSE(t.j.TiempoActivo());
        EXPECT_FALSE(t.m.joystickConectado);
    });
}

// The close button in the middle of the duel (and of the scroll) ends the run in order.
TEST_F(EntradaTest, ClosingTheWindowDuringALongSequenceShutsDownInOrder) {
    for (const bool enDuelo : {true, false}) {
        PlataformaSinPantalla plataforma(43200.0);
        EstadoTeclas antes{};
        antes[20] = 1;  // Caps Lock lit before the game
        plataforma.FijarEstadoTeclas(antes);
        bool despues = false;
        Jugar(
            [&](prueba::Mesa& t) {
                t.Fase(1);
                Evento cerrar;
                cerrar.tipo = TipoEvento::Cerrar;
                t.plataforma.Insertar(t.Ahora() + (enDuelo ? 3000 : 100), cerrar);
                if (enDuelo) {
                    t.Tiempo(false);
                    t.Duelo();
                } else {
                    for (auto& v : t.p.Visibles) v.Paso = 0;
                    t.Pulsar(vk::Derecha);
                }
                despues = true;
            },
            prueba::kIniMesa, &plataforma);
        EXPECT_FALSE(despues);
        EXPECT_EQ(plataforma.Teclas()[20], 1);
        EXPECT_FALSE(plataforma.PantallaAbierta());
        EXPECT_TRUE(std::filesystem::exists(CarpetaJuego() / "Polvareda.DAT"));
    }
}

}  // namespace
}  // namespace polvareda
