// The sound buffers and music pieces on the recording sound device: which channel plays what,
// with which pan, and silence whenever sound, music, a file or the device is missing.
#include "Sonidos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CarpetaDePrueba.h"
#include "PlataformaSinPantalla.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

// A PCM wave file of `ms` milliseconds: 44100 Hz, 16 bits, stereo.
std::string Wav(int ms) {
    const std::uint32_t porSegundo = 44100 * 4;
    const std::uint32_t datos = porSegundo / 1000 * static_cast<std::uint32_t>(ms);
    std::string b;
    auto u32 = [&b](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&b](std::uint16_t v) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>(v >> 8);
    };
    b += "RIFF";
    u32(36 + datos);
    b += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(2);
    u32(44100);
    u32(porSegundo);
    u16(4);
    u16(16);
    b += "data";
    u32(datos);
    b.append(datos, '\0');
    return b;
}

class SonidosTest : public ::testing::Test {
  protected:
    // Every effect but 5 and every piece but 2 are there.
    SonidosTest() {
        for (int i = 0; i < Sonidos::kEfectos; ++i)
            if (i != 5) prueba::Escribir(carpeta_ / ("snd" + std::to_string(i) + ".tmp"), Wav(100));
        for (int n : {1, 3}) prueba::Escribir(carpeta_ / ("mus" + std::to_string(n) + ".tmp"), "M");
    }

    // The calls recorded after preparing, without the loading.
    std::vector<Llamada> Despues() const {
        std::vector<Llamada> l;
        for (const auto& llamada : plataforma_.Llamadas())
            if (llamada.que != "muestra" && llamada.que != "tema" && llamada.que != "audio")
                l.push_back(llamada);
        return l;
    }
    std::vector<std::string> Detalles(std::string_view que) const {
        std::vector<std::string> d;
        for (const auto& l : plataforma_.Llamadas())
            if (l.que == que) d.push_back(l.detalle);
        return d;
    }
    // The sample number the device gave effect `i` (effects load in order; 5 is missing).
    static int Muestra(int i) { return i < 5 ? i : i - 1; }

    prueba::CarpetaDePrueba carpeta_;
    PlataformaSinPantalla plataforma_;
    Sonidos sonidos_;
};

TEST_F(SonidosTest, DoorSlotPlaysAFreshCopyPannedToItsDoorOnItsOwnChannel) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, true);
    plataforma_.Anotar("-", "");
    sonidos_.TocarEnPuerta(0, 10);
    sonidos_.TocarEnPuerta(2, 11);
    sonidos_.TocarEnPuerta(1, 15);

    const std::string t10 = std::to_string(Muestra(10)), t11 = std::to_string(Muestra(11)),
                      t15 = std::to_string(Muestra(15));
    // The effects sit on channels 0-23, the door slots on 24, 25 and 26.
    const std::vector<std::string> tocadas = Detalles("tocar");
    EXPECT_EQ(tocadas, (std::vector<std::string>{"24 " + t10 + " 0", "26 " + t11 + " 0",
                                                 "25 " + t15 + " 0"}));
    // Whatever the copy brought, each slot plays at its pan: left, right, centre.
    std::vector<std::string> ultimaPan(3);
    for (const auto& l : Despues()) {
        if (l.que == "panoramica") {
            const int canal = std::stoi(l.detalle.substr(0, 2));
            ultimaPan[static_cast<std::size_t>(canal - 24)] = l.detalle.substr(3);
        }
    }
    EXPECT_EQ(ultimaPan, (std::vector<std::string>{"-10000", "0", "10000"}));
}

TEST_F(SonidosTest, ShotsRotateThroughBuffersThreeToSixStartingAtThree) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, false);
    EXPECT_EQ(sonidos_.CanalDisparo(), 3);
    std::vector<int> canales;
    for (int i = 0; i < 6; ++i) {
        canales.push_back(sonidos_.CanalDisparo());
        sonidos_.TocarDisparo(21);
    }
    EXPECT_EQ(canales, (std::vector<int>{3, 4, 5, 6, 3, 4}));
    const std::string t = std::to_string(Muestra(21));
    EXPECT_EQ(Detalles("tocar"),
              (std::vector<std::string>{"27 " + t + " 0", "28 " + t + " 0", "29 " + t + " 0",
                                        "30 " + t + " 0", "27 " + t + " 0", "28 " + t + " 0"}));
    // The door slots' buffers are never touched by a shot.
    for (const auto& l : Despues()) {
        for (const char* puerta : {"24 ", "25 ", "26 "})
            EXPECT_FALSE(l.detalle.starts_with(puerta)) << l.que << " " << l.detalle;
    }
}

TEST_F(SonidosTest, ShotCopyTakesTheEffectsVolumeButNoPanOfItsOwn) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, false);
    sonidos_.Volumen(21, -600);
    sonidos_.TocarDisparo(21);
    EXPECT_EQ(Detalles("volumen"), (std::vector<std::string>{"21 -600", "27 -600"}));
    EXPECT_EQ(Detalles("panoramica"), (std::vector<std::string>{"27 0"}));
}

