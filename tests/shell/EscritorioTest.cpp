// The desktop's keys and the focus on the whole game: Alt+Enter, the screenshot key, the
// volume keys and the pause when the window is left. None of their keys reaches the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "CarpetaDePrueba.h"
#include "Entorno.h"
#include "Mesa.h"
#include "SoloPosix.h"
#include "Teclas.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

constexpr int kF11 = vk::F1 + 10;
constexpr int kF12 = vk::F1 + 11;

class EscritorioTest : public prueba::MesaTest {
  protected:
    EscritorioTest() {
        fs::create_directories(imagenes_);
        prueba::PonerVariable("XDG_PICTURES_DIR", imagenes_.string());
    }
    ~EscritorioTest() override { prueba::QuitarVariable("XDG_PICTURES_DIR"); }

    // A key event through the window's whole dispatch, as the platform delivers it.
    static void Tecla(prueba::Mesa& t, TipoEvento tipo, int tecla, int shift = 0) {
        Evento e;
        e.tipo = tipo;
        e.tecla = tecla;
        e.shift = shift;
        t.plataforma.Insertar(t.Ahora(), e);
        t.Esperar(1);
    }
    static void Golpe(prueba::Mesa& t, int tecla, int shift = 0) {
        Tecla(t, TipoEvento::TeclaPulsada, tecla, shift);
        Tecla(t, TipoEvento::TeclaSoltada, tecla, shift);
    }
    static void Foco(prueba::Mesa& t, bool ganado) {
        Evento e;
        e.tipo = ganado ? TipoEvento::FocoGanado : TipoEvento::FocoPerdido;
        t.plataforma.Insertar(t.Ahora(), e);
        t.Esperar(1);
    }
    std::vector<std::string> Capturas() const {
        std::vector<std::string> nombres;
        for (const auto& f : fs::directory_iterator(imagenes_))
            nombres.push_back(f.path().filename().string());
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }

    prueba::CarpetaDePrueba carpeta_;
    fs::path imagenes_ = carpeta_ / "Imagenes";
};

TEST_F(EscritorioTest, AltEnterSwitchesAtAnyMomentAndNeverReachesTheGame) {
    Jugar([&](prueba::Mesa& t) {
        // The sheriff's star ends at any key: the mode shows whether a key got through.
        t.m.ventana.modo = Modo::Sheriff;
        Tecla(t, TipoEvento::TeclaPulsada, vk::Intro, kAlt);
        Tecla(t, TipoEvento::TeclaPulsada, vk::Intro, kAlt);  // held: a repeat
        Tecla(t, TipoEvento::TeclaSoltada, vk::Intro, kAlt);
        EXPECT_EQ(t.m.ventana.modo, Modo::Sheriff);
        EXPECT_EQ(t.Llamadas("pantalla_completa"), std::vector<std::string>{"1"});
        EXPECT_TRUE(t.plataforma.PantallaCompleta());

        // In play, with the tick running: back to the window, and play goes on.
        t.Fase(1);
        Golpe(t, vk::Intro, kAlt);
        EXPECT_EQ(t.Llamadas("pantalla_completa"), (std::vector<std::string>{"1", "0"}));
        EXPECT_TRUE(t.j.TiempoActivo());
        // Enter alone, or with Ctrl as well, is not the switch.
        t.m.ventana.modo = Modo::Sheriff;
        Golpe(t, vk::Intro, kAlt | kControl);
        EXPECT_EQ(t.m.ventana.modo, Modo::Ninguno);
        EXPECT_EQ(t.Llamadas("pantalla_completa").size(), 2u);
    });
}

