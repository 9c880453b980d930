// Raster operations between pictures: the three operations, clipping, copies within one
// picture, and the stretching rule.
#include <gtest/gtest.h>

#include <climits>

#include "Ayudas.h"
#include "Superficie.h"

namespace polvareda {
namespace {

using prueba::Numerada;

TEST(Transferir, AppliesCopyAndAndOr) {
    Imagen d(2, 1, 0x0F0F0F);
    const Imagen s(2, 1, 0x3300FF);
    Transferir(d, 0, 0, s, 0, 0, 1, 1, Rop::SrcAnd);
    Transferir(d, 1, 0, s, 0, 0, 1, 1, Rop::SrcPaint);
    EXPECT_EQ(d.At(0, 0), 0x03000Fu);
    EXPECT_EQ(d.At(1, 0), 0x3F0FFFu);
    Transferir(d, 0, 0, s, 0, 0, 2, 1, Rop::SrcCopy);
    EXPECT_EQ(d, s);
}

TEST(Transferir, ClipsAnyRectangleOnBothPictures) {
    const Imagen s = Numerada(8, 8);
    Imagen d(8, 8, 0);
    const int extremos[] = {INT_MIN, -100, -3, 0, 5, 7, 8, 100, INT_MAX};
    for (int a : extremos)
        for (int b : extremos)
            for (int w : {INT_MIN, -1, 0, 1, 5, 9, INT_MAX}) {
                Transferir(d, a, b, s, b, a, w, w, Rop::SrcCopy);
                Estirar(d, {a, b, w, 3}, s, {b, a, 2, w}, Rop::SrcPaint);
            }
    SUCCEED();  // the sanitizer build checks that nothing was touched outside
}

TEST(Transferir, PartlyOutsideCopiesOnlyTheOverlap) {
    const Imagen s = Numerada(4, 4);
    Imagen d(4, 4, 0);
    Transferir(d, -1, 2, s, 0, 0, 4, 4, Rop::SrcCopy);
    EXPECT_EQ(d.At(0, 2), s.At(1, 0));
    EXPECT_EQ(d.At(2, 3), s.At(3, 1));
    EXPECT_EQ(d.At(3, 2), 0u);  // source column 4 does not exist
    EXPECT_EQ(d.At(0, 1), 0u);
}

TEST(Transferir, OverlappingCopyWithinOnePictureActsAsTwoPictures) {
    // Moving a block right onto itself must not smear its first columns along.
    Imagen im(6, 1);
    for (int x = 0; x < 6; ++x) im.At(x, 0) = static_cast<Pixel>(x + 1);
    Transferir(im, 2, 0, im, 0, 0, 4, 1, Rop::SrcCopy);
    const Pixel esperado[] = {1, 2, 1, 2, 3, 4};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(im.At(x, 0), esperado[x]);
    Transferir(im, 0, 0, im, 1, 0, 5, 1, Rop::SrcCopy);
    const Pixel izquierda[] = {2, 1, 2, 3, 4, 4};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(im.At(x, 0), izquierda[x]);
}

TEST(Estirar, StepsThroughTheSourceByWholeDivision) {
    const Imagen s = Numerada(3, 1);
    Imagen d(7, 1, 0);
    Estirar(d, {0, 0, 7, 1}, s, {0, 0, 3, 1}, Rop::SrcCopy);
    const int columnas[] = {0, 0, 0, 1, 1, 2, 2};  // floor(i·3/7)
    for (int i = 0; i < 7; ++i) EXPECT_EQ(d.At(i, 0), s.At(columnas[i], 0)) << i;
    // Shrinking takes every other pixel.
    const Imagen grande = Numerada(8, 2);
    Imagen chica(4, 1, 0);
    Estirar(chica, {0, 0, 4, 1}, grande, {0, 0, 8, 2}, Rop::SrcCopy);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(chica.At(i, 0), grande.At(2 * i, 0));
}

TEST(Estirar, LeavesPixelsWhoseSourceIsOutside) {
    const Imagen s = Numerada(2, 2);
    Imagen d(4, 4, 0xABCDEF);
    Estirar(d, {0, 0, 4, 4}, s, {1, 1, 2, 2}, Rop::SrcCopy);
    EXPECT_EQ(d.At(0, 0), s.At(1, 1));
    EXPECT_EQ(d.At(1, 1), s.At(1, 1));
    EXPECT_EQ(d.At(2, 0), 0xABCDEFu);
    EXPECT_EQ(d.At(0, 2), 0xABCDEFu);
}

TEST(Superficie, LogicalTransferScalesEachSideByItsMultiplier) {
    Superficie destino{Imagen(16, 16, 0), 1.0};
    const Superficie doble{Numerada(8, 8), 2.0};  // 4 x 4 logical
    Transferir(destino, 1, 1, doble, 1, 1, 2, 2, Rop::SrcCopy);
    EXPECT_EQ(destino.imagen.At(1, 1), doble.imagen.At(2, 2));
    EXPECT_EQ(destino.imagen.At(2, 2), doble.imagen.At(4, 4));
    EXPECT_EQ(destino.imagen.At(3, 3), 0u);
    Superficie media{Imagen(10, 10, 0), 1.5};
    EXPECT_EQ(media.Px(3), 4);  // 4.5 -> 4
    EXPECT_EQ(media.Px(5), 8);  // 7.5 -> 8
    media.Redimensionar(12, 4, 0x111111);
    EXPECT_EQ(media.Ancho(), 12);
    EXPECT_EQ(media.imagen.At(11, 0), 0x111111u);
    EXPECT_EQ(media.imagen.At(0, 0), 0u);
}

}  // namespace
}  // namespace polvareda
