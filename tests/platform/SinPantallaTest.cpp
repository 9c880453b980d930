// The headless platform: its virtual clock, its queued input and its record of calls.
#include "PlataformaSinPantalla.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "AudioGrabado.h"
#include "Teclas.h"

namespace polvareda {
namespace {

Evento Tecla(int tecla, TipoEvento tipo = TipoEvento::TeclaPulsada) {
    Evento e;
    e.tipo = tipo;
    e.tecla = tecla;
    return e;
}

TEST(SinPantalla, ClockJumpsToTheDeadlineWhenNothingIsDue) {
    PlataformaSinPantalla p(3600.0);
    p.Encolar(5000, Tecla(vk::Escape));
    EXPECT_EQ(p.AhoraMs(), 0);
    EXPECT_EQ(p.HoraDelDiaMs(), 3'600'000);
    EXPECT_FALSE(p.EsperarEvento(1500).has_value());
    EXPECT_EQ(p.AhoraMs(), 1500);
    EXPECT_EQ(p.HoraDelDiaMs(), 3'601'500);
    const auto e = p.EsperarEvento(10000);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->tecla, vk::Escape);
    EXPECT_EQ(p.AhoraMs(), 5000);  // the event's time, not the deadline
}

TEST(SinPantalla, PluggingControllersChangesTheCountAsTheEventsArrive) {
    PlataformaSinPantalla p;
    p.Joysticks(1);
    const auto mando = [](TipoEvento tipo) {
        Evento e;
        e.tipo = tipo;
        return e;
    };
    p.Encolar(10, mando(TipoEvento::MandoConectado));
    p.Encolar(20, mando(TipoEvento::MandoDesconectado));
    p.Encolar(30, mando(TipoEvento::MandoDesconectado));
    p.Encolar(40, mando(TipoEvento::MandoDesconectado));  // none left: the count stays at 0
    EXPECT_EQ(p.Joysticks(), 1);
    EXPECT_FALSE(p.EsperarEvento(9).has_value());
    EXPECT_EQ(p.Joysticks(), 1);  // not before its time
    for (int esperado : {2, 1, 0, 0}) {
        ASSERT_TRUE(p.EsperarEvento(100).has_value());
        EXPECT_EQ(p.Joysticks(), esperado);
    }
}

TEST(SinPantalla, TimeOfDayWrapsAtMidnight) {
    PlataformaSinPantalla p(86399.0);
    p.EsperarEvento(-1);  // nothing queued: the end of the script, at once
    p.EsperarEvento(2500);
    EXPECT_EQ(p.HoraDelDiaMs(), 1'500);
}

TEST(SinPantalla, EventsComeInOrderAndDueOnesPassAnExpiredDeadline) {
    PlataformaSinPantalla p;
    p.Encolar(100, Tecla(vk::A));
    p.Encolar(100, Tecla(vk::A + 1));
    p.Encolar(50, Tecla(vk::A + 2));  // out of order: taken at the time of the one before
    EXPECT_FALSE(p.EsperarEvento(99).has_value());
    ASSERT_EQ(p.EsperarEvento(100).value().tecla, vk::A);
    // A deadline in the past works as a poll of what is due now.
    EXPECT_EQ(p.EsperarEvento(0).value().tecla, vk::A + 1);
    EXPECT_EQ(p.EsperarEvento(0).value().tecla, vk::A + 2);
    EXPECT_EQ(p.EsperarEvento(0).value().tipo, TipoEvento::FinDelGuion);
    EXPECT_EQ(p.AhoraMs(), 100);
}

TEST(SinPantalla, ScriptEndsWithFinDelGuionAndAGameThatKeepsWaitingIsStopped) {
    PlataformaSinPantalla p;
    p.Encolar(300, Tecla(vk::Espacio));
    ASSERT_EQ(p.EsperarEvento(1000).value().tipo, TipoEvento::TeclaPulsada);
    const auto fin = p.EsperarEvento(1000);
    ASSERT_TRUE(fin.has_value());
    EXPECT_EQ(fin->tipo, TipoEvento::FinDelGuion);
    EXPECT_EQ(p.AhoraMs(), 300);
    // The orderly shutdown may still wait: its waits run their time out.
    EXPECT_FALSE(p.EsperarEvento(2300).has_value());
    EXPECT_EQ(p.AhoraMs(), 2300);
    // A game that went back to waiting hears the end again, later.
    const auto otra = p.EsperarEvento(1'000'000);
    ASSERT_TRUE(otra.has_value());
    EXPECT_EQ(otra->tipo, TipoEvento::FinDelGuion);
    EXPECT_EQ(p.AhoraMs(), 300 + PlataformaSinPantalla::kRepeticionFinMs);
    // And one that never listens does not wait for ever.
    EXPECT_THROW(
        {
            for (int i = 0; i < PlataformaSinPantalla::kFinesMaximos + 1; ++i) {
                p.EsperarEvento(p.AhoraMs() + 10 * PlataformaSinPantalla::kRepeticionFinMs);
            }
        },
        std::runtime_error);
}

TEST(SinPantalla, ScriptedKeysShowInTheKeyboardState) {
    PlataformaSinPantalla p;
    p.Encolar(10, Tecla(vk::Izquierda));
    p.Encolar(20, Tecla(vk::Izquierda, TipoEvento::TeclaSoltada));
    p.Encolar(20, Tecla(999));  // out of the table: delivered, not stored
    EstadoTeclas estado{};
    p.EsperarEvento(10);
    p.LeerEstadoTeclas(estado);
    EXPECT_EQ(estado[vk::Izquierda], 0x80);
    p.EsperarEvento(20);
    p.LeerEstadoTeclas(estado);
    EXPECT_EQ(estado[vk::Izquierda], 0);
    EXPECT_EQ(p.EsperarEvento(20).value().tecla, 999);
}

TEST(SinPantalla, RecordsLampChangesAndRestoresTheStartingState) {
    PlataformaSinPantalla p;
    EstadoTeclas inicio{};
    inicio[vk::BloqMayus] = 1;
    inicio[vk::BloqDespl] = 1;
    p.FijarEstadoTeclas(inicio);

    EstadoTeclas guardado{};
    p.LeerEstadoTeclas(guardado);
    EstadoTeclas apagado = guardado;
    for (int t : {vk::BloqMayus, vk::BloqNum, vk::BloqDespl})
        apagado[static_cast<std::size_t>(t)] = 0;
    p.EscribirEstadoTeclas(apagado);
    p.EscribirEstadoTeclas(apagado);  // no change, nothing recorded
    p.EscribirEstadoTeclas(guardado);
    EXPECT_EQ(p.Teclas(), inicio);
    const std::vector<Llamada> esperadas = {
        {"lampara", "20=0"}, {"lampara", "145=0"}, {"lampara", "20=1"}, {"lampara", "145=1"}};
    EXPECT_EQ(p.Llamadas(), esperadas);
}

TEST(SinPantalla, RecordsTheFitAndTheSwitchesBetweenFullScreenAndWindow) {
    PlataformaSinPantalla p;
    EXPECT_FALSE(p.AlternarPantallaCompleta());  // no window yet: nothing to switch
    ASSERT_TRUE(p.AbrirPantalla(Pantalla{{320, 200}, true, "", nullptr, {false, {4, 3}}}));
    EXPECT_EQ(p.Ajuste(), (AjustePantalla{false, {4, 3}}));
    EXPECT_FALSE(p.AlternarPantallaCompleta());
    EXPECT_TRUE(p.AlternarPantallaCompleta());
    const std::vector<Llamada> esperadas = {{"pantalla", "320x200 completa 4:3 relleno"},
                                            {"pantalla_completa", "0"},
                                            {"pantalla_completa", "1"}};
    EXPECT_EQ(p.Llamadas(), esperadas);
}

TEST(SinPantalla, RecordsWhatTheGameAsksOfTheMachine) {
    PlataformaSinPantalla p;
    Imagen splash(320, 96);
    EXPECT_TRUE(p.MostrarPresentacion(splash));
    EXPECT_TRUE(p.PresentacionVisible());
    p.PunteroOcupado(true);
    EXPECT_EQ(p.MostrarCursor(false), -1);
    EXPECT_EQ(p.MostrarCursor(true), 0);
    p.QuitarPresentacion();
    EXPECT_TRUE(p.AbrirPantalla(Pantalla{{320, 200}, true, "Polvareda", nullptr, {}}));
    EXPECT_TRUE(p.PantallaAbierta());
    p.ConfinarCursor(Rect{0, 0, 320, 200});
    p.ConfinarCursor(std::nullopt);
    p.SalvapantallasActivo(true);
    EXPECT_TRUE(p.EjecutarPrograma("/x/SetUp", {"/juego"}));
    EXPECT_TRUE(p.AbrirDocumento("https://example.org/"));
    p.Mensaje("Polvareda", "Error:  640x 480");
    p.Pitido();
    p.CerrarPantalla();
    EXPECT_FALSE(p.PantallaAbierta());
    const std::vector<Llamada> esperadas = {
        {"presentacion", "320x96"},
        {"puntero_ocupado", "1"},
        {"cursor", "-1"},
        {"cursor", "0"},
        {"quitar_presentacion", ""},
        {"pantalla", "320x200 completa"},
        {"confinar", "0 0 320 200"},
        {"confinar", "libre"},
        {"salvapantallas", "1"},
        {"programa", "/x/SetUp /juego"},
        {"documento", "https://example.org/"},
        {"mensaje", "Polvareda: Error:  640x 480"},
        {"pitido", ""},
        {"cerrar_pantalla", ""},
    };
    EXPECT_EQ(p.Llamadas(), esperadas);
}

TEST(SinPantalla, RefusesAnImpossibleScreen) {
    PlataformaSinPantalla p;
    EXPECT_FALSE(p.AbrirPantalla(Pantalla{{0, 200}, false, "", nullptr, {}}));
    EXPECT_FALSE(p.AbrirPantalla(Pantalla{{100000, 200}, false, "", nullptr, {}}));
    EXPECT_FALSE(p.PantallaAbierta());
}

TEST(SinPantalla, PresentCopiesOnlyTheChangedRectangles) {
    PlataformaSinPantalla p;
    ASSERT_TRUE(p.AbrirPantalla(Pantalla{{16, 8}, false, "", nullptr, {}}));
    Imagen lienzo(16, 8, Rgb(255, 255, 255));
    const Rect cambios[] = {{2, 1, 3, 2}, {14, 6, 10, 10}, {-4, -4, 5, 5}, {5, 5, 0, 3}};
    p.Presentar(lienzo, cambios);
    EXPECT_EQ(p.Presentaciones(), 1);
    int blancos = 0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool dentro =
                (x >= 2 && x < 5 && y >= 1 && y < 3) || (x >= 14 && y >= 6) || (x == 0 && y == 0);
            EXPECT_EQ(p.Ventana().At(x, y), dentro ? Rgb(255, 255, 255) : 0u) << x << "," << y;
            blancos += dentro;
        }
    }
    EXPECT_EQ(blancos, 6 + 4 + 1);
    // A canvas of the wrong size cannot write outside the window.
    Imagen grande(64, 64, Rgb(1, 1, 1));
    const Rect todo{0, 0, 64, 64};
    p.Presentar(grande, std::span(&todo, 1));
    EXPECT_EQ(p.Ventana().Width(), 16);
    EXPECT_EQ(p.Ventana().At(15, 7), Rgb(1, 1, 1));
}

