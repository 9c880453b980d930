// The built game program, run the way testers run it: headless with a script, and without
// any display at all.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "CarpetaDePrueba.h"
#include "Plataforma.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

const fs::path kPrograma = fs::path(POLVAREDA_BINARY_DIR) / "game" / "shell" / "Polvareda";

class EjecutableTest : public ::testing::Test {
  protected:
    EjecutableTest() {
        fs::create_directories(sistema_);
        prueba::Escribir(juego_ / "Polvareda.INI",
                         "[Pantalla]\r\nDDraw=0\r\nAncho=256\r\nAlto=192\r\nScroll=5\r\n");
    }

    // Runs the program with `argumentos`; stdout and stderr land in files of the test folder.
    int Correr(const std::string& argumentos, const std::string& entorno = "") {
        const std::string orden = "cd '" + carpeta_.Ruta().string() + "' && env " + entorno +
                                  " TMPDIR='" + sistema_.string() + "' '" + kPrograma.string() +
                                  "' " + argumentos + " >salida.txt 2>errores.txt";
        const int estado = std::system(orden.c_str());
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }

    std::string Salida() const { return prueba::Leer(carpeta_ / "salida.txt"); }
    std::string Errores() const { return prueba::Leer(carpeta_ / "errores.txt"); }

    prueba::CarpetaDePrueba carpeta_;
    fs::path juego_ = carpeta_ / "juego";
    fs::path sistema_ = carpeta_ / "sistema";
};

TEST_F(EjecutableTest, HeadlessScriptDumpsAPictureAndStateLinesThenQuitsWithEscape) {
    prueba::Escribir(carpeta_ / "guion.txt",
                     "# look at the main menu, past the presentation, then leave\n"
                     "advance 6000\n"
                     "png shot.png\n"
                     "state estado.json\n"
                     "state\n"
                     "advance 500\n"
                     "keydown 27\n"
                     "advance 60000\n"
                     "state never.json\n");
    ASSERT_EQ(Correr("--headless --carpeta juego --guion guion.txt"), 0) << Errores();

    const auto imagen = CargarImagen(carpeta_ / "shot.png");
    ASSERT_TRUE(imagen);
    EXPECT_EQ(imagen->Width(), 256);
    EXPECT_EQ(imagen->Height(), 192);
    EXPECT_NE(imagen->At(30, 80), 0u);  // the menu's portrait, not the black of the fades

    const std::string estado = prueba::Leer(carpeta_ / "estado.json");
    EXPECT_TRUE(estado.starts_with("{\"mode\": \"menu\", \"config\": {")) << estado;
    EXPECT_NE(estado.find("\"Scroll\": \"5\""), std::string::npos);
    EXPECT_NE(estado.find("\"DDraw\": \"0\""), std::string::npos);
    EXPECT_NE(estado.find("}, \"points\": 0, \"lives\": 3, \"level\": 1, "), std::string::npos)
        << estado;
    EXPECT_TRUE(estado.ends_with(", \"why\": \"state\"}\n")) << estado;
    EXPECT_EQ(Salida(), estado);

    // Escape quit through the orderly shutdown before the last line came.
    EXPECT_FALSE(fs::exists(carpeta_ / "never.json"));
    EXPECT_TRUE(fs::exists(juego_ / "Polvareda.DAT"));
    EXPECT_TRUE(fs::is_empty(sistema_));
}

TEST_F(EjecutableTest, BadScriptLineIsNamedAndNothingRuns) {
    prueba::Escribir(carpeta_ / "guion.txt", "advance 10\nshoot 3\n");
    EXPECT_EQ(Correr("--headless --carpeta juego --guion guion.txt"), 2);
    EXPECT_NE(Errores().find("guion.txt line 2: unknown command 'shoot'"), std::string::npos)
        << Errores();
    EXPECT_FALSE(fs::exists(juego_ / "Polvareda.DAT"));
    EXPECT_TRUE(fs::is_empty(sistema_));
}

TEST_F(EjecutableTest, WithoutADisplayItSaysSoAndExitsWithOne) {
    EXPECT_EQ(Correr("--carpeta juego", "-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER"), 1);
    EXPECT_NE(Errores().find("Polvareda: "), std::string::npos) << Errores();
    EXPECT_TRUE(fs::is_empty(sistema_));
}

