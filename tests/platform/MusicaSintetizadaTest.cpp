// The music rendered ahead sounds as it does live: same frames, same length, same repeats.
#include "MusicaSintetizada.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "AudioSDL.h"

namespace fs = std::filesystem;
using polvareda::MusicaSintetizada;

namespace {

// Everything piece 1 sounds from Tocar on, in the sound device's buffers of 1024 frames, until
// it has been silent for a second.
std::vector<std::int16_t> Escuchar(MusicaSintetizada& musica, int repeticiones) {
    musica.Tocar(1, repeticiones);
    std::vector<std::int16_t> todo;
    std::size_t ultimaSonora = 0;
    for (;;) {
        std::vector<std::int16_t> buffer(2 * 1024, 0);
        musica.Rellenar(buffer);
        todo.insert(todo.end(), buffer.begin(), buffer.end());
        for (std::size_t i = 0; i < buffer.size(); ++i)
            if (buffer[i] != 0) ultimaSonora = todo.size() - buffer.size() + i;
        if (todo.size() > ultimaSonora + 2 * 44100) break;
    }
    todo.resize(ultimaSonora + 1);
    return todo;
}

int MayorDiferencia(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b,
                    std::size_t desdeA, std::size_t desdeB, std::size_t cuantas) {
    int mayor = 0;
    for (std::size_t i = 0; i < cuantas; ++i)
        mayor = std::max(mayor, std::abs(a[desdeA + i] - b[desdeB + i]));
    return mayor;
}

}  // namespace

TEST(MusicaSintetizada, APieceSoundsTheSameLiveAndFromItsRenderingAndRepeatsInTime) {
    const auto soundFont = polvareda::BuscarSoundFont(fs::path(POLVAREDA_BINARY_DIR) / "dist");
    if (!soundFont) GTEST_SKIP() << "no SoundFont on this machine";
    const fs::path pieza = fs::path(POLVAREDA_SOURCE_DIR) / "assets/music/Tema3.mid";
    auto musica = MusicaSintetizada::Crear(*soundFont, 44100, 0.15);
    ASSERT_NE(musica, nullptr);
    ASSERT_TRUE(musica->Cargar(1, pieza));
    EXPECT_FALSE(musica->Cargar(2, fs::path(POLVAREDA_SOURCE_DIR) / "no_existe.mid"));

    // The first play begins live, while the piece is being rendered, and may end from the
    // rendering; the second is all rendering.
    const bool empezoEnVivo = !musica->Grabado(1);
    const auto primera = Escuchar(*musica, 0);
    for (int i = 0; i < 600 && !musica->Grabado(1); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(musica->Grabado(1));
    const auto segunda = Escuchar(*musica, 1);

    EXPECT_TRUE(empezoEnVivo);
    ASSERT_GT(primera.size(), 2u * 44100 * 10);
    // The synthesiser dithers its output, so two renderings differ by a step or two at most;
    // a play that jumped or slipped where it changed to the rendering would differ by far more.
    const std::size_t largo = primera.size();
    ASSERT_GT(segunda.size(), largo);
    // The repeat begins at the piece's last event, in time, not after the fade of its last
    // notes: that fade sounds over the repeat's start, and nothing is silent between the two.
    const std::size_t vuelta = segunda.size() - largo;
    EXPECT_EQ(vuelta % 2, 0u);
    EXPECT_GT(vuelta, largo / 2);
    EXPECT_LE(MayorDiferencia(primera, segunda, 0, 0, vuelta), 4);
    std::vector<std::int16_t> esperada(primera);
    for (std::size_t i = 0; vuelta + i < largo; ++i)
        esperada[i] = static_cast<std::int16_t>(
            std::clamp(esperada[i] + primera[vuelta + i], INT16_MIN, INT16_MAX));
    EXPECT_LE(MayorDiferencia(esperada, segunda, 0, vuelta, largo), 8);

    // The music volume scales the rendering; silence is silence.
    musica->Ganancia(0.0);
    musica->Tocar(1, 0);
    std::vector<std::int16_t> callado(2 * 4096, 0);
    musica->Rellenar(callado);
    EXPECT_TRUE(std::all_of(callado.begin(), callado.end(), [](auto m) { return m == 0; }));
}

// A file that says it is MIDI but holds no track plays as silence, live or rendered, played
// once or for ever, and never holds the sound thread.
TEST(MusicaSintetizada, APieceWithoutTracksIsSilentAndNeverHoldsTheSoundThread) {
    const auto soundFont = polvareda::BuscarSoundFont(fs::path(POLVAREDA_BINARY_DIR) / "dist");
    if (!soundFont) GTEST_SKIP() << "no SoundFont on this machine";
    const fs::path carpeta = fs::path(POLVAREDA_BINARY_DIR) / "tests_tmp" / "platform" / "musica";
    fs::create_directories(carpeta);
    std::ofstream(carpeta / "rota.mid", std::ios::binary)
        << std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60MTr\x0f\x00\xc0", 20);
    auto musica = MusicaSintetizada::Crear(*soundFont, 44100, 0.15);
    ASSERT_NE(musica, nullptr);
    ASSERT_TRUE(musica->Cargar(1, carpeta / "rota.mid"));
    for (int vez = 0; vez < 2; ++vez) {
        musica->Tocar(1, -1);
        for (int i = 0; i < 50; ++i) {
            std::vector<std::int16_t> buffer(2 * 1024, 0);
            musica->Rellenar(buffer);
            EXPECT_TRUE(
                std::all_of(buffer.begin(), buffer.end(), [](auto m) { return std::abs(m) <= 2; }));
        }
        for (int i = 0; i < 100 && !musica->Grabado(1); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
