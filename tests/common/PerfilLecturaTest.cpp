// Reading values from the text of a profile file.
#include <gtest/gtest.h>

#include <string>

#include "CarpetaDePrueba.h"
#include "Perfil.h"

using polvareda::kBufferPerfil;
using polvareda::LeerPerfil;
using polvareda::LeerValorPerfil;

namespace {

// UTF-16 with its byte-order mark, as an editor saves it.
std::string Utf16(std::u16string_view texto, bool grande) {
    std::string bytes = grande ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : texto) {
        const auto alto = static_cast<char>(c >> 8);
        const auto bajo = static_cast<char>(c & 0xFF);
        bytes += grande ? alto : bajo;
        bytes += grande ? bajo : alto;
    }
    return bytes;
}

std::string Leer(std::string_view texto, std::string_view seccion, std::string_view clave) {
    return LeerValorPerfil(texto, seccion, clave, "<falta>");
}

}  // namespace

TEST(PerfilLectura, MatchesSectionAndKeyNamesWithoutRegardToCase) {
    const std::string texto = "[PANTALLA]\r\nscroll=5\r\n";
    EXPECT_EQ(Leer(texto, "Pantalla", "Scroll"), "5");
    EXPECT_EQ(Leer(texto, "pantalla", "SCROLL"), "5");
}

TEST(PerfilLectura, FirstMatchingSectionAndKeyWin) {
    const std::string texto =
        "[Pantalla]\nScroll=1\nscroll=2\n[Sonido]\nSND=0\n[pantalla]\nScroll=3\nAncho=640\n";
    EXPECT_EQ(Leer(texto, "Pantalla", "Scroll"), "1");
    // A key only in the later copy of the section is not found.
    EXPECT_EQ(Leer(texto, "Pantalla", "Ancho"), "<falta>");
}

TEST(PerfilLectura, KeysOfOtherSectionsAndBeforeAnySectionAreNotSeen) {
    const std::string texto = "Scroll=9\n[Sonido]\nScroll=8\n[Pantalla]\nAncho=1\n";
    EXPECT_EQ(Leer(texto, "Pantalla", "Scroll"), "<falta>");
    EXPECT_EQ(Leer(texto, "Sonido", "Scroll"), "8");
}

TEST(PerfilLectura, DropsBlanksAroundNamesAndValues) {
    const std::string texto = "  [ Pantalla ]  \r\n\t Ancho \t=\t  640  \t\r\nAlto=\r\n";
    EXPECT_EQ(Leer(texto, "Pantalla", "Ancho"), "640");
    EXPECT_EQ(Leer(texto, "Pantalla", "Alto"), "");
}

TEST(PerfilLectura, KeepsEverythingAfterTheFirstEqualsSign) {
    EXPECT_EQ(Leer("[a]\nk = x = y \n", "a", "k"), "x = y");
}

TEST(PerfilLectura, RemovesOnlyMatchingSurroundingQuotes) {
    const std::string texto =
        "[a]\nd=\"dos palabras\"\ns='una'\nm=\"mixta'\nabierta=\"sin cierre\nsolo=\"\n"
        "dentro=a\"b\"c\nvacia=\"\"\nblancos=  \" x \"  \n";
    EXPECT_EQ(Leer(texto, "a", "d"), "dos palabras");
    EXPECT_EQ(Leer(texto, "a", "s"), "una");
    EXPECT_EQ(Leer(texto, "a", "m"), "\"mixta'");
    EXPECT_EQ(Leer(texto, "a", "abierta"), "\"sin cierre");
    EXPECT_EQ(Leer(texto, "a", "solo"), "\"");
    EXPECT_EQ(Leer(texto, "a", "dentro"), "a\"b\"c");
    EXPECT_EQ(Leer(texto, "a", "vacia"), "");
    EXPECT_EQ(Leer(texto, "a", "blancos"), " x ");
}

TEST(PerfilLectura, CutsValuesAndDefaultsToTheBuffer) {
    const std::string largo(300, 'x');
    const std::string esperado(kBufferPerfil - 1, 'x');
    EXPECT_EQ(Leer("[a]\nk=" + largo + "\n", "a", "k"), esperado);
    EXPECT_EQ(LeerValorPerfil("", "a", "k", largo), esperado);
    EXPECT_EQ(Leer("[a]\nk=\"" + largo + "\"\n", "a", "k"), esperado);
    const std::string justo(kBufferPerfil - 1, 'y');
    EXPECT_EQ(Leer("[a]\nk=" + justo, "a", "k"), justo);
}

TEST(PerfilLectura, DefaultWhenSectionOrKeyIsMissingWithTrailingBlanksDropped) {
    EXPECT_EQ(LeerValorPerfil("", "a", "k", "0"), "0");
    EXPECT_EQ(LeerValorPerfil("[a]\nj=1\n", "a", "k", ""), "");
    EXPECT_EQ(LeerValorPerfil("[b]\nk=1\n", "a", "k", " 640  "), " 640");
}

TEST(PerfilLectura, AcceptsAnyLineEndAndAMissingFinalNewline) {
    EXPECT_EQ(Leer("[a]\r\nk=1\r\n", "a", "k"), "1");
    EXPECT_EQ(Leer("[a]\nk=1\n", "a", "k"), "1");
    EXPECT_EQ(Leer("[a]\nk=1", "a", "k"), "1");
    EXPECT_EQ(Leer("[a]\r\nj=0\nk=1\r", "a", "k"), "1");
}

