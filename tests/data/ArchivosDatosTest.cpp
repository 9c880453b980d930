// The data files' extraction and the scores' write-back on real folders.
#include "ArchivosDatos.h"

#include <gtest/gtest.h>

#include <vector>

#include "CarpetaDePrueba.h"
#include "Complemento.h"
#include "SoloPosix.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;
using prueba::Leer;

class ExtraerTest : public ::testing::Test {
  protected:
    ExtraerTest() {
        fs::create_directories(temporal_);
        EXPECT_TRUE(registro_.Abrir(temporal_ / "registro.tmp"));
    }

    DatosExtraidos Extraer(int idioma = 0, std::string_view xga = "") {
        return polvareda::Extraer(juego_, temporal_, idioma, xga, registro_,
                                  [this](const std::string& t) { avisos_.push_back(t); });
    }

    std::vector<std::string> Anotados() {
        registro_.Cerrar();
        std::vector<std::string> lineas;
        const std::string texto = Leer(temporal_ / "registro.tmp");
        for (std::size_t i = 0, fin; i < texto.size(); i = fin + 2) {
            fin = texto.find("\r\n", i);
            lineas.push_back(fs::path(texto.substr(i, fin - i)).filename().string());
        }
        return lineas;
    }

    prueba::CarpetaDePrueba carpeta_;
    fs::path juego_ = carpeta_ / "juego";
    fs::path temporal_ = carpeta_ / "temporal";
    RegistroTemporales registro_;
    std::vector<std::string> avisos_;
};

TEST_F(ExtraerTest, DecodesEveryFileInOrderAndNotesEachCopy) {
    prueba::EscribirCodificado(juego_ / "LNG" / "Texto2.LNG", "[Juego]\r\nDia=DAY\r\n");
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto0.SND", "RIFF0");
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto23.SND", "RIFF23");
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto24.SND", "never looked for");
    prueba::EscribirCodificado(juego_ / "MUS" / "Tema3.MUS", "MThd");
    prueba::EscribirCodificado(juego_ / "Polvareda.DAT", "A\r\n 1 \r\n");
    prueba::EscribirCodificado(juego_ / "XTRAS" / "Grande.XGA", "container");

    const DatosExtraidos datos = Extraer(2, "Grande");

    EXPECT_TRUE(datos.idioma);
    EXPECT_EQ(datos.efectos, 2);
    EXPECT_EQ(datos.temas, 1);
    EXPECT_TRUE(datos.mejores);
    EXPECT_TRUE(datos.extension);
    EXPECT_EQ(Leer(temporal_ / "idioma.tmp"), "[Juego]\r\nDia=DAY\r\n");
    EXPECT_EQ(Leer(temporal_ / "snd23.tmp"), "RIFF23");
    EXPECT_EQ(Leer(temporal_ / "mus3.tmp"), "MThd");
    EXPECT_EQ(Leer(temporal_ / "mejores.tmp"), "A\r\n 1 \r\n");
    EXPECT_EQ(Leer(temporal_ / "xga.tmp"), "container");
    EXPECT_FALSE(fs::exists(temporal_ / "snd24.tmp"));
    EXPECT_EQ(Anotados(), (std::vector<std::string>{"idioma.tmp", "snd0.tmp", "snd23.tmp",
                                                    "mus3.tmp", "mejores.tmp", "xga.tmp"}));
    EXPECT_TRUE(avisos_.empty());
    // The stored files are only read.
    EXPECT_EQ(Leer(juego_ / "SND" / "Efecto0.SND"), prueba::Complemento("RIFF0"));
}

TEST_F(ExtraerTest, MissingLanguageStillExtractsTheRestAndNotesTheScoresName) {
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto5.SND", "S");
    const DatosExtraidos datos = Extraer(7);
    EXPECT_FALSE(datos.idioma);
    EXPECT_EQ(datos.efectos, 1);
    EXPECT_FALSE(datos.mejores);
    EXPECT_FALSE(datos.extension);
    EXPECT_FALSE(fs::exists(temporal_ / "idioma.tmp"));
    EXPECT_FALSE(fs::exists(temporal_ / "mejores.tmp"));
    EXPECT_EQ(Anotados(), (std::vector<std::string>{"snd5.tmp", "mejores.tmp"}));
    EXPECT_TRUE(avisos_.empty());
}

