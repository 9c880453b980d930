// The fade frames of the title picture and playing them.
#include <gtest/gtest.h>

#include <vector>

#include "Ayudas.h"
#include "Fundido.h"

namespace polvareda {
namespace {

TEST(Fundido, FramesDarkenBy51PerStepAndPlayInEitherDirection) {
    const CuadrosFundido c = HacerCuadrosFundido(Imagen(256, 192, Rgb(255, 120, 40)));
    EXPECT_EQ(c[0].At(0, 0), Rgb(255, 120, 40));
    EXPECT_EQ(c[1].At(0, 0), Rgb(204, 69, 0));
    EXPECT_EQ(c[4].At(0, 0), Rgb(51, 0, 0));
    EXPECT_EQ(c[5].At(0, 0), 0u);

    prueba::Ventana v;
    std::vector<Pixel> vistos;
    Fundido(v.g, c, 5, 0, [&](int ms) {
        EXPECT_EQ(ms, 10);
        vistos.push_back(v.At(10, 10));
    });
    EXPECT_EQ(vistos, (std::vector<Pixel>{c[5].At(0, 0), c[4].At(0, 0), c[3].At(0, 0),
                                          c[2].At(0, 0), c[1].At(0, 0), c[0].At(0, 0)}));
    EXPECT_EQ(v.g.superficies.Pantalla.imagen, c[0]);
    EXPECT_TRUE(v.lienzo.DebePresentar());
    vistos.clear();
    Fundido(v.g, c, 0, 5, [&](int) { vistos.push_back(v.At(10, 10)); });
    EXPECT_EQ(vistos.size(), 6u);
    EXPECT_EQ(vistos.back(), 0u);
}

}  // namespace
}  // namespace polvareda
