// What the real backend does without a desktop, and the parts of it that need no display.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "AudioSDL.h"
#include "Plataforma.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(PlataformaSDL, WithoutADesktopGivesNothingAndOneClearLine) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    std::string error;
    EXPECT_EQ(CrearPlataformaSDL(error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
}
#endif

TEST(PlataformaSDL, SoundFontBesideTheGameComesFirst) {
    const fs::path carpeta = fs::path(POLVAREDA_BINARY_DIR) / "tests_tmp" / "platform" / "sf2";
    fs::remove_all(carpeta);
    fs::create_directories(carpeta / "carpeta.sf2");  // a folder is not a SoundFont
    std::ofstream(carpeta / "Zeta.SF2") << "x";
    std::ofstream(carpeta / "alfa.sf2") << "x";
    std::ofstream(carpeta / "notas.txt") << "x";
    EXPECT_EQ(BuscarSoundFont(carpeta), carpeta / "Zeta.SF2");  // first by name, any case

    fs::remove(carpeta / "Zeta.SF2");
    fs::remove(carpeta / "alfa.sf2");
    const auto sistema = BuscarSoundFont(carpeta);
    if (sistema) {
        EXPECT_EQ(sistema->parent_path(), "/usr/share/sounds/sf2");
    }
    EXPECT_EQ(BuscarSoundFont(carpeta / "no_existe"), sistema);
}

#ifndef _WIN32
// A constant 16-bit stereo wave of `ms` milliseconds at 44100 Hz.
void EscribirWav(const fs::path& ruta, int ms, std::int16_t valor) {
    const std::uint32_t marcos = 44100u * static_cast<std::uint32_t>(ms) / 1000u;
    std::ofstream f(ruta, std::ios::binary);
    auto u32 = [&f](std::uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&f](std::uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f << "RIFF";
    u32(36 + marcos * 4);
    f << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(2);
    u32(44100);
    u32(44100 * 4);
    u16(4);
    u16(16);
    f << "data";
    u32(marcos * 4);
    for (std::uint32_t i = 0; i < 2 * marcos; ++i) u16(static_cast<std::uint16_t>(valor));
}

// SDL's "disk" driver writes the mixed output to a file, so what reaches each ear can be read.
// Every piece that was accepted sounds, whether it plays live or already rendered, and a file
// that is no MIDI piece is refused at once.
TEST(PlataformaSDL, EveryAcceptedPieceSounds) {
#ifdef POLVAREDA_MUSICA_OGG
    GTEST_SKIP() << "this build plays only the game's pieces, from their renderings";
#endif
    const fs::path carpeta = fs::path(POLVAREDA_BINARY_DIR) / "tests_tmp" / "platform" / "temas";
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    // One note of trumpet, then one of strings: the smallest standard MIDI pieces.
    const auto pieza = [&](const char* nombre, char programa) {
        const std::string pista = {0,      '\xC0', programa, 0, '\x90', 60,   100, '\x60',
                                   '\x80', 60,     0,        0, '\xFF', 0x2F, 0};
        std::ofstream f(carpeta / nombre, std::ios::binary);
        f << std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0", 21)
          << static_cast<char>(pista.size()) << pista;
        return carpeta / nombre;
    };
    const fs::path uno = pieza("uno.mid", 56);
    const fs::path dos = pieza("dos.mid", 48);
    std::ofstream(carpeta / "ruido.mid") << "RIFF, not a piece";
    const fs::path salida = carpeta / "salida.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", salida.c_str(), 1);
    std::vector<std::uintmax_t> tamanos;
    {
        std::unique_ptr<Audio> audio = AbrirAudioSDL(carpeta, nullptr);
        if (!audio) GTEST_SKIP() << "no file-writing sound driver here";
        if (!BuscarSoundFont(carpeta)) GTEST_SKIP() << "no SoundFont on this machine";
        EXPECT_TRUE(audio->CargarTema(1, uno));
        EXPECT_TRUE(audio->CargarTema(2, dos));
        EXPECT_FALSE(audio->CargarTema(3, carpeta / "ruido.mid"));
        EXPECT_FALSE(audio->CargarTema(3, carpeta / "falta.mid"));
        // Where each play begins in the mix, in bytes of the file the driver writes.
        for (int tema : {2, 1, 3}) {
            tamanos.push_back(fs::file_size(salida));
            audio->TocarTema(tema, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            audio->PararTema();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        tamanos.push_back(fs::file_size(salida));
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    std::ifstream f(salida, std::ios::binary);
    std::vector<std::int16_t> pcm(static_cast<std::size_t>(fs::file_size(salida)) / 2);
    f.read(reinterpret_cast<char*>(pcm.data()), static_cast<std::streamsize>(pcm.size() * 2));
    const auto sonoras = [&](std::size_t tramo) {
        std::size_t n = 0;
        for (auto i = tamanos[tramo] / 2;
             i < std::min<std::size_t>(pcm.size(), tamanos[tramo + 1] / 2); ++i)
            n += std::abs(pcm[i]) > 16;  // over the synthesiser's dither
        return n;
    };
    EXPECT_GT(sonoras(0), 100u);  // piece 2
    EXPECT_GT(sonoras(1), 100u);  // piece 1
}

TEST(PlataformaSDL, ASoundDeviceThatCannotBeOpenedNamesTheDriverTried) {
    setenv("SDL_AUDIODRIVER", "ninguno", 1);
    testing::internal::CaptureStderr();
    const auto audio = AbrirAudioSDL(fs::path(POLVAREDA_BINARY_DIR), nullptr);
    const std::string error = testing::internal::GetCapturedStderr();
    unsetenv("SDL_AUDIODRIVER");
    EXPECT_EQ(audio, nullptr);
    EXPECT_NE(error.find("cannot open the sound device (audio driver ninguno)"), std::string::npos)
        << error;
}

TEST(PlataformaSDL, AChannelKeepsItsPanForEveryLaterPlay) {
    const fs::path carpeta = fs::path(POLVAREDA_BINARY_DIR) / "tests_tmp" / "platform" / "pan";
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    const fs::path salida = carpeta / "salida.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", salida.c_str(), 1);
    EscribirWav(carpeta / "tiro.wav", 30, 8000);
    {
        std::unique_ptr<Audio> audio = AbrirAudioSDL(carpeta, nullptr);
        if (!audio) GTEST_SKIP() << "no file-writing sound driver here";
        const int muestra = audio->CargarMuestra(carpeta / "tiro.wav");
        ASSERT_GE(muestra, 0);
        auto esperarSilencio = [&audio] {
            for (int i = 0; i < 2000 && audio->Sonando(0); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        };
        audio->Panoramica(0, -10000);  // left only
        audio->Tocar(0, muestra, false);
        esperarSilencio();
        audio->Tocar(0, muestra, false);  // after the first one ended
        audio->Tocar(0, muestra, false);  // cutting the second one short
        esperarSilencio();
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");

    std::ifstream f(salida, std::ios::binary);
    std::vector<std::int16_t> pcm(static_cast<std::size_t>(fs::file_size(salida)) / 2);
    f.read(reinterpret_cast<char*>(pcm.data()), static_cast<std::streamsize>(pcm.size() * 2));
    std::size_t izquierda = 0;
    std::size_t derecha = 0;
    for (std::size_t i = 0; i + 1 < pcm.size(); i += 2) {
        if (pcm[i] != 0) ++izquierda;
        if (pcm[i + 1] != 0) ++derecha;
    }
    EXPECT_GT(izquierda, 3u * 44100u * 30u / 1000u / 2u);  // the plays were heard
    EXPECT_EQ(derecha, 0u);
}
#endif

}  // namespace
}  // namespace polvareda
