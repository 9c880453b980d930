// Masked figures in `temp`, the background `Fondo`, the enlarged wall strip and the surfaces
// derived at load time.
#include <gtest/gtest.h>

#include "Ayudas.h"
#include "Composicion.h"
#include "Fondo.h"

namespace polvareda {
namespace {

using prueba::Lisa;
using prueba::Numerada;
using prueba::Ventana;

constexpr Pixel kFigura = 0x00C000;
constexpr Pixel kPaisaje = 0x203040;

// A figure sheet whose figure fills only the left half of the frame: picture on black above,
// mask (black on the figure, white elsewhere) 88 rows below.
Superficie HojaMitad() {
    Superficie h{Imagen(48, 176, 0), 1.0};
    for (int y = 0; y < 88; ++y)
        for (int x = 0; x < 48; ++x) {
            const bool figura = x < 24;
            h.imagen.At(x, y) = figura ? kFigura : 0;
            h.imagen.At(x, y + 88) = figura ? 0 : 0xFFFFFF;
        }
    return h;
}

TEST(Composicion, MaskedFigureLeavesTheSceneryWhereTheMaskIsWhite) {
    Ventana v;
    Superficies& s = v.g.superficies;
    s.Paisaje = Lisa(256, 112, kPaisaje);
    s.sprite[3] = HojaMitad();
    Transferir(s.temp, 16, 32, s.Paisaje, 13, 24, 48, 88, Rop::SrcCopy);
    PonerFigura(v.g, 3, 16, 32);
    CopiaEscalada(v.g, s.temp, 16, 32, 56, 88, 16, 32);
    EXPECT_EQ(v.At(16, 32), kFigura);
    EXPECT_EQ(v.At(39, 119), kFigura);
    EXPECT_EQ(v.At(40, 32), kPaisaje);
    EXPECT_EQ(v.At(63, 119), kPaisaje);
    // Columns 64..71 of the slot were never composed: `temp`'s magenta shows.
    EXPECT_EQ(v.At(64, 32), 0xFF00FFu);
    // A sheet number without a sheet draws nothing.
    PonerFigura(v.g, 10, 16, 32);
    PonerFigura(v.g, 99, 16, 32);
    PonerFigura(v.g, -1, 16, 32);
}

TEST(Composicion, BlackOnWhitePictureIsOneAnd) {
    Ventana v;
    Superficies& s = v.g.superficies;
    s.temp = Lisa(512, 384, kPaisaje);
    s.Bala = Lisa(12, 6, 0xFFFFFF);
    s.Bala.imagen.At(5, 3) = 0;
    Transferir(s.temp, 100, 100, s.Bala, 0, 0, 12, 6, Rop::SrcAnd);
    EXPECT_EQ(s.temp.imagen.At(105, 103), 0u);
    EXPECT_EQ(s.temp.imagen.At(104, 103), kPaisaje);
}

TEST(ConstruirFondo, AssemblesBarsBoxesWallAndCounter) {
    Ventana v;
    Superficies& s = v.g.superficies;
    s.panel = Superficie{Numerada(256, 24), 1.0};
    s.cajas = Superficie{Numerada(192, 16), 1.0};
    s.CuadroCajas = Lisa(16, 16, 0x0000AA);
    s.Pared = Lisa(88, 115, 0x664422);
    s.Puertas = Superficie{Numerada(128, 88), 1.0};
    s.ventanilla[0] = Superficie{Numerada(264, 28), 1.0};
    ConstruirDerivadas(s);
    ConstruirFondo(v.g);
    const Imagen& f = s.Fondo.imagen;
    ASSERT_EQ(f.Width(), 256);
    EXPECT_EQ(f.At(0, 0), s.panel.imagen.At(0, 0));
    EXPECT_EQ(f.At(255, 7), s.panel.imagen.At(255, 7));  // top bar where no box lies
    EXPECT_EQ(f.At(8, 0), s.cajas.imagen.At(0, 8));      // first three doors lit
    EXPECT_EQ(f.At(56, 0), s.cajas.imagen.At(48, 0));    // the others unlit
    EXPECT_EQ(f.At(152, 7), s.cajas.imagen.At(96, 7));
    EXPECT_EQ(f.At(8, 8), 0x0000AAu);
    EXPECT_EQ(f.At(247, 23), 0x0000AAu);
    EXPECT_EQ(f.At(0, 24), 0u);                          // the top bar ends at row 23
    EXPECT_EQ(f.At(0, 25), 0x664422u);                   // wall
    EXPECT_EQ(f.At(16, 32), s.Puertas.imagen.At(0, 0));  // closed door in the tile at (16, 7)
    EXPECT_EQ(f.At(88 + 71, 32 + 87), s.Puertas.imagen.At(55, 87));
    EXPECT_EQ(f.At(0, 140), s.ventanilla[0].imagen.At(176, 0));
    EXPECT_EQ(f.At(0, 168), 0u);  // between counter and bottom bar
    EXPECT_EQ(f.At(0, 169), s.panel.imagen.At(8, 1));
    EXPECT_EQ(f.At(96, 169), s.panel.imagen.At(8, 1));
    EXPECT_EQ(f.At(255, 191), s.panel.imagen.At(8 + 63, 23));
}

TEST(ConstruirFondo, EnlargesTheWallStripOnceToTheScale) {
    Ventana v(640, 480);
    v.g.vista.escala = Escala::Decimal(2.5);
    Superficies& s = v.g.superficies;
    s.Pared = Superficie{Numerada(88, 115), 1.0};
    ConstruirFondo(v.g);
    const Imagen& p = s.Pared.imagen;
    EXPECT_EQ(p.Width(), 880);   // 352·2.5
    EXPECT_EQ(p.Height(), 258);  // round(257.5)
    // Four identical tiles side by side, each pixel at most 3 wide.
    EXPECT_EQ(p.At(0, 0), p.At(220, 0));
    EXPECT_EQ(p.At(219, 257), p.At(879, 257));
}

TEST(ConstruirDerivadas, CounterStripReadsABABCBC) {
    for (const double t : {1.0, 2.0}) {
        Superficies s;
        CargarIncorporadas(s, nullptr);
        const int tercio = static_cast<int>(88 * t);
        s.ventanilla[0] = Superficie{Imagen(3 * tercio, static_cast<int>(28 * t), 0), t};
        for (int x = 0; x < 3 * tercio; ++x)
            for (int y = 0; y < s.ventanilla[0].Alto(); ++y)
                s.ventanilla[0].imagen.At(x, y) = static_cast<Pixel>(0xA + x / tercio);  // A B C
        ConstruirDerivadas(s);
        ASSERT_EQ(s.ventanilla[0].Ancho(), static_cast<int>(616 * t));
        const Pixel esperado[] = {0xA, 0xB, 0xA, 0xB, 0xC, 0xB, 0xC};
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(s.ventanilla[0].imagen.At(k * tercio, 0), esperado[k]) << k;
            EXPECT_EQ(s.ventanilla[0].imagen.At(k * tercio + tercio - 1, 5), esperado[k]) << k;
        }
        EXPECT_EQ(s.ventanilla[1].imagen, s.ventanilla[0].imagen);
        EXPECT_EQ(s.ventanilla[1].t, t);
    }
}

TEST(ConstruirDerivadas, LifeIconOnBlackReplacesOnlyThePanelGround) {
    Superficies s;
    CargarIncorporadas(s, nullptr);
    constexpr Pixel kSuelo = 0x8B5A2B;
    s.panel = Lisa(256, 24, 0x123456);
    s.panel.imagen.At(0, 1) = kSuelo;
    s.vida[0] = Lisa(9, 23, kSuelo);
    s.vida[0].imagen.At(4, 10) = 0xFF0000;
    ConstruirDerivadas(s);
    EXPECT_EQ(s.vida[1].imagen.At(0, 0), 0u);
    EXPECT_EQ(s.vida[1].imagen.At(8, 22), 0u);
    EXPECT_EQ(s.vida[1].imagen.At(4, 10), 0xFF0000u);
    EXPECT_EQ(s.vida[0].imagen.At(0, 0), kSuelo);
}

}  // namespace
}  // namespace polvareda

