// Pictures loaded and saved, and damaged picture files refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "Plataforma.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path CarpetaDePrueba() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path carpeta = fs::path(POLVAREDA_BINARY_DIR) / "tests_tmp" / "platform" / info->name();
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    return carpeta;
}

Bytes Leer(const fs::path& archivo) {
    std::ifstream f(archivo, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void Poner32(Bytes& b, std::size_t i, std::uint32_t v, bool grande) {
    for (int k = 0; k < 4; ++k) {
        const int desplazamiento = grande ? 24 - 8 * k : 8 * k;
        b[i + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v >> desplazamiento);
    }
}

// A 24-bit bottom-up BMP: 2 x 2, rows padded to 8 bytes.
Bytes Bmp2x2() {
    Bytes b(54 + 16, 0);
    b[0] = 'B';
    b[1] = 'M';
    Poner32(b, 2, static_cast<std::uint32_t>(b.size()), false);
    Poner32(b, 10, 54, false);
    Poner32(b, 14, 40, false);
    Poner32(b, 18, 2, false);
    Poner32(b, 22, 2, false);
    b[26] = 1;
    b[28] = 24;
    const std::uint8_t filas[16] = {
        0xFF, 0, 0,    0,    0xFF, 0,    0, 0,  // bottom row: blue, green (BGR)
        0,    0, 0xFF, 0x10, 0x20, 0x30, 0, 0,  // top row: red, (0x30,0x20,0x10)
    };
    std::copy(std::begin(filas), std::end(filas), b.begin() + 54);
    return b;
}

TEST(ArchivosImagen, PngRoundTripKeepsEveryPixel) {
    Imagen original(37, 21);
    for (int y = 0; y < original.Height(); ++y) {
        for (int x = 0; x < original.Width(); ++x) original.At(x, y) = Rgb(x * 7, y * 11, x ^ y);
    }
    const fs::path archivo = CarpetaDePrueba() / "ida_y_vuelta.png";
    ASSERT_TRUE(GuardarPng(original, archivo));
    const auto leida = CargarImagen(archivo);
    ASSERT_TRUE(leida.has_value());
    EXPECT_EQ(*leida, original);
    const auto decodificada = DecodificarImagen(Leer(archivo));
    ASSERT_TRUE(decodificada.has_value());
    EXPECT_EQ(*decodificada, original);
}

TEST(ArchivosImagen, DecodesBmpTheRightWayUp) {
    const auto imagen = DecodificarImagen(Bmp2x2());
    ASSERT_TRUE(imagen.has_value());
    ASSERT_EQ(imagen->Width(), 2);
    ASSERT_EQ(imagen->Height(), 2);
    EXPECT_EQ(imagen->At(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(imagen->At(1, 0), Rgb(0x30, 0x20, 0x10));
    EXPECT_EQ(imagen->At(0, 1), Rgb(0, 0, 255));
    EXPECT_EQ(imagen->At(1, 1), Rgb(0, 255, 0));
}

TEST(ArchivosImagen, TransparentGifPixelsBecomeBlack) {
    // 1 x 1 GIF whose only pixel is the transparent colour (white in the palette).
    const Bytes gif = {'G',  'I', 'F', '8', '9',  'a',  1, 0, 1, 0,    0x80, 0, 0,    0xFF, 0xFF,
                       0xFF, 0,   0,   0,   0x21, 0xF9, 4, 1, 0, 0,    0,    0, 0x2C, 0,    0,
                       0,    0,   1,   0,   1,    0,    0, 2, 2, 0x44, 1,    0, 0x3B};
    const auto imagen = DecodificarImagen(gif);
    ASSERT_TRUE(imagen.has_value());
    ASSERT_EQ(imagen->Width(), 1);
    EXPECT_EQ(imagen->At(0, 0), 0u);
}

TEST(ArchivosImagen, RefusesGarbageAndCutFiles) {
    EXPECT_FALSE(DecodificarImagen(Bytes{}).has_value());
    EXPECT_FALSE(DecodificarImagen(Bytes(100, 0xAB)).has_value());
    EXPECT_FALSE(DecodificarImagen(Bytes{'B', 'M'}).has_value());
    Bytes bmp = Bmp2x2();
    bmp.resize(40);
    EXPECT_FALSE(DecodificarImagen(bmp).has_value());

    Imagen imagen(64, 64, Rgb(1, 2, 3));
    const fs::path archivo = CarpetaDePrueba() / "cortada.png";
    ASSERT_TRUE(GuardarPng(imagen, archivo));
    Bytes png = Leer(archivo);
    png.resize(png.size() / 2);
    EXPECT_FALSE(DecodificarImagen(png).has_value());
    EXPECT_FALSE(CargarImagen(archivo.parent_path() / "no_existe.png").has_value());
    EXPECT_FALSE(CargarImagen(archivo.parent_path()).has_value());  // a folder
}

TEST(ArchivosImagen, RefusesAbsurdSizesBeforeDecoding) {
    Imagen pequena(4, 4);
    const fs::path archivo = CarpetaDePrueba() / "pequena.png";
    ASSERT_TRUE(GuardarPng(pequena, archivo));
    const Bytes png = Leer(archivo);
    auto conTamano = [&](std::uint32_t ancho, std::uint32_t alto) {
        Bytes b = png;
        Poner32(b, 16, ancho, true);
        Poner32(b, 20, alto, true);
        return b;
    };
    EXPECT_FALSE(DecodificarImagen(conTamano(16385, 4)).has_value());
    EXPECT_FALSE(DecodificarImagen(conTamano(4, 0x7FFFFFFF)).has_value());
    EXPECT_FALSE(DecodificarImagen(conTamano(16384, 4097)).has_value());  // over 64 Mpixels
    EXPECT_FALSE(DecodificarImagen(conTamano(0, 4)).has_value());

    Bytes bmp = Bmp2x2();
    Poner32(bmp, 22, static_cast<std::uint32_t>(-20000), false);  // top-down, too tall
    EXPECT_FALSE(DecodificarImagen(bmp).has_value());
    Poner32(bmp, 22, static_cast<std::uint32_t>(-2), false);  // top-down, fine
    EXPECT_TRUE(DecodificarImagen(bmp).has_value());
}

TEST(ArchivosImagen, SavingNothingOrNowhereFails) {
    const fs::path carpeta = CarpetaDePrueba();
    EXPECT_FALSE(GuardarPng(Imagen(), carpeta / "vacia.png"));
    EXPECT_FALSE(GuardarPng(Imagen(2, 2), carpeta / "no" / "existe" / "x.png"));
}

}  // namespace
}  // namespace polvareda
