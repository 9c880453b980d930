// Bitmap text: glyph choice and placement, the two drawing modes, spaces and characters
// without a glyph.
#include <gtest/gtest.h>

#include "Ayudas.h"
#include "Texto.h"

namespace polvareda {
namespace {

using prueba::Lisa;
using prueba::Ventana;

// A glyph sheet whose glyph g is a solid 7 x 12 block (mask black everywhere) painted in the
// colour band c with the value (c << 16) | g + 1, so every drawn pixel names its glyph.
Superficie HojaDeLetras() {
    Superficie l{Imagen(266, 84, 0), 1.0};
    for (int c = 1; c <= 6; ++c)
        for (int g = 0; g < 38; ++g)
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 7; ++x)
                    l.imagen.At(7 * g + x, 12 * c + y) = (static_cast<Pixel>(c) << 16) | (g + 1);
    return l;
}

// The same sheet, but each glyph has ink only in its top-left pixel.
Superficie HojaDePuntos() {
    Superficie l{Imagen(266, 84, 0xFFFFFF), 1.0};
    for (int y = 12; y < 84; ++y)
        for (int x = 0; x < 266; ++x) l.imagen.At(x, y) = 0;
    for (int g = 0; g < 38; ++g) {
        l.imagen.At(7 * g, 0) = 0;
        for (int c = 1; c <= 6; ++c) l.imagen.At(7 * g, 12 * c) = 0x0000FF;
    }
    return l;
}

Pixel Glifo(int color, int g) {
    return (static_cast<Pixel>(color) << 16) | (g + 1);
}

TEST(ColumnaGlifo, MapsLettersDigitsAndMarks) {
    EXPECT_EQ(ColumnaGlifo('A'), 0);
    EXPECT_EQ(ColumnaGlifo('Z'), 25);
    EXPECT_EQ(ColumnaGlifo('0'), 26);
    EXPECT_EQ(ColumnaGlifo('9'), 35);
    EXPECT_EQ(ColumnaGlifo(':'), 36);
    EXPECT_EQ(ColumnaGlifo(';'), 37);
    EXPECT_EQ(ColumnaGlifo(static_cast<char>(187)), 122);  // outside the sheet
}

TEST(Escribe, DirectModePlacesGlyphsEightPixelsApart) {
    Ventana v;
    v.g.superficies.letras = HojaDeLetras();
    Escribe(v.g, 2, 10, "A1", 1, kFondoDirecto);
    EXPECT_EQ(v.At(16, 10), Glifo(1, 0));
    EXPECT_EQ(v.At(22, 21), Glifo(1, 0));
    EXPECT_EQ(v.At(23, 10), 0u);  // the gap column is never drawn
    EXPECT_EQ(v.At(24, 10), Glifo(1, 27));
    EXPECT_EQ(v.At(24, 22), 0u);
}

TEST(Escribe, SpaceLeavesItsCellUntouchedInBothModes) {
    for (const int modo : {kFondoDirecto, kFondoCompuesto}) {
        Ventana v;
        v.g.superficies.letras = HojaDeLetras();
        v.lienzo.Rellenar({0, 0, 256, 192}, 0x445566);
        Escribe(v.g, 0, 0, "A B", 2, modo, 0, 0, nullptr);
        EXPECT_EQ(v.At(0, 0) & 0xFFFF, 1u) << modo;
        EXPECT_EQ(v.At(8, 0), 0x445566u) << modo;
        EXPECT_EQ(v.At(14, 11), 0x445566u) << modo;
        EXPECT_EQ(v.At(16, 0) & 0xFFFF, 2u) << modo;
    }
}

TEST(Escribe, BackgroundModeErasesThePreviousCharacter) {
    Ventana v;
    Superficies& s = v.g.superficies;
    s.letras = HojaDePuntos();
    s.panel = Lisa(256, 24, 0x777777);
    Escribe(v.g, 8, 178, "8", 1, kFondoDirecto);
    v.lienzo.Rellenar({64, 178, 7, 12}, 0xEEEEEE);  // an old digit's ink all over the cell
    Escribe(v.g, 8, 178, "1", 1, kFondoCompuesto, 8, 1, &s.panel);
    EXPECT_EQ(v.At(64, 178), 0x0000FFu);  // the new digit's one pixel of ink
    EXPECT_EQ(v.At(65, 178), 0x777777u);  // panel ground where the digit has no ink
    EXPECT_EQ(v.At(70, 189), 0x777777u);
    EXPECT_EQ(v.At(71, 178), 0u);  // the gap column stays as it was
}

TEST(Escribe, DirectModeMixesWithWhatIsUnderneath) {
    Ventana v;
    v.g.superficies.letras = HojaDePuntos();
    v.lienzo.Rellenar({0, 0, 8, 12}, 0x00FF00);
    Escribe(v.g, 0, 0, "A", 1, kFondoDirecto);
    EXPECT_EQ(v.At(0, 0), 0x0000FFu);  // ink: mask cut, glyph painted
    EXPECT_EQ(v.At(1, 0), 0x00FF00u);  // no ink: left as it was
}

TEST(Escribe, DrawsNothingForOtherFondoValuesEmptyTextOrGlyphsOffTheSheet) {
    Ventana v;
    v.g.superficies.letras = HojaDeLetras();
    Escribe(v.g, 0, 0, "ABC", 1, 5);
    Escribe(v.g, 0, 0, "ABC", 1, 1);
    Escribe(v.g, 0, 0, "", 1, kFondoDirecto);
    Escribe(v.g, 0, 0, "\xBB\xBB", 1, kFondoDirecto);
    Escribe(v.g, 0, 0, "\xBB\xBB", 1, kFondoCompuesto);
    EXPECT_FALSE(v.lienzo.HayCambios());
    EXPECT_EQ(v.lienzo.Pixeles(), Imagen(256, 192, 0));
}

TEST(Escribe, ScalesCellsWithOneRoundingPerCoordinate) {
    Ventana v(640, 480);
    v.g.vista.escala = Escala::Decimal(2.5);
    v.g.superficies.letras = HojaDeLetras();
    Escribe(v.g, 1, 1, "AB", 3, kFondoDirecto);
    // Character 1 starts at round(2.5·16) = 40, row round(2.5) = 2, cell round(17.5) = 18 wide.
    EXPECT_EQ(v.At(40, 2), Glifo(3, 1));
    EXPECT_EQ(v.At(57, 31), Glifo(3, 1));
    EXPECT_EQ(v.At(58, 2), 0u);
    EXPECT_EQ(v.At(37, 2), Glifo(3, 0));  // character 0: 20 .. 37
}

TEST(Escribe, ComposesOverAnEnlargedBackground) {
    Ventana v;
    Superficies& s = v.g.superficies;
    s.letras = HojaDePuntos();
    s.panel = Lisa(512, 48, 0x777777, 2.0);
    Escribe(v.g, 8, 178, "0", 1, kFondoCompuesto, 8, 1, &s.panel);
    EXPECT_EQ(v.At(66, 180), 0x777777u);
}

}  // namespace
}  // namespace polvareda