TEST_F(EjecutableTest, HelpAndVersionPrintAndEndWithoutTouchingAnythingUnknownIsOneLine) {
    // No display is needed for either, and nothing starts.
    const std::string sinPantalla = "-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER";
    EXPECT_EQ(Correr("--help --no-such-option", sinPantalla), 0);
    for (const char* opcion :
         {"--help", "--version", "--carpeta", "--traza", "--headless", "--guion", "--hora"})
        EXPECT_NE(Salida().find(opcion), std::string::npos) << opcion;
    EXPECT_EQ(Errores(), "");

    EXPECT_EQ(Correr("--version", sinPantalla), 0);
    EXPECT_EQ(Salida(), "Polvareda Plus 1.3\n");

    EXPECT_EQ(Correr("--carpeta juego --fullscreen", sinPantalla), 2);
    EXPECT_EQ(Salida(), "");
    const std::string error = Errores();
    EXPECT_TRUE(error.starts_with("Polvareda: unknown argument '--fullscreen'")) << error;
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_TRUE(fs::is_empty(sistema_));
    EXPECT_FALSE(fs::exists(juego_ / "Polvareda.DAT"));
}

// What the player asked to keep and the game could not write is said on standard error and
// ends the run with status 4: the scores' write-back blocked by a folder where its sibling
// goes, and a trace on a full disk. The stored scores stay as they were.
TEST_F(EjecutableTest, LostScoresAndTraceAreReportedWithStatusFour) {
    prueba::Escribir(carpeta_ / "guion.txt", "advance 6000\nkeydown 27\nadvance 1000\n");
    ASSERT_EQ(Correr("--headless --carpeta juego --guion guion.txt"), 0) << Errores();
    const std::string guardado = prueba::Leer(juego_ / "Polvareda.DAT");
    fs::create_directories(juego_ / "Polvareda.DAT.nuevo" / "ocupado");

    EXPECT_EQ(Correr("--headless --carpeta juego --guion guion.txt"), 4);
    EXPECT_NE(Errores().find("high scores could not be written to"), std::string::npos)
        << Errores();
    EXPECT_EQ(prueba::Leer(juego_ / "Polvareda.DAT"), guardado);
    EXPECT_TRUE(fs::is_empty(sistema_));

    fs::remove_all(juego_ / "Polvareda.DAT.nuevo");
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(Correr("--headless --carpeta juego --guion guion.txt --traza /dev/full"), 4);
        EXPECT_NE(Errores().find("play trace could not be written whole to /dev/full"),
                  std::string::npos)
            << Errores();
    }
}

// A recording on a disk that takes nothing: the game runs, and when the player closes it the
// lost recording is named and the run ends with status 4.
TEST_F(EjecutableTest, ARecordingThatCannotBeWrittenEndsWithStatusFour) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    // SDL's own drivers without a display or a sound device; Ctrl+C is the close request.
    const std::string orden = "cd '" + carpeta_.Ruta().string() +
                              "' && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy TMPDIR='" +
                              sistema_.string() + "' timeout --preserve-status -s INT 4 '" +
                              kPrograma.string() +
                              "' --carpeta juego --grabar /dev/full >salida.txt 2>errores.txt";
    const int estado = std::system(orden.c_str());
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 4) << Errores();
    EXPECT_NE(Errores().find("the recording /dev/full could not be written whole"),
              std::string::npos)
        << Errores();
    EXPECT_TRUE(fs::is_empty(sistema_));
}

TEST_F(EjecutableTest, AttractModeLeftForHoursKeepsItsMemoryFlat) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer holds freed memory back on purpose";
#endif
    // The 320 x 200 screen with its sounds and music, as SetUp configures a new game.
    const fs::path dist = fs::path(POLVAREDA_BINARY_DIR) / "dist";
    for (const char* carpeta : {"LNG", "SND", "MUS"})
        fs::copy(dist / carpeta, juego_ / carpeta, fs::copy_options::recursive);
    prueba::Escribir(juego_ / "Polvareda.INI",
                     "[Pantalla]\r\nDDraw=1\r\nScroll=15\r\n[Sonido]\r\nSND=1\r\nMUS=1\r\n");
    // The largest resident size of any program this test has run so far, in KB.
    const auto atraccion = [&](int horas) {
        std::string texto;
        for (int h = 0; h < horas; ++h) texto += "advance 3600000\n";
        prueba::Escribir(carpeta_ / "horas.txt", texto);
        EXPECT_EQ(Correr("--headless --carpeta juego --guion horas.txt"), 0) << Errores();
        rusage uso{};
        getrusage(RUSAGE_CHILDREN, &uso);
        return uso.ru_maxrss;
    };
    const long unaHora = atraccion(1);
    const long cincoHoras = atraccion(5);
    EXPECT_LE(cincoHoras, unaHora + 2048) << "peak KB after 1 h: " << unaHora;
}

}  // namespace
}  // namespace polvareda
