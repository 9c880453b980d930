// The event pump: timers, waits, nesting and the screen's catching up.
#include "BucleEventos.h"

#include <gtest/gtest.h>

#include "PlataformaSinPantalla.h"

namespace polvareda {
namespace {

struct Banco {
    explicit Banco(double hora = 43200.0) : plataforma(hora), bucle(plataforma, ventana) {
        bucle.AlEvento([this](const Evento& e) { eventos.push_back(e.tipo); });
    }
    PlataformaSinPantalla plataforma;
    Ventana ventana;
    BucleEventos bucle;
    std::vector<TipoEvento> eventos;
};

TEST(Esperar, WaitsTheTimeAcrossMidnightInsteadOfADay) {
    Banco b(86399.0);
    b.bucle.Esperar(3000);
    EXPECT_GE(b.plataforma.AhoraMs(), 3000);
    EXPECT_LE(b.plataforma.AhoraMs(), 3001);
}

TEST(Esperar, EndsEarlyWhenTheModeChangesButNotWithoutAMode) {
    Banco b;
    b.ventana.modo = Modo::Menu;
    const int t = b.bucle.AgregarTemporizador("cambio", 250, [&] { b.ventana.modo = Modo::Juego; });
    b.bucle.Habilitar(t, true);
    b.bucle.Esperar(5000, Modo::Menu);
    EXPECT_EQ(b.plataforma.AhoraMs(), 250);

    b.bucle.Esperar(1000);  // the timer keeps changing the mode; the wait runs its course
    EXPECT_GE(b.plataforma.AhoraMs(), 1250);

    b.ventana.modo = Modo::Juego;
    b.bucle.Esperar(1000, Modo::Menu);  // already another mode: no wait at all
    EXPECT_LE(b.plataforma.AhoraMs(), 1251);
}

TEST(Esperar, KeepsHandlingEventsWhileItWaits) {
    Banco b;
    Evento tecla;
    tecla.tecla = 65;
    b.plataforma.Encolar(100, tecla);
    b.plataforma.Encolar(200, tecla);
    b.bucle.Esperar(500);
    ASSERT_GE(b.eventos.size(), 2u);
    EXPECT_EQ(b.eventos[0], TipoEvento::TeclaPulsada);
    EXPECT_EQ(b.eventos[1], TipoEvento::TeclaPulsada);
}

TEST(Temporizadores, FireAtTheirIntervalOnlyWhileEnabled) {
    Banco b;
    std::vector<std::int64_t> disparos;
    const int t = b.bucle.AgregarTemporizador("tiempo", 150,
                                              [&] { disparos.push_back(b.plataforma.AhoraMs()); });
    EXPECT_EQ(b.bucle.BuscarTemporizador("tiempo"), t);
    EXPECT_EQ(b.bucle.BuscarTemporizador("otro"), -1);
    b.bucle.Esperar(400);
    EXPECT_TRUE(disparos.empty());
    b.bucle.Habilitar(t, true);  // counts from now
    b.bucle.Esperar(460);
    EXPECT_EQ(disparos, (std::vector<std::int64_t>{550, 700, 850}));
    b.bucle.Habilitar(t, false);
    b.bucle.Esperar(500);
    EXPECT_EQ(disparos.size(), 3u);
}

TEST(Temporizadores, AHandlerNeverRunsInsideItself) {
    Banco b;
    int dentro = 0;
    int maximo = 0;
    int veces = 0;
    int otros = 0;
    const int lento = b.bucle.AgregarTemporizador("lento", 10, [&] {
        ++veces;
        maximo = std::max(maximo, ++dentro);
        b.bucle.Esperar(100);  // a long sequence inside the tick
        --dentro;
    });
    const int rapido = b.bucle.AgregarTemporizador("GiraDolar", 25, [&] { ++otros; });
    b.bucle.Habilitar(lento, true);
    b.bucle.Habilitar(rapido, true);
    b.bucle.Esperar(1000);
    EXPECT_EQ(maximo, 1);
    EXPECT_GT(veces, 5);
    EXPECT_GT(otros, 30);  // other timers go on during the long sequence
}

TEST(Presentar, ChangesReachTheScreenAfterAHandlerUnlessDrawingIsPersistent) {
    Banco b;
    b.ventana.lienzo.Redimensionar(256, 192);
    b.plataforma.AbrirPantalla(Pantalla{{256, 192}, false, "", nullptr, {}});
    b.ventana.abierta = true;
    Evento tecla;
    b.plataforma.Encolar(10, tecla);
    b.plataforma.Encolar(20, tecla);
    b.plataforma.Encolar(30, tecla);
    b.bucle.AlEvento([&](const Evento&) { b.ventana.lienzo.Rellenar({0, 0, 4, 4}, 0xFF0000); });
    b.bucle.PresentarSiToca();  // the new black canvas
    const int antes = b.plataforma.Presentaciones();

    b.bucle.Atender(10);
    EXPECT_EQ(b.plataforma.Presentaciones(), antes + 1);
    EXPECT_EQ(b.plataforma.Ventana().At(0, 0), 0xFF0000u);

    b.ventana.lienzo.Persistente(true);
    b.bucle.Atender(20);
    EXPECT_EQ(b.plataforma.Presentaciones(), antes + 1);  // waits for a refresh
    b.ventana.lienzo.Refrescar();
    b.bucle.Atender(30);
    EXPECT_EQ(b.plataforma.Presentaciones(), antes + 2);
}

TEST(Presentar, DrawingBeforeAWaitIsOnScreenDuringTheWait) {
    Banco b;
    b.ventana.lienzo.Redimensionar(256, 192);
    b.plataforma.AbrirPantalla(Pantalla{{256, 192}, false, "", nullptr, {}});
    b.ventana.abierta = true;
    b.ventana.lienzo.Persistente(true);
    b.ventana.lienzo.Rellenar({0, 0, 4, 4}, 0x00FF00);
    b.ventana.lienzo.Refrescar();
    int vistasDuranteLaEspera = 0;
    b.bucle.AgregarTemporizador("mirar", 50, [&] {
        if (b.plataforma.Ventana().At(0, 0) == 0x00FF00u) ++vistasDuranteLaEspera;
    });
    b.bucle.Habilitar(b.bucle.BuscarTemporizador("mirar"), true);
    b.bucle.Esperar(200);
    EXPECT_GE(vistasDuranteLaEspera, 3);
}

}  // namespace
}  // namespace polvareda