TEST(PerfilLectura, IgnoresCommentsAndLinesWithoutEquals) {
    const std::string texto = "[a]\n;k=comentario\n  ; k=otro\nk\nsuelta\nk=1\n";
    EXPECT_EQ(Leer(texto, "a", "k"), "1");
    EXPECT_EQ(Leer(texto, "a", ";k"), "<falta>");
}

TEST(PerfilLectura, ToleratesAByteOrderMark) {
    EXPECT_EQ(Leer("\xEF\xBB\xBF[Pantalla]\r\nXGA=oro\r\n", "Pantalla", "XGA"), "oro");
}

TEST(PerfilLectura, TreatsNulAndHighBytesAsOrdinaryCharacters) {
    const std::string texto("[a]\nk=x\0y\xE9\nj\0=2\n", 15);
    EXPECT_EQ(Leer(texto, "a", "k"), std::string("x\0y\xE9", 4));
    EXPECT_EQ(Leer(texto, "a", std::string("j\0", 2)), "2");
    // Names match byte for byte beyond ASCII: only A to Z fold.
    EXPECT_EQ(Leer("[\xC9]\nk=1\n", "\xE9", "k"), "<falta>");
}

TEST(PerfilLectura, HeaderWithoutClosingBracketLeavesItsLinesInTheSectionBefore) {
    EXPECT_EQ(Leer("[a\nk=1\n", "a", "k"), "<falta>");
    EXPECT_EQ(Leer("[b]\nj=0\n[a\nk=1\n", "b", "k"), "1");
    EXPECT_EQ(Leer("[a] resto\nk=2\n", "a", "k"), "2");
}

TEST(PerfilLectura, ALoneCarriageReturnEndsALine) {
    const std::string texto = "[Pantalla]\rAncho=640\rAlto=480\r\n[Sonido]\rSND=0";
    EXPECT_EQ(Leer(texto, "Pantalla", "Ancho"), "640");
    EXPECT_EQ(Leer(texto, "Pantalla", "Alto"), "480");
    EXPECT_EQ(Leer(texto, "Sonido", "SND"), "0");
    EXPECT_EQ(Leer(texto, "Pantalla", "SND"), "<falta>");
}

TEST(PerfilLectura, BlanksAroundTheNamesAskedForAreDropped) {
    const std::string texto = "[Pantalla]\r\nAncho=640\r\n";
    EXPECT_EQ(Leer(texto, " Pantalla ", "\tAncho "), "640");
    EXPECT_EQ(Leer(texto, "  ", "Ancho"), "<falta>");
}

// The same profile saved by different editors: every encoding reads as the Windows-1252 bytes.
TEST(PerfilLectura, UnicodeFilesWithAByteOrderMarkReadAsWindows1252) {
    const std::string esperado =
        "Espa\xF1"
        "a \x80 \x93ok\x94";
    const struct {
        const char* nombre;
        std::string texto;
    } casos[] = {
        {"Windows-1252",
         "[General]\r\nIdioma=Espa\xF1"
         "a \x80 \x93ok\x94\r\n"},
        {"UTF-8",
         "\xEF\xBB\xBF[General]\r\nIdioma=Espa\xC3\xB1"
         "a \xE2\x82\xAC "
         "\xE2\x80\x9Cok\xE2\x80\x9D\r\n"},
        {"UTF-16LE", Utf16(u"[General]\r\nIdioma=Espa\u00F1a \u20AC \u201Cok\u201D\r\n", false)},
        {"UTF-16BE", Utf16(u"[General]\r\nIdioma=Espa\u00F1a \u20AC \u201Cok\u201D\r\n", true)},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(Leer(caso.texto, "General", "Idioma"), esperado) << caso.nombre;
    }
    // Characters the code page lacks, broken sequences and a last odd byte become '?'.
    EXPECT_EQ(Leer("\xEF\xBB\xBF[a]\nk=\xE2\x98\x83\xC3x\n", "a", "k"), "??x");
    EXPECT_EQ(Leer(Utf16(u"[a]\nk=\xD800x", false) + "!", "a", "k"), "?x?");
}

TEST(PerfilLecturaArchivo, ReadsAFileAndGivesTheDefaultWhenItIsMissing) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Polvareda.INI";
    EXPECT_EQ(LeerPerfil(archivo, "Pantalla", "Scroll", "0"), "0");
    polvareda::prueba::Escribir(archivo, "[Pantalla]\r\nScroll=5\r\n");
    EXPECT_EQ(LeerPerfil(archivo, "Pantalla", "Scroll", "0"), "5");
    EXPECT_EQ(LeerPerfil(carpeta.Ruta(), "Pantalla", "Scroll", "7"), "7");
}

TEST(PerfilLecturaArchivo, AFileAboveTheLimitGivesTheDefault) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "enorme.INI";
    {
        std::ofstream flujo(archivo, std::ios::binary);
        flujo << "[a]\nk=1\n";
    }
    // A sparse extension makes the file large without writing 16 MiB.
    std::filesystem::resize_file(archivo, polvareda::kTamanoMaximoPerfil + 1);
    EXPECT_EQ(LeerPerfil(archivo, "a", "k", "0"), "0");
    std::filesystem::resize_file(archivo, polvareda::kTamanoMaximoPerfil);
    EXPECT_EQ(LeerPerfil(archivo, "a", "k", "0"), "1");
}
