#include "Encaje.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace polvareda {
namespace {

TEST(Encaje, TakesTheLargestWholeFactorAndCentres) {
    EXPECT_EQ(CalcularEncaje({1920, 1080}, {320, 200}), (Encaje{5, 160, 40}));
    EXPECT_EQ(CalcularEncaje({800, 600}, {256, 192}), (Encaje{3, 16, 12}));
    EXPECT_EQ(CalcularEncaje({1024, 768}, {1024, 768}), (Encaje{1, 0, 0}));
    // A display smaller than the canvas: no shrinking, the canvas is centred and cut.
    EXPECT_EQ(CalcularEncaje({640, 480}, {800, 600}), (Encaje{1, -80, -60}));
    EXPECT_EQ(CalcularEncaje({640, 480}, {0, 0}).factor, 1);
}

TEST(Encaje, ClipsRectanglesWithoutOverflow) {
    EXPECT_EQ(Recortar({-5, -5, 10, 10}, {100, 100}), (Rect{0, 0, 5, 5}));
    EXPECT_EQ(Recortar({90, 95, 20, 20}, {100, 100}), (Rect{90, 95, 10, 5}));
    EXPECT_EQ(Recortar({10, 10, 0, 5}, {100, 100}).w, 0);
    EXPECT_EQ(Recortar({200, 10, 5, 5}, {100, 100}).w, 0);
    EXPECT_EQ(Recortar({-5, 0, -10, 5}, {100, 100}).w, 0);
    EXPECT_EQ(Recortar({INT_MAX - 1, 0, INT_MAX, 5}, {100, 100}).w, 0);
    EXPECT_EQ(Recortar({50, 0, INT_MAX, INT_MAX}, {100, 100}), (Rect{50, 0, 50, 100}));
}

TEST(Encaje, WindowPointsMapBackToTheCanvasPixelUnderThem) {
    const Encaje e{3, 16, 12};
    EXPECT_EQ(ALienzo(16, e.x, e.factor), 0);
    EXPECT_EQ(ALienzo(18, e.x, e.factor), 0);
    EXPECT_EQ(ALienzo(19, e.x, e.factor), 1);
    EXPECT_EQ(ALienzo(15, e.x, e.factor), -1);  // in the black border, left of the canvas
    EXPECT_EQ(ALienzo(13, e.x, e.factor), -1);
    EXPECT_EQ(ALienzo(12, e.x, e.factor), -2);
    EXPECT_EQ(AVentana(e, {1, 2, 3, 4}), (Rect{19, 18, 9, 12}));
}

// A window of `v` pixels that starts grey, so pixels that should not be touched can be checked.
struct VentanaDePrueba {
    Tamano v;
    std::vector<std::uint32_t> pixeles;
    explicit VentanaDePrueba(Tamano t)
        : v(t), pixeles(static_cast<std::size_t>(t.ancho * t.alto), 0x808080) {}
    std::uint32_t At(int x, int y) const {
        return pixeles[static_cast<std::size_t>(y * v.ancho + x)];
    }
    void Copiar(const Imagen& l, Rect r, const Encaje& e) {
        CopiarAmpliado(l, r, e, v, pixeles.data(), v.ancho * 4);
    }
};

Imagen Numerada(int ancho, int alto) {
    Imagen l(ancho, alto);
    for (int y = 0; y < alto; ++y) {
        for (int x = 0; x < ancho; ++x) l.At(x, y) = static_cast<Pixel>(y * 100 + x);
    }
    return l;
}

TEST(Encaje, EnlargedCopyFillsEveryWindowPixelOfTheRectangleAndNothingElse) {
    const Imagen lienzo = Numerada(8, 6);
    VentanaDePrueba ventana({30, 22});
    const Encaje e = CalcularEncaje(ventana.v, {8, 6});
    ASSERT_EQ(e, (Encaje{3, 3, 2}));
    const Rect r{2, 1, 3, 2};
    ventana.Copiar(lienzo, r, e);
    const Rect dentro = AVentana(e, r);
    for (int y = 0; y < ventana.v.alto; ++y) {
        for (int x = 0; x < ventana.v.ancho; ++x) {
            const bool tocado = x >= dentro.x && x < dentro.x + dentro.w && y >= dentro.y &&
                                y < dentro.y + dentro.h;
            const std::uint32_t esperado =
                tocado ? lienzo.At(ALienzo(x, e.x, 3), ALienzo(y, e.y, 3)) : 0x808080u;
            ASSERT_EQ(ventana.At(x, y), esperado) << x << "," << y;
        }
    }
}

TEST(Encaje, CopyIntoAWindowSmallerThanTheCanvasStaysInside) {
    const Imagen lienzo = Numerada(10, 10);
    VentanaDePrueba ventana({6, 4});
    const Encaje e = CalcularEncaje(ventana.v, {10, 10});  // factor 1, at (-2, -3)
    ventana.Copiar(lienzo, {0, 0, 10, 10}, e);
    EXPECT_EQ(ventana.At(0, 0), lienzo.At(2, 3));
    EXPECT_EQ(ventana.At(5, 3), lienzo.At(7, 6));
}

}  // namespace
}  // namespace polvareda
