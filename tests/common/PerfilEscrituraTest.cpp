// Writing values into profile texts and files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef __unix__
#include <sys/resource.h>

#include <csignal>
#endif

#include "CarpetaDePrueba.h"
#include "Perfil.h"
#include "SoloPosix.h"

using polvareda::EscribirPerfil;
using polvareda::EscribirValorPerfil;
using polvareda::LeerPerfil;
using polvareda::LeerValorPerfil;

TEST(PerfilEscritura, ReplacesTheValueInPlaceKeepingEveryOtherByte) {
    const std::string texto =
        "; hecho a mano\r\n[Pantalla]\r\n  Ancho =  640 \r\nSCROLL = 15\n\r\n[Sonido]\r\nSND=1";
    EXPECT_EQ(EscribirValorPerfil(texto, "pantalla", "Scroll", "5"),
              "; hecho a mano\r\n[Pantalla]\r\n  Ancho =  640 \r\nSCROLL=5\n\r\n[Sonido]\r\nSND=1");
    // The last line keeps its missing newline.
    EXPECT_EQ(
        EscribirValorPerfil(texto, "Sonido", "snd", "0"),
        "; hecho a mano\r\n[Pantalla]\r\n  Ancho =  640 \r\nSCROLL = 15\n\r\n[Sonido]\r\nSND=0");
}

TEST(PerfilEscritura, ReplacesOnlyTheFirstMatchingKeyOfTheFirstSection) {
    const std::string texto = "[a]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n";
    EXPECT_EQ(EscribirValorPerfil(texto, "A", "K", "9"), "[a]\r\nk=9\r\nk=2\r\n[A]\r\nk=3\r\n");
}

TEST(PerfilEscritura, AppendsAMissingKeyAtTheEndOfItsSectionBeforeBlankLines) {
    const std::string texto = "[Pantalla]\r\nAncho= 640\r\n\r\n  \r\n[Sonido]\r\nSND=1\r\n";
    EXPECT_EQ(EscribirValorPerfil(texto, "Pantalla", "Alto", " 400"),
              "[Pantalla]\r\nAncho= 640\r\nAlto= 400\r\n\r\n  \r\n[Sonido]\r\nSND=1\r\n");
    EXPECT_EQ(EscribirValorPerfil(texto, "Sonido", "MUS", "0"), texto + "MUS=0\r\n");
}

TEST(PerfilEscritura, EndsAnUnterminatedLastLineBeforeAppending) {
    EXPECT_EQ(EscribirValorPerfil("[a]\nk=1", "a", "j", "2"), "[a]\nk=1\r\nj=2\r\n");
    EXPECT_EQ(EscribirValorPerfil("[a]", "a", "j", "2"), "[a]\r\nj=2\r\n");
    EXPECT_EQ(EscribirValorPerfil("[a]\nk=1", "b", "j", "2"), "[a]\nk=1\r\n\r\n[b]\r\nj=2\r\n");
}

TEST(PerfilEscritura, CreatesTheSectionAtTheEnd) {
    EXPECT_EQ(EscribirValorPerfil("", "Pantalla", "DDraw", "1"), "[Pantalla]\r\nDDraw=1\r\n");
    EXPECT_EQ(EscribirValorPerfil("[a]\r\nk=1\r\n", "b", "j", "2"),
              "[a]\r\nk=1\r\n\r\n[b]\r\nj=2\r\n");
    // No second blank line after one already there.
    EXPECT_EQ(EscribirValorPerfil("[a]\r\nk=1\r\n\r\n", "b", "j", "2"),
              "[a]\r\nk=1\r\n\r\n[b]\r\nj=2\r\n");
    // A byte-order mark stays in front.
    EXPECT_EQ(EscribirValorPerfil("\xEF\xBB\xBF", "b", "j", "2"), "\xEF\xBB\xBF[b]\r\nj=2\r\n");
}

TEST(PerfilEscritura, WrittenValuesReadBack) {
    std::string texto = "[Pantalla]\nXGA=\n";
    texto = EscribirValorPerfil(texto, "Pantalla", "XGA", "oro viejo");
    texto = EscribirValorPerfil(texto, "Pantalla", "Ancho", " 640");
    texto = EscribirValorPerfil(texto, "Opciones", "Idioma", "1");
    texto = EscribirValorPerfil(texto, "Pantalla", "XGA", "");
    EXPECT_EQ(texto, "[Pantalla]\nXGA=\nAncho= 640\r\n\r\n[Opciones]\r\nIdioma=1\r\n");
    EXPECT_EQ(LeerValorPerfil(texto, "Pantalla", "Ancho", ""), "640");
    EXPECT_EQ(LeerValorPerfil(texto, "opciones", "idioma", ""), "1");
}