TEST(SinPantalla, PresentBeforeTheScreenIsOpenIsIgnored) {
    PlataformaSinPantalla p;
    Imagen lienzo(4, 4);
    const Rect todo{0, 0, 4, 4};
    p.Presentar(lienzo, std::span(&todo, 1));
    EXPECT_EQ(p.Presentaciones(), 0);
    EXPECT_TRUE(p.Ventana().Empty());
}

// A PCM wave file of `ms` milliseconds at 8000 bytes a second.
std::filesystem::path EscribirWav(const std::filesystem::path& archivo, int ms) {
    const std::uint32_t datos = static_cast<std::uint32_t>(ms * 8);
    std::vector<std::uint8_t> b = {'R',  'I',  'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V',  'E',  'f', 'm',
                                   't',  ' ',  16,  0,   0, 0, 1, 0, 1,   0,   0x40, 0x1F, 0,   0,
                                   0x40, 0x1F, 0,   0,   1, 0, 8, 0, 'd', 'a', 't',  'a'};
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(datos >> (8 * k)));
    b.resize(b.size() + datos, 0x80);
    std::ofstream(archivo, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return archivo;
}

TEST(SinPantalla, RecordingAudioPlaysSoundsForTheirLengthInVirtualTime) {
    const auto carpeta =
        std::filesystem::path(POLVAREDA_BINARY_DIR) / "tests_tmp" / "platform" / "audio";
    std::filesystem::create_directories(carpeta);
    PlataformaSinPantalla p;
    p.Encolar(10'000, Tecla(vk::Escape));
    auto audio = p.AbrirAudio({});
    ASSERT_NE(audio, nullptr);
    const int disparo = audio->CargarMuestra(EscribirWav(carpeta / "snd0.tmp", 250));
    EXPECT_EQ(disparo, 0);
    EXPECT_EQ(audio->CargarMuestra(carpeta / "no_existe.tmp"), -1);
    audio->Tocar(3, disparo, false);
    audio->Tocar(4, disparo, true);
    audio->Tocar(99, disparo, false);  // no such channel: recorded, harmless
    audio->Tocar(5, 7, false);         // no such sample
    EXPECT_TRUE(audio->Sonando(3));
    p.EsperarEvento(249);
    EXPECT_TRUE(audio->Sonando(3));
    p.EsperarEvento(250);
    EXPECT_FALSE(audio->Sonando(3));
    EXPECT_TRUE(audio->Sonando(4));
    EXPECT_FALSE(audio->Sonando(5));
    audio->Parar(4);
    EXPECT_FALSE(audio->Sonando(4));
    audio->Volumen(4, -600);
    audio->Panoramica(4, 2500);
    audio->TocarTema(2, -1);
    audio->PararTema();

    // The sound device may outlive the platform that made it.
    auto sinPlataforma = std::make_unique<PlataformaSinPantalla>();
    auto suelto = sinPlataforma->AbrirAudio({});
    sinPlataforma.reset();
    suelto->Tocar(0, 0, false);
    EXPECT_FALSE(suelto->Sonando(0));

    const std::vector<Llamada> esperadas = {
        {"audio", "abrir"},
        {"muestra", "0 " + (carpeta / "snd0.tmp").generic_string()},
        {"muestra", "-1 " + (carpeta / "no_existe.tmp").generic_string()},
        {"tocar", "3 0 0"},
        {"tocar", "4 0 1"},
        {"tocar", "99 0 0"},
        {"tocar", "5 7 0"},
        {"parar", "4"},
        {"volumen", "4 -600"},
        {"panoramica", "4 2500"},
        {"tocar_tema", "2 -1"},
        {"parar_tema", ""},
    };
    EXPECT_EQ(p.Llamadas(), esperadas);
}

TEST(SinPantalla, NoSoundDeviceWhenAskedFor) {
    PlataformaSinPantalla p;
    p.SinAudio(true);
    EXPECT_EQ(p.AbrirAudio({}), nullptr);
    EXPECT_EQ(p.Llamadas().back(), (Llamada{"audio", "sin dispositivo"}));
}

TEST(SinPantalla, WaveLengthComesFromTheFileAndGarbageHasNone) {
    std::vector<std::uint8_t> b = {
        'R',  'I',  'F', 'F', 0,   0,   0,   0, 'W', 'A', 'V', 'E', 'L',  'I',  'S', 'T',
        3,    0,    0,   0,   'x', 'y', 'z', 0,  // odd chunk
        'f',  'm',  't', ' ', 16,  0,   0,   0, 1,   0,   2,   0,   0x44, 0xAC, 0,   0,
        0x10, 0xB1, 2,   0,   4,   0,   16,  0, 'd', 'a', 't', 'a', 0x10, 0xB1, 2,   0};
    b.resize(b.size() + 176400, 0);
    EXPECT_EQ(DuracionWavMs(b), 1000);
    b.resize(b.size() - 88200);  // cut short: only what is there counts
    EXPECT_EQ(DuracionWavMs(b), 500);
    EXPECT_FALSE(DuracionWavMs(std::vector<std::uint8_t>(50, 0)).has_value());
    std::vector<std::uint8_t> sinFormato(b.begin(), b.begin() + 24);
    sinFormato.insert(sinFormato.end(), {'d', 'a', 't', 'a', 4, 0, 0, 0, 1, 2, 3, 4});
    EXPECT_FALSE(DuracionWavMs(sinFormato).has_value());
    std::vector<std::uint8_t> enorme(b.begin(), b.begin() + 12);
    enorme.insert(enorme.end(), {'J', 'U', 'N', 'K', 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_FALSE(DuracionWavMs(enorme).has_value());
}

}  // namespace
}  // namespace polvareda
