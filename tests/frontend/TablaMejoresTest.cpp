// Where a new score goes in the table, what the insertion moves, the page around it, the
// rolling colours and the texts of a row, including tables someone has edited by hand.
#include "TablaMejores.h"

#include <gtest/gtest.h>

namespace polvareda {
namespace {

TablaMejores Tabla(std::int32_t desde, std::int32_t paso) {
    TablaMejores t{};
    t[0] = {"", 999999};
    for (int i = 1; i <= kRegistrosMejores; ++i)
        t[static_cast<std::size_t>(i)] = {"R" + std::to_string(i), desde - paso * (i - 1)};
    return t;
}

TEST(TablaMejores, PlaceOfANewScore) {
    const TablaMejores bajando = Tabla(10000, 100);  // record i holds 10100 - 100 i
    TablaMejores iguales = Tabla(500, 0);
    TablaMejores desordenada = Tabla(10000, 100);
    desordenada[99].puntos = 50000;  // edited by hand: the last record above the others
    struct Caso {
        const TablaMejores* tabla;
        std::int32_t puntos;
        int lugar;
    };
    const Caso casos[] = {
        {&bajando, 20000, 1},     {&bajando, 10000, 1},  // equal: above the older one
        {&bajando, 9850, 3},      {&bajando, 8100, 20},
        {&bajando, 300, 98},      {&bajando, 299, 0},  // below record 98: out
        {&iguales, 500, 1},       {&iguales, 499, 0},
        {&bajando, 5'000'000, 1}, {&desordenada, 400, 0},  // no room below record 99
        {&desordenada, 60000, 1},
    };
    for (const Caso& c : casos) EXPECT_EQ(LugarNuevo(*c.tabla, c.puntos), c.lugar) << c.puntos;
}

TEST(TablaMejores, InsertionMovesTheRestDownAndDropsTheLast) {
    for (const int p : {1, 3, 20, 98, 99}) {
        TablaMejores t = Tabla(10000, 100);
        const TablaMejores antes = t;
        InsertarMejor(t, p, "NUEVO", 1234);
        EXPECT_EQ(t[static_cast<std::size_t>(p)], (RegistroMejor{"NUEVO", 1234})) << p;
        for (int i = 1; i < p; ++i) EXPECT_EQ(t[i], antes[i]) << p << " " << i;
        for (int i = p + 1; i <= kRegistrosMejores; ++i) EXPECT_EQ(t[i], antes[i - 1]) << p;
        EXPECT_EQ(t[0], antes[0]);
    }
    TablaMejores t = Tabla(10000, 100);
    const TablaMejores antes = t;
    InsertarMejor(t, 0, "X", 1);
    InsertarMejor(t, 100, "X", 1);
    EXPECT_EQ(t, antes);

    // A run's records added to a table another copy stored meanwhile: each where the rules
    // put it in that table, in the order they were made; one that no longer qualifies is out.
    TablaMejores otra = Tabla(10000, 100);
    InsertarMejor(otra, 2, "OTRA", 9950);
    AgregarMejores(otra, {{"A", 9950}, {"B", 20000}, {"C", 1}});
    EXPECT_EQ(otra[1], (RegistroMejor{"B", 20000}));
    EXPECT_EQ(otra[2], (RegistroMejor{"R1", 10000}));
    EXPECT_EQ(otra[3], (RegistroMejor{"A", 9950}));
    EXPECT_EQ(otra[4], (RegistroMejor{"OTRA", 9950}));
    EXPECT_EQ(otra[99], (RegistroMejor{"R96", 500}));
}

TEST(TablaMejores, PageAroundTheNewRecord) {
    // p = 3: the page starts at 1, the new record on its third row; p = 20: at 15, on the sixth.
    const std::pair<int, int> casos[] = {{1, 1}, {3, 1}, {6, 1}, {7, 2}, {20, 15}, {99, 94}};
    for (const auto& [p, primera] : casos) EXPECT_EQ(PrimeraDePagina(p), primera) << p;
}

TEST(TablaMejores, ColoursRollOneRowPerDrawing) {
    int c = 0;
    const auto primera = ColoresTabla(c);
    EXPECT_EQ(primera, (std::array<int, 10>{2, 3, 4, 1, 2, 3, 4, 1, 2, 3}));
    auto anterior = primera;
    for (int vez = 0; vez < 6; ++vez) {
        const auto ahora = ColoresTabla(c);
        // Each row takes the colour the row above it had.
        for (std::size_t r = 0; r + 1 < 10; ++r) EXPECT_EQ(ahora[r + 1], anterior[r]) << vez;
        anterior = ahora;
    }
}

TEST(TablaMejores, RowTexts) {
    EXPECT_EQ(TextoRango(1), "01");
    EXPECT_EQ(TextoRango(99), "99");
    EXPECT_EQ(TextoPuntuacion(90210), "090210");
    EXPECT_EQ(TextoPuntuacion(0), "000000");
    EXPECT_EQ(TextoPuntuacion(-5), "-000005");
    EXPECT_EQ(TextoPuntuacion(2147483647), "2147483647");
    EXPECT_EQ(TextoPuntuacion(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(TextoNombre("PECOS PANCHO"), "PECOS PANCHO");
    EXPECT_EQ(TextoNombre(std::string(255, 'W')), std::string(20, 'W'));
}

}  // namespace
}  // namespace polvareda
