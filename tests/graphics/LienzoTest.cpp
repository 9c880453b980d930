// The window canvas's changed rectangles and the busy indicator drawn on it.
#include <gtest/gtest.h>

#include "Ayudas.h"
#include "Reloj.h"

namespace polvareda {
namespace {

TEST(Lienzo, ChangedRectanglesAreClippedMergedAndTakenOnce) {
    Lienzo l;
    l.Redimensionar(100, 50);
    EXPECT_EQ(l.TomarCambios(), (std::vector<Rect>{{0, 0, 100, 50}}));
    l.Marcar({-10, -10, 20, 20});
    l.Marcar({5, 5, 10, 10});
    l.Marcar({80, 40, 50, 50});
    l.Marcar({0, 0, 0, 5});
    EXPECT_EQ(l.TomarCambios(), (std::vector<Rect>{{0, 0, 15, 15}, {80, 40, 20, 10}}));
    EXPECT_FALSE(l.HayCambios());
    l.Persistente(true);
    l.Rellenar({90, 0, 20, 1}, 0xFF);
    EXPECT_EQ(l.Pixeles().At(99, 0), 0xFFu);
    EXPECT_FALSE(l.DebePresentar());
    l.Refrescar();
    EXPECT_TRUE(l.DebePresentar());
}

TEST(Reloj, ShowsNearTheCornerAndPutsBackWhatItCovered) {
    prueba::Ventana v(320, 200);
    v.g.vista.margenX = 32;
    v.g.vista.margenY = 4;
    v.g.superficies.reloj[2] = prueba::Lisa(32, 32, 0x00FF00);
    v.lienzo.Rellenar({0, 0, 320, 200}, 0x123456);
    Reloj r;
    r.Mostrar(v.g, 1);
    r.Mostrar(v.g, 2);
    EXPECT_EQ(v.At(320 - 72, 200 - 44), 0x00FF00u);
    EXPECT_EQ(v.At(320 - 73, 200 - 44), 0x123456u);
    r.Quitar(v.g);
    EXPECT_EQ(v.At(320 - 72, 200 - 44), 0x123456u);
}

}  // namespace
}  // namespace polvareda
