// The display paths' arithmetic: the scale of the desktop path, the 320 x 200 canvas, the
// window sizes and the message for a size that cannot be had.
#include "ModoPantalla.h"

#include <gtest/gtest.h>

namespace polvareda {
namespace {

Escala Diez(std::int64_t v) {
    return Escala::Diezmilesimas(v);
}

TEST(ModoPantalla, WholeScaleIsTheLargestMultipleThatFits) {
    // 800 x 600: 3.125 both ways, whole 3, a 768 x 576 picture.
    const ModoPantalla modo = ModoEscritorio({800, 600}, 1, true, false);
    EXPECT_EQ(modo.escala, Escala::Entera(3));
    EXPECT_EQ(modo.imagen, (Tamano{768, 576}));
    EXPECT_EQ(modo.lienzo, (Tamano{800, 600}));
    EXPECT_TRUE(modo.pantallaCompleta);
    EXPECT_EQ(modo.margenX, 0);
    EXPECT_EQ(modo.margenY, 0);
    // Centred on the screen.
    EXPECT_EQ(modo.origenX, 16);
    EXPECT_EQ(modo.origenY, 12);
}

TEST(ModoPantalla, FreeScaleFillsTheShorterSideExactly) {
    const ModoPantalla a = ModoEscritorio({800, 600}, 1, true, true);
    EXPECT_EQ(a.escala, Diez(31250));
    EXPECT_EQ(a.imagen, (Tamano{800, 600}));
    EXPECT_EQ(a.origenX, 0);
    EXPECT_EQ(a.origenY, 0);

    const ModoPantalla b = ModoEscritorio({640, 480}, 1, true, true);
    EXPECT_EQ(b.escala, Diez(25000));
    EXPECT_EQ(b.imagen, (Tamano{640, 480}));

    // 640 x 400: the height ratio 2.0833... is the smaller one, rounded to four decimals.
    const ModoPantalla c = ModoEscritorio({640, 400}, 1, true, true);
    EXPECT_EQ(c.escala, Diez(20833));
    EXPECT_EQ(c.imagen, (Tamano{533, 399}));
    EXPECT_EQ(ModoEscritorio({640, 400}, 1, true, false).escala, Escala::Entera(2));
}

TEST(ModoPantalla, WithoutFullScreenTheScaleStaysOneOnAnyScreen) {
    for (bool libre : {false, true}) {
        const ModoPantalla modo = ModoEscritorio({800, 600}, 1, false, libre);
        EXPECT_EQ(modo.escala, Escala());
        EXPECT_EQ(modo.imagen, (Tamano{256, 192}));
        EXPECT_EQ(modo.lienzo, (Tamano{800, 600}));
        EXPECT_EQ(modo.origenX, 272);
        EXPECT_EQ(modo.origenY, 204);
    }
}

TEST(ModoPantalla, ExtensionMultiplierDividesTheScreen) {
    // m = 2 on 800 x 600: 800 / 512 = 1.5625, 600 / 384 = 1.5625.
    EXPECT_EQ(EscalaDePantalla({800, 600}, 2, true, true), Diez(15625));
    EXPECT_EQ(EscalaDePantalla({800, 600}, 2, true, false), Escala::Entera(1));
    const ModoPantalla libre = ModoEscritorio({800, 600}, 2, true, true);
    EXPECT_EQ(libre.imagen, (Tamano{800, 600}));
    // Without a scale the picture is 512 x 384, the extension's own size.
    const ModoPantalla ventana = ModoEscritorio({640, 480}, 2, false, false);
    EXPECT_EQ(ventana.imagen, (Tamano{512, 384}));
    EXPECT_EQ(ModoVentana(2).imagen, (Tamano{512, 384}));
    EXPECT_EQ(ModoVentana(2).lienzo, (Tamano{512, 384}));
}

TEST(ModoPantalla, QuotientsRoundToFourDecimalsHalvesToEven) {
    // 1001 / 256 = 3.91015625: 39101.5625 ten-thousandths rounds up.
    EXPECT_EQ(EscalaDePantalla({1001, 2000}, 1, true, true), Diez(39102));
    // 2 / 256 = 0.0078125: 78.125 rounds down.
    EXPECT_EQ(EscalaDePantalla({2, 2000}, 1, true, true), Diez(78));
    // 100 / 256 = 0.390625 exactly at 3906.25 -> 3906.
    EXPECT_EQ(EscalaDePantalla({100, 2000}, 1, true, true), Diez(3906));
    // Ties: 8 / 256 = 0.03125 is 312.5 ten-thousandths and goes down to the even 312;
    // 24 / 256 = 0.09375 is 937.5 and goes up to the even 938.
    EXPECT_EQ(EscalaDePantalla({8, 2000}, 1, true, true), Diez(312));
    EXPECT_EQ(EscalaDePantalla({24, 2000}, 1, true, true), Diez(938));
}

TEST(ModoPantalla, ScreenSmallerThanThePictureKeepsItWholeAtItsDesignedSize) {
    // A whole scale of 0 would make the picture vanish: it stays at scale 1 and the canvas
    // grows to hold it.
    const ModoPantalla modo = ModoEscritorio({200, 150}, 1, true, false);
    EXPECT_EQ(modo.escala, Escala());
    EXPECT_EQ(modo.imagen, (Tamano{256, 192}));
    EXPECT_EQ(modo.lienzo, (Tamano{256, 192}));
    EXPECT_EQ(modo.origenX, 0);
    // 320 x 200 with m = 2 and no scale: 512 x 384 on a 320 x 200 screen.
    const ModoPantalla grande = ModoEscritorio({320, 200}, 2, false, false);
    EXPECT_EQ(grande.lienzo, (Tamano{512, 384}));
    // The free scale still fits such a screen: 0.78125 is held as 0.7812.
    EXPECT_EQ(ModoEscritorio({200, 150}, 1, true, true).imagen, (Tamano{199, 149}));
}

TEST(ModoPantalla, ExclusiveModeIsThe320By200CanvasWithMargins) {
    const ModoPantalla uno = ModoExclusivo(1);
    EXPECT_EQ(uno.lienzo, (Tamano{320, 200}));
    EXPECT_TRUE(uno.pantallaCompleta);
    EXPECT_TRUE(uno.exclusiva);
    EXPECT_EQ(uno.escala, Escala());
    EXPECT_EQ(uno.margenX, 32);
    EXPECT_EQ(uno.margenY, 4);
    EXPECT_EQ(uno.origenX, 0);
    EXPECT_EQ(uno.origenY, 0);
    EXPECT_EQ(ModoExclusivo(2).lienzo, (Tamano{640, 400}));
    EXPECT_EQ(ModoExclusivo(2).margenX, 32);  // logical pixels, whatever the multiplier
}

TEST(ModoPantalla, DDrawValuesChooseThePath) {
    EXPECT_EQ(RutaDePantalla(1), RutaPantalla::Exclusiva);
    EXPECT_EQ(RutaDePantalla(0), RutaPantalla::Escritorio);
    EXPECT_EQ(RutaDePantalla(2), RutaPantalla::Ventana);
    EXPECT_EQ(RutaDePantalla(0.5), RutaPantalla::Ventana);
    EXPECT_EQ(RutaDePantalla(-1), RutaPantalla::Ventana);
    const ModoPantalla ventana = ModoVentana(1);
    EXPECT_FALSE(ventana.pantallaCompleta);
    EXPECT_EQ(ventana.lienzo, (Tamano{256, 192}));
    EXPECT_EQ(ventana.escala, Escala());
}

TEST(ModoPantalla, OnlySizesFromOneTo16384CanBeHad) {
    EXPECT_TRUE(TamanoPosible({640, 480}));
    EXPECT_TRUE(TamanoPosible({1, 1}));
    EXPECT_TRUE(TamanoPosible({16384, 16384}));
    EXPECT_FALSE(TamanoPosible({640, 0}));
    EXPECT_FALSE(TamanoPosible({0, 480}));
    EXPECT_FALSE(TamanoPosible({-640, -480}));
    EXPECT_FALSE(TamanoPosible({16385, 480}));
}

TEST(ModoPantalla, ErrorMessageWritesBothSidesWithTheirLeadingBlank) {
    EXPECT_EQ(MensajeErrorPantalla(640, 480), "Error:  640x 480");
    EXPECT_EQ(MensajeErrorPantalla(640, 0), "Error:  640x 0");
    EXPECT_EQ(MensajeErrorPantalla(-5, 99999), "Error: -5x 99999");
}

}  // namespace
}  // namespace polvareda