namespace polvareda {
namespace {

TEST(CargarIncorporadas, MissingPicturesBecomeGreySurfacesOfTheRightSize) {
    Superficies s;
    CargarIncorporadas(s, nullptr);
    EXPECT_EQ(s.Puertas.Ancho(), 128);
    EXPECT_EQ(s.sprite[48].Alto(), 176);
    EXPECT_EQ(s.sprite[48].imagen.At(0, 87), 0x808080u);
    EXPECT_EQ(s.sprite[48].imagen.At(47, 88), 0xFFFFFFu);  // mask: the scenery shows
    EXPECT_EQ(s.sombrero[1].imagen.At(0, 11), 0xFFFFFFu);
    EXPECT_EQ(s.temp.imagen.At(511, 383), 0xFF00FFu);
    EXPECT_EQ(s.Sprite(30), nullptr);
}

TEST(CargarIncorporadas, BuiltInPicturesHaveTheirLogicalSizes) {
    Superficies s;
    CargarIncorporadas(s);
    const std::pair<const Superficie*, Rect> tamanos[] = {
        {&s.Pantalla, {0, 0, 256, 192}},     {&s.letras, {0, 0, 266, 84}},
        {&s.panel, {0, 0, 256, 24}},         {&s.estrella, {0, 0, 72, 84}},
        {&s.dolar, {0, 0, 16, 64}},          {&s.cajas, {0, 0, 192, 16}},
        {&s.CuadroCajas, {0, 0, 16, 16}},    {&s.sino, {0, 0, 28, 14}},
        {&s.vida[0], {0, 0, 9, 23}},         {&s.Paisaje, {0, 0, 256, 112}},
        {&s.Puertas, {0, 0, 128, 88}},       {&s.Pared, {0, 0, 88, 115}},
        {&s.ventanilla[0], {0, 0, 264, 28}}, {&s.sombrero[0], {0, 0, 12, 22}},
        {&s.BangBMP, {0, 0, 62, 180}},       {&s.Bala, {0, 0, 12, 6}},
        {&s.menu, {0, 0, 56, 96}},           {&s.reloj[1], {0, 0, 32, 32}},
    };
    for (const auto& [sup, r] : tamanos) {
        EXPECT_EQ(sup->Ancho(), r.w);
        EXPECT_EQ(sup->Alto(), r.h);
    }
    for (int i = 0; i < 50; ++i) {
        if (const Superficie* h = s.Sprite(i)) {
            EXPECT_EQ(h->Alto(), 176) << i;
        }
    }
}

}  // namespace
}  // namespace polvareda