TEST_F(SonidosTest, MissingEffectFileMakesEveryCallOnItDoNothing) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, false);
    const std::size_t antes = plataforma_.Llamadas().size();
    sonidos_.Tocar(5);
    sonidos_.TocarEnBucle(5);
    sonidos_.Volumen(5, -100);
    sonidos_.Panoramica(5, 100);
    sonidos_.Parar(5);
    sonidos_.TocarEnPuerta(1, 5);
    sonidos_.Tocar(99);
    sonidos_.Tocar(-1);
    sonidos_.TocarEnPuerta(3, 10);  // not a door slot
    sonidos_.TocarTema(2);          // its file is missing too
    sonidos_.TocarTema(0);
    sonidos_.TocarTema(4);
    EXPECT_EQ(plataforma_.Llamadas().size(), antes);
    // A missing shot sound still moves the rotation on.
    sonidos_.TocarDisparo(5);
    EXPECT_EQ(sonidos_.CanalDisparo(), 4);
    EXPECT_EQ(plataforma_.Llamadas().size(), antes);
}

TEST_F(SonidosTest, SoundAndMusicSwitchedOffOpenNothingAndPlayNothing) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), false, false);
    sonidos_.Tocar(1);
    sonidos_.TocarEnPuerta(0, 10);
    sonidos_.TocarDisparo(21);
    sonidos_.TocarTema(1);
    sonidos_.PararTema();
    EXPECT_TRUE(plataforma_.Llamadas().empty());
    EXPECT_FALSE(sonidos_.Sonando(1));
}

TEST_F(SonidosTest, MusicOnlyLoadsNoEffectsAndSoundOnlyNoPieces) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), false, true);
    sonidos_.Tocar(1);
    sonidos_.TocarTema(1);
    EXPECT_TRUE(Detalles("muestra").empty());
    EXPECT_TRUE(Detalles("tocar").empty());
    EXPECT_EQ(Detalles("tocar_tema"), (std::vector<std::string>{"1 -1"}));

    PlataformaSinPantalla otra;
    Sonidos soloEfectos;
    soloEfectos.Preparar(otra, carpeta_.Ruta(), true, false);
    soloEfectos.TocarTema(1);
    for (const auto& l : otra.Llamadas()) EXPECT_NE(l.que, "tocar_tema");
}

TEST_F(SonidosTest, PiecesOneAndTwoRepeatForEverAndThreePlaysOnce) {
    prueba::Escribir(carpeta_ / "mus2.tmp", "M");
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, true);
    EXPECT_EQ(Detalles("tema"),
              (std::vector<std::string>{"1 " + (carpeta_ / "mus1.tmp").generic_string(),
                                        "2 " + (carpeta_ / "mus2.tmp").generic_string(),
                                        "3 " + (carpeta_ / "mus3.tmp").generic_string()}));
    sonidos_.TocarTema(1);
    sonidos_.TocarTema(2);
    sonidos_.TocarTema(3);
    sonidos_.PararTema();
    EXPECT_EQ(Detalles("tocar_tema"), (std::vector<std::string>{"1 -1", "2 -1", "3 0"}));
    EXPECT_EQ(Detalles("parar_tema").size(), 1u);
}

TEST_F(SonidosTest, NoDeviceBeepsOnceWhenSoundIsOnAndStaysSilent) {
    plataforma_.SinAudio(true);
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, true);
    EXPECT_EQ(Detalles("pitido").size(), 1u);
    EXPECT_FALSE(sonidos_.HayDispositivo());
    const std::size_t antes = plataforma_.Llamadas().size();
    sonidos_.Tocar(1);
    sonidos_.TocarEnPuerta(0, 10);
    sonidos_.TocarTema(1);
    EXPECT_EQ(plataforma_.Llamadas().size(), antes);

    // Music alone does not beep.
    PlataformaSinPantalla otra;
    otra.SinAudio(true);
    Sonidos soloMusica;
    soloMusica.Preparar(otra, carpeta_.Ruta(), false, true);
    for (const auto& l : otra.Llamadas()) EXPECT_NE(l.que, "pitido");
}

TEST_F(SonidosTest, PlayingAgainGoesOnButRewindingStartsAgain) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, false);
    sonidos_.Tocar(12);
    sonidos_.Tocar(12);  // still playing: no new start
    EXPECT_EQ(Detalles("tocar").size(), 1u);
    sonidos_.Rebobinar(12);
    EXPECT_EQ(Detalles("tocar").size(), 2u);
    sonidos_.TocarEnBucle(18);
    sonidos_.TocarEnBucle(18);
    EXPECT_EQ(Detalles("tocar").back(), "18 " + std::to_string(Muestra(18)) + " 1");
    EXPECT_EQ(Detalles("tocar").size(), 3u);
    EXPECT_TRUE(sonidos_.Sonando(18));
    sonidos_.Parar(18);
    EXPECT_FALSE(sonidos_.Sonando(18));
}

TEST_F(SonidosTest, TheSpinPlaysFromItsStartEachTime) {
    sonidos_.Preparar(plataforma_, carpeta_.Ruta(), true, true);
    sonidos_.TocarDesdeElPrincipio(12);
    sonidos_.TocarDesdeElPrincipio(12);
    const std::string t = std::to_string(Muestra(12));
    std::vector<std::string> orden;
    for (const auto& l : Despues()) orden.push_back(l.que + " " + l.detalle);
    EXPECT_EQ(orden, (std::vector<std::string>{"parar 12", "tocar 12 " + t + " 0", "parar 12",
                                               "tocar 12 " + t + " 0"}));
}

}  // namespace
}  // namespace polvareda
