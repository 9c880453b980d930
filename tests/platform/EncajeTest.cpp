// The canvas fitted into windows of every shape, and the pixels between them.
#include "Encaje.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace polvareda {
namespace {

TEST(Encaje, TakesTheLargestWholeFactorAndCentres) {
    EXPECT_EQ(CalcularEncaje({1920, 1080}, {320, 200}), (Encaje{160, 40, 1600, 1000, {320, 200}}));
    EXPECT_EQ(CalcularEncaje({800, 600}, {256, 192}), (Encaje{16, 12, 768, 576, {256, 192}}));
    EXPECT_EQ(CalcularEncaje({1024, 768}, {1024, 768}), (Encaje{0, 0, 1024, 768, {1024, 768}}));
    // A window smaller than the canvas (a full-screen canvas put back in a window): reduced
    // to fit, centred, never cut.
    EXPECT_EQ(CalcularEncaje({640, 480}, {800, 600}), (Encaje{0, 0, 640, 480, {800, 600}}));
    EXPECT_EQ(CalcularEncaje({640, 400}, {800, 600}), (Encaje{53, 0, 533, 400, {800, 600}}));
    EXPECT_EQ(CalcularEncaje({640, 480}, {0, 0}).ancho, 0);
}

// Every combination of sharp or fill and square pixels or 4:3, on the displays players have,
// pixel for pixel.
TEST(Encaje, AspectAndSharpnessGiveThesePicturesExactly) {
    const AjustePantalla nitido{true, {0, 0}}, lleno{false, {0, 0}};
    const AjustePantalla nitido43{true, {4, 3}}, lleno43{false, {4, 3}};
    struct Caso {
        Tamano ventana, lienzo;
        AjustePantalla ajuste;
        Encaje esperado;
    };
    const Caso casos[] = {
        // 320 x 200 on 1920 x 1080: whole factor 5; filled 5.4; at 4:3 the whole width factor
        // 4 (1280 x 960, as 5 would be 1200 high); filled at 4:3 the height.
        {{1920, 1080}, {320, 200}, nitido, {160, 40, 1600, 1000, {320, 200}}},
        {{1920, 1080}, {320, 200}, lleno, {96, 0, 1728, 1080, {320, 200}}},
        {{1920, 1080}, {320, 200}, nitido43, {320, 60, 1280, 960, {320, 200}}},
        {{1920, 1080}, {320, 200}, lleno43, {240, 0, 1440, 1080, {320, 200}}},
        // 1280 x 1024 (5:4): width-bound.
        {{1280, 1024}, {320, 200}, nitido, {0, 112, 1280, 800, {320, 200}}},
        {{1280, 1024}, {320, 200}, lleno43, {0, 32, 1280, 960, {320, 200}}},
        // 3840 x 2160 with the doubled extension's 640 x 400 canvas.
        {{3840, 2160}, {640, 400}, nitido, {320, 80, 3200, 2000, {640, 400}}},
        {{3840, 2160}, {640, 400}, nitido43, {640, 120, 2560, 1920, {640, 400}}},
        // The configured 640 x 400 screen of a fresh configuration at 4:3 on 1920 x 1080.
        {{1920, 1080}, {640, 400}, nitido43, {320, 60, 1280, 960, {640, 400}}},
        // The designed 256 x 192 window is 4:3 already: both proportions agree.
        {{1000, 700}, {256, 192}, nitido43, {116, 62, 768, 576, {256, 192}}},
        {{1000, 700}, {256, 192}, lleno, {33, 0, 933, 700, {256, 192}}},
        // Too small for the canvas even at 1: reduced, sharp or not.
        {{300, 300}, {320, 200}, nitido43, {0, 37, 300, 225, {320, 200}}},
        // A minimised window of no size keeps a picture of at least one pixel.
        {{0, 0}, {320, 200}, nitido, {0, 0, 1, 1, {320, 200}}},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(CalcularEncaje(c.ventana, c.lienzo, c.ajuste), c.esperado)
            << c.ventana.ancho << "x" << c.ventana.alto << " " << c.lienzo.ancho << "x"
            << c.lienzo.alto << (c.ajuste.nitido ? " nitido" : " lleno") << " "
            << c.ajuste.proporcion.ancho;
    }
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
    const Encaje e{16, 12, 768, 576, {256, 192}};  // factor 3
    EXPECT_EQ(ALienzoX(e, 16), 0);
    EXPECT_EQ(ALienzoX(e, 18), 0);
    EXPECT_EQ(ALienzoX(e, 19), 1);
    EXPECT_EQ(ALienzoX(e, 15), -1);  // in the black border, left of the canvas
    EXPECT_EQ(ALienzoX(e, 13), -1);
    EXPECT_EQ(ALienzoX(e, 12), -2);
    EXPECT_EQ(AVentana(e, {1, 2, 3, 4}), (Rect{19, 18, 9, 12}));

    // At 4:3 a 200-row canvas on 960 rows: rows of 4 and 5 window pixels. Every window row
    // maps back into the canvas row whose window rectangle holds it.
    const Encaje alto{320, 60, 1280, 960, {320, 200}};
    for (int fila = 0; fila < 200; ++fila) {
        const Rect r = AVentana(alto, {0, fila, 320, 1});
        ASSERT_TRUE(r.h == 4 || r.h == 5) << fila;
        for (int wy = r.y; wy < r.y + r.h; ++wy) {
            ASSERT_EQ(ALienzoY(alto, wy), fila) << wy;
        }
    }
    EXPECT_EQ(AVentana(alto, {0, 0, 320, 200}), (Rect{320, 60, 1280, 960}));
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
    ASSERT_EQ(e, (Encaje{3, 2, 24, 18, {8, 6}}));
    const Rect r{2, 1, 3, 2};
    ventana.Copiar(lienzo, r, e);
    const Rect dentro = AVentana(e, r);
    for (int y = 0; y < ventana.v.alto; ++y) {
        for (int x = 0; x < ventana.v.ancho; ++x) {
            const bool tocado = x >= dentro.x && x < dentro.x + dentro.w && y >= dentro.y &&
                                y < dentro.y + dentro.h;
            const std::uint32_t esperado =
                tocado ? lienzo.At(ALienzoX(e, x), ALienzoY(e, y)) : 0x808080u;
            ASSERT_EQ(ventana.At(x, y), esperado) << x << "," << y;
        }
    }
}

TEST(Encaje, CopyIntoAWindowSmallerThanTheCanvasStaysInside) {
    const Imagen lienzo = Numerada(10, 10);
    VentanaDePrueba ventana({6, 4});
    const Encaje e = CalcularEncaje(ventana.v, {10, 10});  // reduced to 4 x 4 at (1, 0)
    ASSERT_EQ(e, (Encaje{1, 0, 4, 4, {10, 10}}));
    ventana.Copiar(lienzo, {0, 0, 10, 10}, e);
    EXPECT_EQ(ventana.At(0, 0), 0x808080u);
    EXPECT_EQ(ventana.At(1, 0), lienzo.At(0, 0));
    EXPECT_EQ(ventana.At(4, 3), lienzo.At(7, 7));
    EXPECT_EQ(ventana.At(5, 3), 0x808080u);
}

// A fractional fit (4:3, filled): every window pixel of a copied rectangle shows the canvas
// pixel under it, and the pixels around it are untouched.
TEST(Encaje, FractionalCopyShowsTheCanvasPixelUnderEveryWindowPixel) {
    const Imagen lienzo = Numerada(20, 12);
    VentanaDePrueba ventana({53, 37});
    const Encaje e = CalcularEncaje(ventana.v, {20, 12}, AjustePantalla{false, {4, 3}});
    const Rect r{3, 2, 9, 7};
    ventana.Copiar(lienzo, r, e);
    const Rect dentro = AVentana(e, r);
    for (int y = 0; y < ventana.v.alto; ++y) {
        for (int x = 0; x < ventana.v.ancho; ++x) {
            const bool tocado = x >= dentro.x && x < dentro.x + dentro.w && y >= dentro.y &&
                                y < dentro.y + dentro.h;
            const std::uint32_t esperado =
                tocado ? lienzo.At(ALienzoX(e, x), ALienzoY(e, y)) : 0x808080u;
            ASSERT_EQ(ventana.At(x, y), esperado) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace polvareda
