// The logical-to-window transform and the two scaled copies, pixel for pixel.
#include <gtest/gtest.h>

#include "Ayudas.h"
#include "Composicion.h"
#include "Escala.h"

namespace polvareda {
namespace {

using prueba::Numerada;
using prueba::Ventana;

TEST(Escala, RoundsOnceToNearestWithHalvesToEven) {
    EXPECT_EQ(Escala::Redondear(25000), 2);
    EXPECT_EQ(Escala::Redondear(35000), 4);
    EXPECT_EQ(Escala::Redondear(25001), 3);
    EXPECT_EQ(Escala::Redondear(-25000), -2);
    EXPECT_EQ(Escala::Redondear(-35000), -4);
    EXPECT_EQ(Escala::Redondear(-24999), -2);
    const Escala s = Escala::Decimal(2.5);
    EXPECT_EQ(s.Aplicar(1), 2);  // round(2.5)
    EXPECT_EQ(s.Aplicar(3), 8);  // round(7.5)
    EXPECT_EQ(Escala::Decimal(3.125).Valor(), 31250);
    EXPECT_EQ(Escala::Decimal(3.125).Aplicar(1), 3);
    EXPECT_EQ(Escala::Decimal(3.125).Aplicar(2), 6);      // 6.25
    EXPECT_EQ(Escala::Decimal(3.125).Aplicar(2, 2), 12);  // 12.5 rounds to even once
    EXPECT_EQ(Escala::Decimal(3.125).Entero(), Escala::Entera(3));
}

TEST(Vista, PlacesTheLogicalPictureWithMarginsOriginAndMultiplier) {
    Vista v;
    v.escala = Escala::Decimal(2.5);
    EXPECT_EQ(v.Destino(1, 0, 1, 1), (Rect{2, 0, 2, 2}));
    EXPECT_EQ(v.Destino(3, 3, 2, 2), (Rect{8, 8, 5, 5}));
    v.margenX = 32;
    v.margenY = 4;
    v.escala = Escala::Entera(1);
    EXPECT_EQ(v.Destino(0, 0, 256, 192), (Rect{32, 4, 256, 192}));
    v.escala = Escala::Entera(3);
    EXPECT_EQ(v.Destino(0, 0, 1, 1), (Rect{96, 12, 3, 3}));
    v.factorXGA = 2;
    v.escala = Escala::Decimal(1.25);
    v.origenX = 100;
    v.origenY = 7;
    // round(2·(1.25·33)) = round(82.5) = 82: one rounding of the whole product.
    EXPECT_EQ(v.Destino(1, 1, 1, 1), (Rect{182, 19, 2, 2}));
}

TEST(CopiaEscalada, IsPixelForPixelAtScaleOne) {
    Ventana v;
    const Superficie src{Numerada(64, 64), 1.0};
    CopiaEscalada(v.g, src, 5, 6, 20, 10, 100, 50);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(v.At(100 + x, 50 + y), src.imagen.At(5 + x, 6 + y));
    EXPECT_EQ(v.At(99, 50), 0u);
    EXPECT_EQ(v.At(120, 50), 0u);
    const auto cambios = v.lienzo.TomarCambios();
    ASSERT_EQ(cambios.size(), 1u);
    EXPECT_EQ(cambios[0], (Rect{100, 50, 20, 10}));
}

TEST(CopiaEscalada, RepeatsPixelsByTheRoundedSizesAtFractionalScale) {
    Ventana v(640, 480);
    v.g.vista.escala = Escala::Decimal(2.5);
    const Superficie src{Numerada(8, 8), 1.0};
    // Logical x = 1, width 1 -> window x 2, width 2.
    CopiaEscalada(v.g, src, 0, 0, 1, 1, 1, 0);
    EXPECT_EQ(v.At(1, 0), 0u);
    EXPECT_EQ(v.At(2, 0), src.imagen.At(0, 0));
    EXPECT_EQ(v.At(3, 1), src.imagen.At(0, 0));
    EXPECT_EQ(v.At(4, 0), 0u);
    // Logical x = 3, width 2 -> window x 8, width 5: source columns 0,0,0,1,1.
    CopiaEscalada(v.g, src, 0, 0, 2, 1, 3, 4);
    const int fila = 10;  // round(2.5·4)
    const Pixel a = src.imagen.At(0, 0), b = src.imagen.At(1, 0);
    const Pixel esperado[] = {a, a, a, b, b};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(v.At(8 + i, fila), esperado[i]) << i;
    EXPECT_EQ(v.At(13, fila), 0u);
}

TEST(CopiaEscalada, WholeFactorsReplicateEveryPixel) {
    for (const int m : {1, 2}) {
        Ventana v(256 * 3 * m, 192 * 3 * m);
        v.g.vista.escala = Escala::Decimal(3.0);
        v.g.vista.factorXGA = m;
        const Superficie src{Numerada(16, 16), 1.0};
        CopiaEscalada(v.g, src, 0, 0, 16, 16, 10, 20);
        const int k = 3 * m;
        for (int y = 0; y < 16 * k; ++y)
            for (int x = 0; x < 16 * k; ++x)
                ASSERT_EQ(v.At(10 * k + x, 20 * k + y), src.imagen.At(x / k, y / k)) << m;
    }
}

TEST(CopiaEscalada, CoversTheWholeWindowWithoutGapsAtScale3125) {
    Ventana v(800, 600);
    v.g.vista.escala = Escala::Decimal(3.125);
    const Superficie blanco = prueba::Lisa(256, 192, 0xFFFFFF);
    // Cell by cell, as the game draws: adjacent rectangles must meet exactly.
    for (int y = 0; y < 192; y += 8)
        for (int x = 0; x < 256; x += 8) CopiaEscalada(v.g, blanco, x, y, 8, 8, x, y);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_EQ(v.At(x, y), 0xFFFFFFu) << x << "," << y;
}

TEST(CopiaEscalada, The320By200ModeOffsetsByTheMargins) {
    Ventana v(320, 200);
    v.g.vista.margenX = 32;
    v.g.vista.margenY = 4;
    const Superficie src{Numerada(4, 4), 1.0};
    CopiaEscalada(v.g, src, 0, 0, 4, 4, 0, 0);
    EXPECT_EQ(v.At(32, 4), src.imagen.At(0, 0));
    EXPECT_EQ(v.At(31, 4), 0u);
    EXPECT_EQ(v.At(35, 7), src.imagen.At(3, 3));
}

TEST(CopiaEscaladaXGA, TakesTheSourceInTheSurfacesOwnPixels) {
    Ventana v(512, 384);
    v.g.vista.factorXGA = 2;
    const Superficie ampliada{Numerada(32, 32), 2.0};  // a 16 x 16 logical picture at t = 2
    CopiaEscaladaXGA(v.g, ampliada, 4, 0, 8, 8, 10, 10);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(v.At(20 + x, 20 + y), ampliada.imagen.At(8 + x, y));
    // With m = 1 and t = 1 both copies give the same picture.
    Ventana a, b;
    const Superficie src{Numerada(40, 40), 1.0};
    CopiaEscalada(a.g, src, 3, 3, 30, 30, 7, 9);
    CopiaEscaladaXGA(b.g, src, 3, 3, 30, 30, 7, 9);
    EXPECT_EQ(a.lienzo.Pixeles(), b.lienzo.Pixeles());
}

TEST(CopiaEscalada, ClipsRectanglesPartlyOrWhollyOutside) {
    Ventana v(100, 80);
    v.g.vista.escala = Escala::Decimal(2.5);
    const Superficie src{Numerada(10, 10), 1.0};
    CopiaEscalada(v.g, src, -5, -5, 20, 20, -3, -3);       // source and destination partly out
    CopiaEscalada(v.g, src, 8, 8, 50, 50, 30, 25);         // runs past both edges
    CopiaEscalada(v.g, src, 0, 0, 10, 10, 30000, -30000);  // far away
    CopiaEscalada(v.g, src, 0, 0, -4, 7, 1, 1);            // negative size draws nothing
    CopiaEscalada(v.g, src, 100, 100, 5, 5, 0, 0);         // source entirely outside
    // Destination (-3, -3) -> window round(-7.5) = -8; source (-5, -5) lies outside, so the
    // first pixels drawn come from source (0, 0).
    EXPECT_EQ(v.At(5, 5), src.imagen.At(0, 0));
    for (const Rect& r : v.lienzo.TomarCambios()) {
        EXPECT_GE(r.x, 0);
        EXPECT_GE(r.y, 0);
        EXPECT_LE(r.x + r.w, 100);
        EXPECT_LE(r.y + r.h, 80);
    }
}

}  // namespace
}  // namespace polvareda
