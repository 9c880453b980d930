// The game's chance: its seed from the time of day and its sequence.
#include "Azar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace polvareda {
namespace {

TEST(Azar, RepeatsItsKnownSequence) {
    // Pinned on purpose: a change here changes every recorded game.
    Azar azar;
    const std::array<double, 4> esperados = {0.43152799704850997, 0.026433771592597743,
                                             0.97088197815382848, 0.10634669156721244};
    for (double esperado : esperados) EXPECT_DOUBLE_EQ(azar.Rnd(), esperado);
    azar.Sembrar(43'200'250);
    EXPECT_DOUBLE_EQ(azar.Rnd(), 0.32091762606280672);
}

TEST(Azar, DrawsStayInsideZeroToOne) {
    Azar azar(0);
    double menor = 1, mayor = 0, suma = 0;
    constexpr int kVeces = 100000;
    for (int i = 0; i < kVeces; ++i) {
        const double r = azar.Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        menor = std::min(menor, r);
        mayor = std::max(mayor, r);
        suma += r;
    }
    EXPECT_LT(menor, 0.001);
    EXPECT_GT(mayor, 0.999);
    EXPECT_NEAR(suma / kVeces, 0.5, 0.01);
}

TEST(Azar, IntegerDrawsCoverEveryValueBelowN) {
    Azar azar;
    std::array<int, 25> vistos{};
    for (int i = 0; i < 10000; ++i) {
        const int n = azar.Entero(25);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 25);
        ++vistos[static_cast<std::size_t>(n)];
    }
    for (int v : vistos) EXPECT_GT(v, 300);
}

TEST(Azar, SeedingWithTheSameTimeTwiceStillGivesNewDraws) {
    Azar azar;
    azar.Sembrar(3'600'000);
    const double primera = azar.Rnd();
    azar.Sembrar(3'600'000);
    EXPECT_NE(azar.Rnd(), primera);
    azar.Sembrar(3'600'000);
    azar.Sembrar(3'600'000);  // seeding twice in a row does not cancel out
    Azar otro;
    otro.Sembrar(3'600'000);
    EXPECT_NE(azar.Rnd(), otro.Rnd());
}

TEST(Azar, SameSeedsGiveTheSameGame) {
    Azar a, b;
    a.Sembrar(1'234'500);
    b.Sembrar(1'234'500);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(a.Rnd(), b.Rnd());
}

}  // namespace
}  // namespace polvareda