// What start-up reports as missing: a folder with none of its files as the folder, else each
// file. (A whole folder reporting nothing is CI's first-minute check.)
TEST_F(ExtraerTest, MissingDataIsNamedByFolderOrByFile) {
    using Lista = std::vector<std::string>;
    fs::create_directories(juego_);
    EXPECT_EQ(DatosQueFaltan(juego_, 0, ""), (Lista{"LNG/Texto0.LNG", "SND/", "MUS/"}));

    prueba::EscribirCodificado(juego_ / "LNG" / "Texto1.LNG", "[Juego]\r\n");
    for (int i = 0; i < kEfectos; ++i)
        if (i != 4)
            prueba::EscribirCodificado(juego_ / "SND" / ("Efecto" + std::to_string(i) + ".SND"),
                                       "S");
    for (int i = 1; i <= kTemas; ++i)
        prueba::EscribirCodificado(juego_ / "MUS" / ("Tema" + std::to_string(i) + ".MUS"), "M");
    EXPECT_EQ(DatosQueFaltan(juego_, 1, "Grande"), (Lista{"SND/Efecto4.SND", "XTRAS/Grande.XGA"}));
}

TEST_F(ExtraerTest, ZeroLengthFilesGiveZeroLengthCopiesSilently) {
    prueba::Escribir(juego_ / "LNG" / "Texto0.LNG", "");
    prueba::Escribir(juego_ / "SND" / "Efecto1.SND", "");
    prueba::Escribir(juego_ / "Polvareda.DAT", "");
    const DatosExtraidos datos = Extraer();
    EXPECT_EQ(datos.efectos, 1);
    EXPECT_TRUE(fs::exists(temporal_ / "snd1.tmp"));
    EXPECT_EQ(fs::file_size(temporal_ / "snd1.tmp"), 0u);
    EXPECT_EQ(fs::file_size(temporal_ / "idioma.tmp"), 0u);
    EXPECT_EQ(fs::file_size(temporal_ / "mejores.tmp"), 0u);
    EXPECT_TRUE(avisos_.empty());
}

