// What the real backend does without a desktop, and the parts of it that need no display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace polvareda
