// The language texts read from a decoded file, and their fallbacks.
#include "Idioma.h"

#include <gtest/gtest.h>

#include "CarpetaDePrueba.h"

namespace polvareda {
namespace {

TEST(Idioma, MissingFileGivesZeroForEveryText) {
    prueba::CarpetaDePrueba carpeta;
    const Idioma idioma = Idioma::Cargar(carpeta / "idioma.tmp");
    const TextosJuego juego = LeerTextosJuego(idioma);
    EXPECT_EQ(juego.dia, "0 ");
    EXPECT_EQ(juego.mejores, "0 ");
    EXPECT_EQ(juego.sheriff[2], "0 ");
    EXPECT_EQ(LeerTextosMenu(idioma).copyright, "0");
    EXPECT_EQ(idioma.Texto("Menu", "Dedicado"), "0");
}

TEST(Idioma, GameLabelsGetOneBlankAndMenuTextsAreAsRead) {
    const Idioma idioma = Idioma::DesdeTexto(
        "[General]\r\nIdioma=English\r\n[Juego]\r\nDia=DAY\r\nFase= STAGE \r\n"
        "Puntos=SCORE\r\nVidas=LIVES\r\nEscribeNombre=YOUR NAME\r\nMejores=BEST\r\n"
        "Sheriff1=ONE\r\nSheriff2=TWO\r\nSheriff3=THREE\r\n[Menu]\r\nJugar=PLAY\r\n"
        "Elegir=CHOOSE\r\n");
    const TextosJuego juego = LeerTextosJuego(idioma);
    EXPECT_EQ(juego.dia, "DAY ");
    EXPECT_EQ(juego.fase, "STAGE ");
    EXPECT_EQ(juego.puntos, "SCORE ");
    EXPECT_EQ(juego.vidas, "LIVES ");
    EXPECT_EQ(juego.escribeNombre, "YOUR NAME ");
    EXPECT_EQ(juego.mejores, "BEST ");
    EXPECT_EQ(juego.sheriff, (std::array<std::string, 3>{"ONE ", "TWO ", "THREE "}));
    const TextosMenu menu = LeerTextosMenu(idioma);
    EXPECT_EQ(menu.jugar, "PLAY");
    EXPECT_EQ(menu.elegir, "CHOOSE");
    EXPECT_EQ(menu.teclado, "0");
}

TEST(Idioma, KeysAndSectionsMatchWithoutRegardToCase) {
    const Idioma idioma = Idioma::DesdeTexto("[JUEGO]\ndia=DIA\nsheriff2=S\n");
    const TextosJuego juego = LeerTextosJuego(idioma);
    EXPECT_EQ(juego.dia, "DIA ");
    EXPECT_EQ(juego.sheriff[1], "S ");
    EXPECT_EQ(juego.fase, "0 ");
}

TEST(Idioma, LongTextsAreCutAndHugeOrBinaryFilesAreHarmless) {
    prueba::CarpetaDePrueba carpeta;
    const std::string largo(1000, 'L');
    std::string texto = "[Juego]\r\nDia=" + largo + "\r\n";
    texto += std::string(3 * 1024 * 1024, '\0');  // beyond what is read
    texto += "[Menu]\r\nJugar=LATE\r\n";
    prueba::Escribir(carpeta / "idioma.tmp", texto);
    const Idioma idioma = Idioma::Cargar(carpeta / "idioma.tmp");
    EXPECT_EQ(LeerTextosJuego(idioma).dia, std::string(254, 'L') + " ");
    EXPECT_EQ(LeerTextosMenu(idioma).jugar, "0");
}

}  // namespace
}  // namespace polvareda
