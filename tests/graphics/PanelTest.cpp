// The score panel: points, lives, paid doors, the lit boxes and the spinning dollar.
#include <gtest/gtest.h>

#include <string>

#include "Ayudas.h"
#include "Panel.h"

namespace polvareda {
namespace {

using prueba::Lisa;
using prueba::Numerada;
using prueba::Ventana;

// A glyph sheet whose digit glyphs paint their whole cell with the digit's value.
Superficie Digitos() {
    Superficie l{Imagen(266, 84, 0), 1.0};
    for (int g = 26; g < 36; ++g)
        for (int y = 12; y < 24; ++y)
            for (int x = 0; x < 7; ++x) l.imagen.At(7 * g + x, y) = static_cast<Pixel>(g - 25);
    return l;
}

std::string Leer(const Ventana& v, int x, int y, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + v.At(x + 8 * i + 3, y + 5) - 1);
    return s;
}

TEST(DibujaPuntos, SixDigitsWithZerosOverTheGroundOrBlack) {
    EXPECT_EQ(TextoPuntos(50), "000050");
    EXPECT_EQ(TextoPuntos(0), "000000");
    EXPECT_EQ(TextoPuntos(2000000000), "999999");
    Ventana v;
    v.g.superficies.letras = Digitos();
    DibujaPuntos(v.g, 999999, false);
    EXPECT_EQ(Leer(v, 64, 178, 6), "999999");
    DibujaPuntos(v.g, 50, true);
    EXPECT_EQ(Leer(v, 64, 178, 6), "000050");
}

TEST(DibujaVidas, DrawsSlotsBelowTheCountAndLeavesTheRest) {
    Ventana v;
    Superficies& s = v.g.superficies;
    s.vida[0] = Lisa(9, 23, 0x111111);
    s.vida[1] = Lisa(9, 23, 0x222222);
    DibujaVidas(v.g, 3, true);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(v.At(180 + 16 * k, 169), 0x222222u);
        EXPECT_EQ(v.At(188 + 16 * k, 191), 0x222222u);
        EXPECT_EQ(v.At(189 + 16 * k, 169), 0u);
    }
    EXPECT_EQ(v.At(228, 169), 0u);  // slot 3 untouched
    DibujaVidas(v.g, 2, false);
    EXPECT_EQ(v.At(196, 169), 0x111111u);
    EXPECT_EQ(v.At(212, 169), 0x222222u);  // the slot now beyond the count keeps its picture
}

TEST(DibujaVidaPerdida, TheLostSlotBlinksBetweenItsIconAndTheGround) {
    Ventana v;
    Superficies& s = v.g.superficies;
    s.vida[1] = Lisa(9, 23, 0x222222);
    v.lienzo.Rellenar({0, 0, 256, 192}, 0x999999);
    DibujaVidaPerdida(v.g, 1, false, true);
    EXPECT_EQ(v.At(196, 169), 0u);
    EXPECT_EQ(v.At(205, 191), 0u);  // the black box reaches x 189 + 16 and the bottom
    EXPECT_EQ(v.At(206, 169), 0x999999u);
    EXPECT_EQ(v.At(180, 169), 0x999999u);  // slot 0 untouched
    DibujaVidaPerdida(v.g, 1, true, true);
    EXPECT_EQ(v.At(196, 169), 0x222222u);
}

TEST(MarcaPuerta, DrawsThePaidMarkOfARealDoorOnly) {
    EXPECT_EQ(XMarcaPuerta(5), 89);
    EXPECT_EQ(XMarcaPuerta(6), 153);
    Ventana v;
    v.g.superficies.sino = Superficie{Numerada(28, 14), 1.0};
    MarcaPuerta(v.g, 5);
    MarcaPuerta(v.g, 6);
    EXPECT_EQ(v.At(89, 9), v.g.superficies.sino.imagen.At(14, 0));
    EXPECT_EQ(v.At(153 + 13, 9 + 13), v.g.superficies.sino.imagen.At(27, 13));
    EXPECT_EQ(v.At(88, 9), 0u);
    MarcaPuerta(v.g, 12);  // no such door: nothing drawn, nothing broken
    MarcaPuerta(v.g, -1);
}

TEST(PintaCajas, LightsTheThreeVisibleDoors) {
    Ventana v;
    v.g.superficies.cajas = Superficie{Numerada(192, 16), 1.0};
    v.g.superficies.Fondo.imagen = Imagen(256, 192, 0x5A3A1A);
    const Imagen& c = v.g.superficies.cajas.imagen;
    PintaCajas(v.g, {5, 6, 7});
    EXPECT_EQ(v.At(8, 0), c.At(0, 0));         // door 0 unlit
    EXPECT_EQ(v.At(8 + 80, 0), c.At(80, 8));   // door 5 lit
    EXPECT_EQ(v.At(56 + 96, 0), c.At(96, 8));  // door 6 lit, right group
    EXPECT_EQ(v.At(56 + 112 + 15, 7), c.At(127, 15));
    EXPECT_EQ(v.At(56 + 128, 0), c.At(128, 0));  // door 8 unlit
    // Between the groups the top bar of the background shows, not the scratch colour.
    EXPECT_EQ(v.At(104, 0), 0x5A3A1Au);
    EXPECT_EQ(v.At(151, 7), 0x5A3A1Au);
    const auto cambios = v.lienzo.TomarCambios();
    ASSERT_EQ(cambios.size(), 1u);
    EXPECT_EQ(cambios[0], (Rect{8, 0, 240, 8}));
}

TEST(DibujaDolar, ShowsTheSpinsFourFrames) {
    Ventana v;
    v.g.superficies.dolar = Superficie{Numerada(16, 64), 1.0};
    const Imagen& d = v.g.superficies.dolar.imagen;
    for (int k = 0; k < 4; ++k) {
        DibujaDolar(v.g, k);
        EXPECT_EQ(v.At(120, 8), d.At(0, 16 * k));
    }
}

}  // namespace
}  // namespace polvareda