TEST_F(EscritorioTest, TheScreenshotKeyWritesTheCanvasNeverOverwritesAndConfirms) {
    POLVAREDA_SOLO_POSIX(
        "Windows names the Pictures folder itself; XDG_PICTURES_DIR is not looked at there");
    Jugar([&](prueba::Mesa& t) {
        t.m.ventana.modo = Modo::Sheriff;
        Golpe(t, kF12);
        Golpe(t, kF12);  // the same second: a second name
        EXPECT_EQ(t.m.ventana.modo, Modo::Sheriff);
        const std::string hora = t.plataforma.FechaYHora();
        ASSERT_EQ(Capturas(), (std::vector<std::string>{"Polvareda-" + hora + "-2.png",
                                                        "Polvareda-" + hora + ".png"}));
        const auto imagen = CargarImagen(imagenes_ / ("Polvareda-" + hora + ".png"));
        ASSERT_TRUE(imagen);
        EXPECT_EQ(imagen->Width(), t.m.ventana.lienzo.Pixeles().Width());
        EXPECT_EQ(imagen->Height(), t.m.ventana.lienzo.Pixeles().Height());
        EXPECT_TRUE(*imagen == t.m.ventana.lienzo.Pixeles());
        // Our own sound, made in memory, played on a channel of its own each time.
        EXPECT_EQ(t.Llamadas("muestra").back(), "24 memoria");
        const auto tocadas = t.Llamadas("tocar");
        EXPECT_EQ(std::count(tocadas.begin(), tocadas.end(), "31 24 0"), 2);

        // The folder gone: one line, nothing written, and the game goes on.
        fs::remove_all(imagenes_);
        testing::internal::CaptureStderr();
        Golpe(t, kF12);
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(error.starts_with("Polvareda: screenshot not saved: the folder")) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);
        EXPECT_FALSE(fs::exists(imagenes_));
        EXPECT_EQ(t.m.ventana.modo, Modo::Sheriff);
    });
}

TEST_F(EscritorioTest, F12BoundToAGameKeyStaysTheGamesAndF11TakesTheScreenshot) {
    POLVAREDA_SOLO_POSIX(
        "Windows names the Pictures folder itself; XDG_PICTURES_DIR is not looked at there");
    std::string ini = prueba::kIniMesa;
    ini.replace(ini.find("Disparo3=51"), 11, "Disparo3=123");
    Jugar(
        [&](prueba::Mesa& t) {
            t.Fase(1);
            t.Abrir(2, 1, 5);
            Golpe(t, kF12);
            EXPECT_GT(t.p.Puntos, 0);  // fired at the right door
            EXPECT_TRUE(Capturas().empty());
            Golpe(t, kF11);
            EXPECT_EQ(Capturas().size(), 1u);
        },
        ini);
}

TEST_F(EscritorioTest, CtrlWithPlusOrMinusSetsTheEffectsShiftTheMusicOnTopOfTheConfiguredLevels) {
    std::string ini = prueba::kIniMesa;
    ini.replace(ini.find("MUS=1"), 5, "MUS=1\r\nVolumenEfectos=50\r\nVolumenMusica=abc");
    Jugar(
        [&](prueba::Mesa& t) {
            // The configured 50 per cent is a quarter of the gain; the bad music level is 100.
            ASSERT_EQ(t.Llamadas("volumen_general"), std::vector<std::string>{"25 100"});
            t.m.ventana.modo = Modo::Sheriff;
            Golpe(t, vk::Guion, kControl);
            Golpe(t, vk::Igual, kControl | kShift);  // the music is at the top already
            Golpe(t, vk::Guion, kControl | kShift);
            for (int i = 0; i < 8; ++i) Tecla(t, TipoEvento::TeclaPulsada, vk::Igual, kControl);
            Tecla(t, TipoEvento::TeclaSoltada, vk::Igual, kControl);
            EXPECT_EQ(t.m.ventana.modo, Modo::Sheriff);
            EXPECT_EQ(t.Llamadas("volumen_general"),
                      (std::vector<std::string>{"25 100", "16 100", "16 81", "25 81", "36 81",
                                                "49 81", "64 81", "81 81", "100 81"}));
            // Keypad plus and minus stay the wall's speed keys.
            t.Fase(1);
            const auto scroll = t.m.configuracion.scroll;
            Golpe(t, vk::Restar);
            EXPECT_EQ(t.m.configuracion.scroll, scroll + 1);
        },
        ini);
}