TEST(PerfilEscritura, ALineBreakInTheValueCannotAddLines) {
    const std::string texto =
        EscribirValorPerfil("", "Pantalla", "XGA", "malo\r\n[Opciones]\r\nIdioma=9");
    EXPECT_EQ(texto, "[Pantalla]\r\nXGA=malo\r\n");
    EXPECT_EQ(LeerValorPerfil(texto, "Opciones", "Idioma", "0"), "0");
}

TEST(PerfilEscritura, NamesThatCannotReadBackLeaveTheTextUnchanged) {
    const std::string texto = "[a]\r\nk=1\r\n";
    for (const auto& [seccion, clave] : {std::pair<std::string, std::string>{"", "k"},
                                         {"a", ""},
                                         {"a]", "k"},
                                         {"a", "k=j"},
                                         {"a", ";k"},
                                         {"a", "[k"},
                                         {" a", "k"},
                                         {"a", "k "},
                                         {"a\nb", "k"},
                                         {"a", "k\r"}}) {
        EXPECT_EQ(EscribirValorPerfil(texto, seccion, clave, "2"), texto)
            << seccion << "|" << clave;
    }
}

// A file an editor saved as UTF-8 or UTF-16 stays in that encoding, every other character kept.
TEST(PerfilEscritura, KeepsTheEncodingOfAUnicodeFile) {
    const std::string utf8 = "\xEF\xBB\xBF[General]\r\nTraductor=\xE2\x98\x83 Jos\xC3\xA9\r\n";
    EXPECT_EQ(EscribirValorPerfil(utf8, "General", "Idioma", "Espa\xF1ol"),
              "\xEF\xBB\xBF[General]\r\nTraductor=\xE2\x98\x83 Jos\xC3\xA9\r\n"
              "Idioma=Espa\xC3\xB1ol\r\n");
    const std::string utf16("\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\x03\x26\r\0\n\0", 22);
    const std::string escrito = EscribirValorPerfil(utf16, "a", "j", "\xF1");
    EXPECT_EQ(escrito, utf16 + std::string("j\0=\0\xF1\0\r\0\n\0", 10));
    EXPECT_EQ(LeerValorPerfil(escrito, "a", "j", ""), "\xF1");
    EXPECT_EQ(LeerValorPerfil(escrito, "a", "k", ""), "?");
    // Broken UTF-16 is not rewritten: some of it would be lost.
    EXPECT_EQ(EscribirValorPerfil(utf16 + "!", "a", "j", "1"), utf16 + "!");
    polvareda::prueba::CarpetaDePrueba carpeta;
    polvareda::prueba::Escribir(carpeta / "SetUp.INF", utf16 + "!");
    EXPECT_FALSE(EscribirPerfil(carpeta / "SetUp.INF", "a", "j", "1"));
}

TEST(PerfilEscrituraArchivo, CreatesTheFileAndKeepsOtherLinesByteForByte) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "SetUp.INF";
    ASSERT_TRUE(EscribirPerfil(archivo, "General", "Idioma", " 1"));
    EXPECT_EQ(polvareda::prueba::Leer(archivo), "[General]\r\nIdioma= 1\r\n");

    const std::string antes("[General]\nIdioma=0\n; nota\xFF\0\n[Otra]\nx = 1 ", 41);
    polvareda::prueba::Escribir(archivo, antes);
    ASSERT_TRUE(EscribirPerfil(archivo, "general", "IDIOMA", " 0"));
    EXPECT_EQ(polvareda::prueba::Leer(archivo),
              std::string("[General]\nIdioma= 0\n; nota\xFF\0\n[Otra]\nx = 1 ", 42));
    EXPECT_EQ(LeerPerfil(archivo, "Otra", "x", ""), "1");

    // Nothing but the file itself is left in the folder.
    int archivos = 0;
    for ([[maybe_unused]] const auto& entrada :
         std::filesystem::directory_iterator(carpeta.Ruta())) {
        ++archivos;
    }
    EXPECT_EQ(archivos, 1);
}

TEST(PerfilEscrituraArchivo, KeepsThePermissionsOfTheReplacedFile) {
    POLVAREDA_SOLO_POSIX("Windows has no permission bits beyond read-only");
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Polvareda.INI";
    polvareda::prueba::Escribir(archivo, "[Pantalla]\r\nScroll=15\r\n");
    const auto permisos = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(archivo, permisos);
    ASSERT_TRUE(EscribirPerfil(archivo, "Pantalla", "Scroll", "5"));
    EXPECT_EQ(std::filesystem::status(archivo).permissions(), permisos);
}

TEST(PerfilEscrituraArchivo, LeavesAReadOnlyFileAsItWas) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Polvareda.INI";
    const std::string antes = "[Pantalla]\r\nScroll=15\r\n";
    polvareda::prueba::Escribir(archivo, antes);
    std::filesystem::permissions(archivo, std::filesystem::perms::owner_read);
    EXPECT_FALSE(EscribirPerfil(archivo, "Pantalla", "Scroll", "5"));
    EXPECT_EQ(polvareda::prueba::Leer(archivo), antes);
}

