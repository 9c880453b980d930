// The whole-file replacement under the files' edges: something planted in the sibling's place,
// permissions that must hold from the creation on, a leftover of a killed run, and links.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ArchivoAtomico.h"
#include "CarpetaDePrueba.h"
#include "SoloPosix.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

TEST(ArchivoAtomico, ASiblingInTheWayIsNeverWrittenThroughAndALeftoverNeverBlocks) {
    prueba::CarpetaDePrueba carpeta;
    const fs::path archivo = carpeta / "Polvareda.DAT";
    const fs::path victima = carpeta / "fuera" / "victima";
    prueba::Escribir(archivo, "viejo");
    prueba::Escribir(victima, "intacta");
    // A link planted where the fixed sibling goes: the exclusive creation refuses it.
    POLVAREDA_SOLO_POSIX("Windows has no symbolic links any user may make");
    fs::create_symlink(victima, carpeta / "Polvareda.DAT.nuevo");
    EXPECT_FALSE(ReemplazarArchivoPor(archivo, carpeta / "Polvareda.DAT.nuevo", "nuevo"));
    EXPECT_EQ(prueba::Leer(victima), "intacta");
    EXPECT_EQ(prueba::Leer(archivo), "viejo");
    // The random sibling of a killed run is left where it is and the next write goes on.
    prueba::Escribir(carpeta / ".Polvareda.DAT.0123abcd.tmp", "resto");
    EXPECT_TRUE(ReemplazarArchivo(archivo, "nuevo"));
    EXPECT_EQ(prueba::Leer(archivo), "nuevo");
    std::size_t archivos = 0;
    for (const auto& entrada : fs::directory_iterator(carpeta.Ruta()))
        archivos += !entrada.is_directory();
    EXPECT_EQ(archivos, 3u);  // the file, the link and the leftover: no sibling of its own
}

TEST(ArchivoAtomico, PermissionsComeWithTheCreationAndLinksAreWrittenThrough) {
    prueba::CarpetaDePrueba carpeta;
    const fs::path archivo = carpeta / "Polvareda.INI";
    const auto todos = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                       fs::perms::group_write | fs::perms::others_read;
    // A creation mask that would take bits away does not change what the old file had.
    POLVAREDA_SOLO_POSIX(
        "Windows has no permission bits beyond read-only, nor links any user may make");
    const auto mascara = ::umask(077);
    EXPECT_TRUE(ReemplazarArchivo(archivo, "a", todos));
    EXPECT_EQ(fs::status(archivo).permissions(), todos);
    // Read-only from its creation on, and written all the same.
    EXPECT_TRUE(ReemplazarArchivo(archivo, "b", fs::perms::owner_read));
    EXPECT_EQ(fs::status(archivo).permissions(), fs::perms::owner_read);
    EXPECT_EQ(prueba::Leer(archivo), "b");
    ::umask(mascara);

    // A settings file kept elsewhere and linked in: the target gets the bytes, the link stays.
    const fs::path destino = carpeta / "dotfiles" / "Polvareda.INI";
    prueba::Escribir(destino, "[Teclado]\n");
    const fs::path enlace = carpeta / "juego" / "Polvareda.INI";
    fs::create_directories(enlace.parent_path());
    fs::create_symlink("../dotfiles/Polvareda.INI", enlace);
    EXPECT_TRUE(ReemplazarArchivo(enlace, "[Teclado]\nDisparo1=90\n"));
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(prueba::Leer(destino), "[Teclado]\nDisparo1=90\n");
    // A loop of links is refused, not followed for ever.
    fs::create_symlink("bucle2", carpeta / "bucle1");
    fs::create_symlink("bucle1", carpeta / "bucle2");
    EXPECT_FALSE(ReemplazarArchivo(carpeta / "bucle1", "x"));
}

}  // namespace
}  // namespace polvareda