TEST_F(EscritorioTest, LeavingTheWindowPausesAndMutesComingBackUnmutesButStaysPaused) {
    Jugar([&](prueba::Mesa& t) {
        t.Fase(1);
        ASSERT_TRUE(t.j.TiempoActivo());
        Foco(t, false);
        EXPECT_FALSE(t.j.TiempoActivo());
        Foco(t, true);
        EXPECT_FALSE(t.j.TiempoActivo());
        EXPECT_EQ(t.Llamadas("volumen_general"), (std::vector<std::string>{"0 0", "100 100"}));
        t.Pulsar(vk::Pausa);
        EXPECT_TRUE(t.j.TiempoActivo());

        // Left in the middle of a scroll: the pause comes when the wall stops.
        for (auto& v : t.p.Visibles) v.Paso = 0;
        Evento fuera;
        fuera.tipo = TipoEvento::FocoPerdido;
        t.plataforma.Insertar(t.Ahora() + 50, fuera);
        t.Teclear(vk::Derecha);
        EXPECT_FALSE(t.j.TiempoActivo());
        Foco(t, true);
        EXPECT_FALSE(t.j.TiempoActivo());
    });
}

// Left during a caption, a lost life or the duel, the game does not play on without the
// player: the pause waits for the sequence's end and is taken there, with its word blinking,
// and nothing is lost while the player is away.
TEST_F(EscritorioTest, LeftDuringALongSequenceTheGamePausesWhenItEnds) {
    const std::pair<const char*, std::function<void(prueba::Mesa&)>> casos[] = {
        {"caption", [](prueba::Mesa& t) { t.Fase(1); }},
        {"bang",
         [](prueba::Mesa& t) {
             t.Abrir(0, 1, 10);
             t.Ticks(1);
         }},
        {"duel", [](prueba::Mesa& t) { t.Duelo(); }},
    };
    for (const auto& [nombre, secuencia] : casos) {
        SCOPED_TRACE(nombre);
        Jugar([&](prueba::Mesa& t) {
            if (std::string(nombre) != "caption") {
                t.Fase(1);
                t.Tiempo(false);
            }
            Evento fuera;
            fuera.tipo = TipoEvento::FocoPerdido;
            t.plataforma.Insertar(t.Ahora() + 300, fuera);
            secuencia(t);
            EXPECT_EQ(t.m.ventana.modo, Modo::Juego);
            EXPECT_FALSE(t.j.TiempoActivo());
            const auto vidas = t.p.Vidas;
            const Imagen enPausa = t.m.ventana.lienzo.Pixeles();
            t.Esperar(30'100);
            EXPECT_EQ(t.p.Vidas, vidas);
            EXPECT_FALSE(t.j.TiempoActivo());

            // The word blinks over the frozen play and leaves no trace when play resumes.
            t.Esperar(250);
            const Imagen sinPalabra = t.m.ventana.lienzo.Pixeles();
            EXPECT_NE(sinPalabra, enPausa);
            t.Esperar(250);
            EXPECT_EQ(t.m.ventana.lienzo.Pixeles(), enPausa);
            Foco(t, true);
            t.Pulsar(vk::Pausa);
            EXPECT_TRUE(t.j.TiempoActivo());
            EXPECT_EQ(t.m.ventana.lienzo.Pixeles(), sinPalabra);
        });
    }
}

TEST_F(EscritorioTest, WithPausaSinFocoOffLeavingTheWindowChangesNothing) {
    Jugar(
        [&](prueba::Mesa& t) {
            t.Fase(1);
            Foco(t, false);
            EXPECT_TRUE(t.j.TiempoActivo());
            EXPECT_TRUE(t.Llamadas("volumen_general").empty());
        },
        prueba::kIniMesa + "PausaSinFoco=0\r\n");
}

TEST_F(EscritorioTest, AspectAndSharpnessReachTheWindowOnlyForTheOldScreens) {
    struct Caso {
        const char* pantalla;
        const char* esperado;
    };
    for (const Caso& c : {
             Caso{"DDraw=1\r\nAspecto=1\r\nNitido=0", "320x200 completa 4:3 relleno"},
             Caso{"DDraw=0\r\nAncho=640\r\nAlto=400\r\nAspecto=1", "640x400 completa 4:3"},
             // The display's own size is shown with square pixels whatever Aspecto says.
             Caso{"DDraw=0\r\nAspecto=1\r\nNitido=0", "1920x1080 completa relleno"},
             Caso{"DDraw=1\r\nAspecto=7\r\nNitido=-1", "320x200 completa"},
         }) {
        std::string ini = prueba::kIniMesa;
        ini.replace(ini.find("DDraw=2"), 7, c.pantalla);
        Jugar([&](prueba::Mesa& t) { EXPECT_EQ(t.Llamadas("pantalla").at(0), c.esperado); }, ini);
    }
}

}  // namespace
}  // namespace polvareda
