// The register of temporary files: noted, listed and deleted exactly.
#include "RegistroTemporales.h"

#include <gtest/gtest.h>

#include "CarpetaDePrueba.h"
#include "SoloPosix.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

TEST(RegistroTemporales, OnlyPathsStrictlyInsideTheFolderCount) {
    POLVAREDA_SOLO_POSIX("The paths are POSIX ones (/tmp/...), which are not absolute on Windows");
    const fs::path c = "/tmp/polvareda-abc";
    EXPECT_TRUE(DentroDe("/tmp/polvareda-abc/snd1.tmp", c));
    EXPECT_TRUE(DentroDe("/tmp/polvareda-abc/./x/../snd1.tmp", c));
    EXPECT_TRUE(DentroDe("/tmp/polvareda-abc/snd1.tmp", "/tmp/polvareda-abc/"));
    EXPECT_FALSE(DentroDe("/tmp/polvareda-abc", c));
    EXPECT_FALSE(DentroDe("/tmp/polvareda-abc/", c));
    EXPECT_FALSE(DentroDe("/tmp/polvareda-abc/..", c));
    EXPECT_FALSE(DentroDe("/tmp/polvareda-abc/../other/file", c));
    EXPECT_FALSE(DentroDe("/tmp/polvareda-abcd/file", c));
    EXPECT_FALSE(DentroDe("/etc/passwd", c));
    EXPECT_FALSE(DentroDe("snd1.tmp", c));
    EXPECT_FALSE(DentroDe("/tmp/polvareda-abc/x", ""));
}

TEST(RegistroTemporales, DeletesTheListedFilesAndItself) {
    prueba::CarpetaDePrueba carpeta;
    RegistroTemporales registro;
    ASSERT_TRUE(registro.Abrir(carpeta / "abcdefgh.tmp"));
    for (const char* nombre : {"snd0.tmp", "mus1.tmp"}) {
        prueba::Escribir(carpeta / nombre, "x");
        registro.Anotar(carpeta / nombre);
    }
    registro.Anotar(carpeta / "mejores.tmp");  // noted, never created: no harm
    prueba::Escribir(carpeta / "unlisted.tmp", "x");
    // Complete on disk while the game runs.
    EXPECT_EQ(prueba::Leer(carpeta / "abcdefgh.tmp"),
              (carpeta / "snd0.tmp").string() + "\r\n" + (carpeta / "mus1.tmp").string() + "\r\n" +
                  (carpeta / "mejores.tmp").string() + "\r\n");

    EXPECT_EQ(registro.BorrarAnotados(carpeta.Ruta()), 2);
    EXPECT_FALSE(fs::exists(carpeta / "snd0.tmp"));
    EXPECT_FALSE(fs::exists(carpeta / "mus1.tmp"));
    EXPECT_FALSE(fs::exists(carpeta / "abcdefgh.tmp"));
    EXPECT_TRUE(fs::exists(carpeta / "unlisted.tmp"));
}

TEST(RegistroTemporales, HostileLinesNeverDeleteOutsideTheFolder) {
    POLVAREDA_SOLO_POSIX("Windows has no symbolic links any user may make");
    prueba::CarpetaDePrueba base;
    const fs::path dentro = base / "temporal";
    const fs::path victima = base / "victima.txt";
    prueba::Escribir(victima, "keep me");
    prueba::Escribir(dentro / "sub" / "keep.txt", "keep me too");
    fs::create_symlink(victima, dentro / "enlace.tmp");

    RegistroTemporales registro;
    ASSERT_TRUE(registro.Abrir(dentro / "registro.tmp"));
    registro.Cerrar();
    prueba::Escribir(dentro / "registro.tmp",
                     victima.string() + "\r\n" + (dentro / ".." / "victima.txt").string() + "\r\n" +
                         dentro.string() + "\r\n" + (dentro / "sub").string() + "\n" +
                         "victima.txt\r\n" + (dentro / "enlace.tmp").string() + "\r\n" +
                         std::string("\0\0", 2) + "\r\n");
    registro.BorrarAnotados(dentro);

    EXPECT_EQ(prueba::Leer(victima), "keep me");
    EXPECT_TRUE(fs::exists(dentro / "sub" / "keep.txt"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dentro / "enlace.tmp")));  // the link only
    EXPECT_FALSE(fs::exists(dentro / "registro.tmp"));
}

}  // namespace
}  // namespace polvareda
