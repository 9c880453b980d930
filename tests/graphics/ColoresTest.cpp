// The afternoon and night colourings and the choice of set by phase.
#include <gtest/gtest.h>

#include "Ayudas.h"
#include "Colores.h"

namespace polvareda {
namespace {

using prueba::Numerada;

TEST(Recolorear, LowersEachChannelAndClampsAtZero) {
    Imagen im(1, 1, Rgb(100, 200, 50));
    Recolorear(im, {88, 112, 184}, 0);
    EXPECT_EQ(im.At(0, 0), Rgb(12, 88, 0));
    Imagen blanco(1, 1, Rgb(255, 255, 255));
    Recolorear(blanco, {207, 207, 128}, 0);
    EXPECT_EQ(blanco.At(0, 0), Rgb(48, 48, 127));
    Imagen gris(1, 1, Rgb(100, 100, 100));
    Recolorear(gris, {0, 112, 0}, 0);
    EXPECT_EQ(gris.At(0, 0), Rgb(100, 0, 100));  // 100 - 112 is 0, not a wrapped value
}

TEST(Recolorear, SheetsChangeOnlyInTheirUpperHalf) {
    EXPECT_EQ(PrimerPixelMitadSuperior(48, 176), 48 * 88);  // byte 12727 of the saved file
    EXPECT_EQ(PrimerPixelMitadSuperior(12, 22), 12 * 11);   // byte 451
    // An odd height splits the middle row where the byte rule fell: half of it changes.
    EXPECT_EQ(PrimerPixelMitadSuperior(4, 3), 6);
}

TEST(HacerTarde, KeepsTheDaySetAndLeavesTheMaskHalfByteForByte) {
    Superficies s;
    CargarIncorporadas(s, nullptr);
    for (int i = 0; i < 50; ++i)
        if (Superficie* h = s.Sprite(i)) h->imagen = Numerada(48, 176);
    s.Paisaje.imagen = Imagen(256, 112, Rgb(200, 200, 200));
    Coloreados c;
    std::vector<int> relojes;
    HacerTarde(s, c, [&](int r) { relojes.push_back(r); });
    HacerNoche(s, c, nullptr);
    ASSERT_TRUE(c.tarde.hecho);
    ASSERT_TRUE(c.noche.hecho);
    EXPECT_EQ(relojes.size(), 37u + 2 + 1);
    EXPECT_EQ(relojes[0], 1);  // sheet 0 even
    EXPECT_EQ(relojes[1], 2);  // sheet 1 odd
    const Imagen& dia = c.dia.sprite[5];
    const Imagen& tarde = c.tarde.sprite[5];
    EXPECT_EQ(dia, Numerada(48, 176));
    for (int y = 88; y < 176; ++y)
        for (int x = 0; x < 48; ++x) ASSERT_EQ(tarde.At(x, y), dia.At(x, y));
    EXPECT_NE(tarde.At(47, 87), dia.At(47, 87));
    EXPECT_EQ(c.tarde.Paisaje.At(0, 111), Rgb(112, 16, 16));  // scenery changed whole
    EXPECT_EQ(c.noche.Paisaje.At(255, 0), Rgb(0, 0, 72));
    EXPECT_TRUE(c.tarde.sprite[10].Empty());
}

TEST(CargarConjunto, SwapsSheetsHatsAndSceneryAndBack) {
    Superficies s;
    CargarIncorporadas(s, nullptr);
    const Imagen paisajeDia = s.Paisaje.imagen;
    Coloreados c;
    CargarConjunto(s, c, Momento::Noche);  // nothing made yet: pictures stay
    EXPECT_EQ(s.Paisaje.imagen, paisajeDia);
    HacerTarde(s, c, nullptr);
    HacerNoche(s, c, nullptr);
    CargarConjunto(s, c, Momento::Noche);
    EXPECT_EQ(s.Paisaje.imagen, c.noche.Paisaje);
    EXPECT_EQ(s.sombrero[1].imagen, c.noche.sombrero[1]);
    EXPECT_EQ(s.sprite[49].imagen, c.noche.sprite[49]);
    CargarConjunto(s, c, Momento::Dia);
    EXPECT_EQ(s.Paisaje.imagen, paisajeDia);
}

TEST(MomentoDeFase, AfternoonAtEightNightAtNineDayAfter) {
    EXPECT_EQ(MomentoDeFase(1), Momento::Dia);
    EXPECT_EQ(MomentoDeFase(2), std::nullopt);
    EXPECT_EQ(MomentoDeFase(7), std::nullopt);
    EXPECT_EQ(MomentoDeFase(8), Momento::Tarde);
    EXPECT_EQ(MomentoDeFase(9), Momento::Noche);
    EXPECT_EQ(MomentoDeFase(10), Momento::Dia);
    EXPECT_EQ(MomentoDeFase(17), Momento::Tarde);
    EXPECT_EQ(MomentoDeFase(18), Momento::Noche);
}

}  // namespace
}  // namespace polvareda