TEST(PerfilEscrituraArchivo, LeavesTheFileAsItWasWhenTheFolderIsNotWritable) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Polvareda.INI";
    const std::string antes = "[Pantalla]\r\nScroll=15\r\n";
    polvareda::prueba::Escribir(archivo, antes);
    std::filesystem::permissions(
        carpeta.Ruta(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    {
        // A privileged user writes anywhere; the check is meaningless then.
        std::ofstream prueba(carpeta.Ruta() / "prueba");
        if (prueba) GTEST_SKIP() << "the folder stays writable for this user";
    }
    EXPECT_FALSE(EscribirPerfil(archivo, "Pantalla", "Scroll", "5"));
    EXPECT_FALSE(EscribirPerfil(carpeta.Ruta() / "nuevo.INI", "a", "k", "1"));
    EXPECT_EQ(polvareda::prueba::Leer(archivo), antes);
}

#ifdef __unix__
// The same for every user, root included: the system refuses the write itself, as on a full
// disk. A file-size limit of a few bytes makes every longer write fail.
TEST(PerfilEscrituraArchivo, AWriteTheSystemRefusesLeavesTheFileAndNoSiblingBehind) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Polvareda.INI";
    const std::string antes = "[Pantalla]\r\nScroll=15\r\n";
    polvareda::prueba::Escribir(archivo, antes);
    {
        struct LimiteDeArchivo {
            rlimit antes{};
            void (*senal)(int) = nullptr;
            LimiteDeArchivo() {
                getrlimit(RLIMIT_FSIZE, &antes);
                senal = std::signal(SIGXFSZ, SIG_IGN);
                rlimit limite = antes;
                limite.rlim_cur = 4;
                setrlimit(RLIMIT_FSIZE, &limite);
            }
            ~LimiteDeArchivo() {
                setrlimit(RLIMIT_FSIZE, &antes);
                std::signal(SIGXFSZ, senal);
            }
        } limite;
        EXPECT_FALSE(EscribirPerfil(archivo, "Pantalla", "Scroll", "5"));
        EXPECT_FALSE(EscribirPerfil(carpeta.Ruta() / "nuevo.INI", "a", "k", "1"));
    }
    EXPECT_EQ(polvareda::prueba::Leer(archivo), antes);
    std::vector<std::string> quedan;
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta.Ruta()))
        quedan.push_back(entrada.path().filename().string());
    EXPECT_EQ(quedan, std::vector<std::string>{"Polvareda.INI"});
}
#endif

TEST(PerfilEscrituraArchivo, RefusesWhatItCannotReadWhole) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    // A folder in the file's place, and a file above the size limit.
    EXPECT_FALSE(EscribirPerfil(carpeta.Ruta(), "a", "k", "1"));
    const auto enorme = carpeta.Ruta() / "enorme.INI";
    polvareda::prueba::Escribir(enorme, "[a]\nk=0\n");
    std::filesystem::resize_file(enorme, polvareda::kTamanoMaximoPerfil + 1);
    EXPECT_FALSE(EscribirPerfil(enorme, "a", "k", "1"));
    EXPECT_EQ(std::filesystem::file_size(enorme), polvareda::kTamanoMaximoPerfil + 1);
    // A missing folder.
    EXPECT_FALSE(EscribirPerfil(carpeta.Ruta() / "no" / "hay.INI", "a", "k", "1"));
    EXPECT_FALSE(std::filesystem::exists(carpeta.Ruta() / "no"));
}

TEST(PerfilEscrituraArchivo, WritesSeveralValuesInOneReplacementOrNoneAtAll) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Polvareda.INI";
    polvareda::prueba::Escribir(archivo, "[Pantalla]\r\nScroll=3\r\n");
    const polvareda::ValorPerfil valores[] = {
        {"Pantalla", "DDraw", "1"}, {"Pantalla", "Scroll", "3"}, {"Sonido", "SND", "0"}};
    ASSERT_TRUE(EscribirPerfil(archivo, valores));
    EXPECT_EQ(polvareda::prueba::Leer(archivo),
              "[Pantalla]\r\nScroll=3\r\nDDraw=1\r\n\r\n[Sonido]\r\nSND=0\r\n");

    // One unwritable key name spoils the whole write: nothing changes.
    const polvareda::ValorPerfil malos[] = {{"Pantalla", "DDraw", "0"}, {"Sonido", "a=b", "1"}};
    EXPECT_FALSE(EscribirPerfil(archivo, malos));
    EXPECT_EQ(LeerPerfil(archivo, "Pantalla", "DDraw", ""), "1");
}
