// The byte complement of the data files.
#include <gtest/gtest.h>

#include <vector>

#include "CarpetaDePrueba.h"
#include "Complemento.h"

using polvareda::Complementar;
using polvareda::ComplementarArchivo;

TEST(Complemento, EveryByteBecomesTwoHundredFiftyFiveMinusIt) {
    std::vector<std::uint8_t> bytes(256);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    Complementar(bytes);
    for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 255 - i);
}

TEST(ComplementoArchivo, DecodingTwiceRestoresTheStoredForm) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Texto0.LNG";
    const std::string guardado("\xA4\xB8\xAC\xA3\x00\xFF\r\n", 8);
    polvareda::prueba::Escribir(archivo, guardado);
    ASSERT_TRUE(ComplementarArchivo(archivo));
    EXPECT_EQ(polvareda::prueba::Leer(archivo), std::string("[GS\\\xFF\x00\xF2\xF5", 8));
    ASSERT_TRUE(ComplementarArchivo(archivo));
    EXPECT_EQ(polvareda::prueba::Leer(archivo), guardado);
}

TEST(ComplementoArchivo, AnEmptyFileStaysEmpty) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "snd0.tmp";
    polvareda::prueba::Escribir(archivo, "");
    EXPECT_TRUE(ComplementarArchivo(archivo));
    EXPECT_EQ(std::filesystem::file_size(archivo), 0u);
}

TEST(ComplementoArchivo, TouchesOnlyAnExistingWritableFile) {
    polvareda::prueba::CarpetaDePrueba carpeta;
    const auto falta = carpeta.Ruta() / "Polvareda.DAT";
    EXPECT_FALSE(ComplementarArchivo(falta));
    EXPECT_FALSE(std::filesystem::exists(falta));
    EXPECT_FALSE(ComplementarArchivo(carpeta.Ruta()));

    const auto soloLectura = carpeta.Ruta() / "mejores.tmp";
    polvareda::prueba::Escribir(soloLectura, "abc");
    std::filesystem::permissions(soloLectura, std::filesystem::perms::owner_read);
    EXPECT_FALSE(ComplementarArchivo(soloLectura));
    EXPECT_EQ(polvareda::prueba::Leer(soloLectura), "abc");
}