TEST_F(ExtraerTest, ReadOnlyStoredFilesGiveDecodedWritableCopies) {
    prueba::EscribirCodificado(juego_ / "Polvareda.DAT", "OLD\r\n 5 \r\n");
    prueba::EscribirCodificado(juego_ / "LNG" / "Texto0.LNG", "[Juego]\r\n");
    for (const char* f : {"Polvareda.DAT", "LNG/Texto0.LNG"})
        fs::permissions(juego_ / f, fs::perms::owner_read);
    const DatosExtraidos datos = Extraer();
    EXPECT_TRUE(datos.mejores);
    EXPECT_TRUE(datos.idioma);
    EXPECT_EQ(Leer(temporal_ / "mejores.tmp"), "OLD\r\n 5 \r\n");
    EXPECT_NE(fs::status(temporal_ / "mejores.tmp").permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_TRUE(avisos_.empty());
}

TEST_F(ExtraerTest, ExtensionNamesCannotLeadOutOfTheExtrasFolder) {
    prueba::EscribirCodificado(juego_ / "secreto.XGA", "outside");
    for (const char* nombre : {"../secreto", "..\\secreto", "/etc/passwd", "a:b"}) {
        EXPECT_TRUE(ArchivoExtension(juego_, nombre).empty()) << nombre;
        EXPECT_FALSE(Extraer(0, nombre).extension) << nombre;
    }
    EXPECT_FALSE(fs::exists(temporal_ / "xga.tmp"));
    EXPECT_EQ(ArchivoExtension(juego_, ""), juego_ / "XTRAS" / ".XGA");
}

TEST_F(ExtraerTest, FoldersAndOversizedFilesAreNotCopied) {
    fs::create_directories(juego_ / "SND" / "Efecto2.SND");
    prueba::Escribir(juego_ / "MUS" / "Tema1.MUS", "");
    fs::resize_file(juego_ / "MUS" / "Tema1.MUS", kLimiteArchivoDatos + 1);
    const DatosExtraidos datos = Extraer();
    EXPECT_EQ(datos.efectos, 0);
    EXPECT_EQ(datos.temas, 0);
    EXPECT_FALSE(fs::exists(temporal_ / "mus1.tmp"));
}

TEST(Complemento, DecodingTwiceRestoresTheStoredFile) {
    prueba::CarpetaDePrueba carpeta;
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    prueba::Escribir(carpeta / "f.tmp", bytes);
    ASSERT_TRUE(ComplementarArchivo(carpeta / "f.tmp"));
    EXPECT_EQ(Leer(carpeta / "f.tmp"), prueba::Complemento(bytes));
    ASSERT_TRUE(ComplementarArchivo(carpeta / "f.tmp"));
    EXPECT_EQ(Leer(carpeta / "f.tmp"), bytes);
}

TEST(DevolverMejores, CreatesTheStoredFileEncodedAndLeavesNoSibling) {
    prueba::CarpetaDePrueba carpeta;
    prueba::Escribir(carpeta / "mejores.tmp", "A\r\n 1 \r\n");
    ASSERT_TRUE(DevolverMejores(carpeta / "mejores.tmp", carpeta / "Polvareda.DAT"));
    EXPECT_EQ(Leer(carpeta / "Polvareda.DAT"), prueba::Complemento("A\r\n 1 \r\n"));
    EXPECT_EQ(Leer(carpeta / "mejores.tmp"), "A\r\n 1 \r\n");

    prueba::Escribir(carpeta / "mejores.tmp", "B\r\n 2 \r\n");
    ASSERT_TRUE(DevolverMejores(carpeta / "mejores.tmp", carpeta / "Polvareda.DAT"));
    EXPECT_EQ(Leer(carpeta / "Polvareda.DAT"), prueba::Complemento("B\r\n 2 \r\n"));
    int archivos = 0;
    for (const auto& e : fs::directory_iterator(carpeta.Ruta())) archivos += e.exists();
    EXPECT_EQ(archivos, 2);
}

TEST(DevolverMejores, ReadOnlyStoredFileStaysExactlyAsItWas) {
    prueba::CarpetaDePrueba carpeta;
    const fs::path dat = carpeta / "Polvareda.DAT";
    prueba::Escribir(dat, "old");
    fs::permissions(dat, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    prueba::Escribir(carpeta / "mejores.tmp", "new");
    EXPECT_FALSE(DevolverMejores(carpeta / "mejores.tmp", dat));
    EXPECT_EQ(Leer(dat), "old");
    EXPECT_FALSE(fs::exists(carpeta / "Polvareda.DAT.nuevo"));
}

TEST(DevolverMejores, ALeftoverSiblingIsReplacedNeverWrittenThrough) {
    POLVAREDA_SOLO_POSIX("Windows has no symbolic links any user may make");
    prueba::CarpetaDePrueba carpeta;
    const fs::path juego = carpeta / "juego";
    const fs::path victima = carpeta / "victima.txt";
    prueba::Escribir(victima, "keep me");
    prueba::Escribir(juego / "mejores.tmp", "A\r\n 1 \r\n");
    fs::create_symlink(victima, juego / "Polvareda.DAT.nuevo");
    ASSERT_TRUE(DevolverMejores(juego / "mejores.tmp", juego / "Polvareda.DAT"));
    EXPECT_EQ(Leer(victima), "keep me");
    EXPECT_EQ(Leer(juego / "Polvareda.DAT"), prueba::Complemento("A\r\n 1 \r\n"));

    // A read-only leftover from an interrupted run does not block every later write-back.
    prueba::Escribir(juego / "Polvareda.DAT.nuevo", "stale");
    fs::permissions(juego / "Polvareda.DAT.nuevo", fs::perms::owner_read);
    prueba::Escribir(juego / "mejores.tmp", "B\r\n 2 \r\n");
    ASSERT_TRUE(DevolverMejores(juego / "mejores.tmp", juego / "Polvareda.DAT"));
    EXPECT_EQ(Leer(juego / "Polvareda.DAT"), prueba::Complemento("B\r\n 2 \r\n"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(juego / "Polvareda.DAT.nuevo")));
}

TEST(DevolverMejores, NothingToWriteBackOrAFolderInTheWayChangesNothing) {
    prueba::CarpetaDePrueba carpeta;
    prueba::Escribir(carpeta / "Polvareda.DAT", "old");
    EXPECT_FALSE(DevolverMejores(carpeta / "missing.tmp", carpeta / "Polvareda.DAT"));
    EXPECT_EQ(Leer(carpeta / "Polvareda.DAT"), "old");

    fs::create_directories(carpeta / "dir" / "Polvareda.DAT");
    prueba::Escribir(carpeta / "mejores.tmp", "new");
    EXPECT_FALSE(DevolverMejores(carpeta / "mejores.tmp", carpeta / "dir" / "Polvareda.DAT"));
    EXPECT_TRUE(fs::is_directory(carpeta / "dir" / "Polvareda.DAT"));
}

}  // namespace
}  // namespace polvareda
