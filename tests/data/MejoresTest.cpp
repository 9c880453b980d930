// The score table's stored text: defaults, reading and writing, damaged files.
#include "Mejores.h"

#include <gtest/gtest.h>

#include "CarpetaDePrueba.h"

namespace polvareda {
namespace {

// The number of CR LF line ends; -1 when a CR or LF stands alone.
int LineasCrLf(const std::string& texto) {
    int lineas = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
            ++lineas;
            ++i;
        } else if (texto[i] == '\r' || texto[i] == '\n') {
            return -1;
        }
    }
    return lineas;
}

std::string Registros(int n) {
    std::string texto;
    for (int i = 1; i <= n; ++i)
        texto += "NAME" + std::to_string(i) + "\r\n " + std::to_string(1000 - i) + " \r\n";
    return texto;
}

TEST(Mejores, DefaultTableHasTheTwentyOneNamesThenEmptyHundreds) {
    const TablaMejores t = MejoresPorDefecto();
    EXPECT_EQ(t[0], (RegistroMejor{"", 999999}));
    EXPECT_EQ(t[1], (RegistroMejor{"PECOS PANCHO", 90210}));
    EXPECT_EQ(t[10], (RegistroMejor{"HANK MESQUITE", 40510}));
    EXPECT_EQ(t[12], (RegistroMejor{"JACK CANYON", 31984}));
    EXPECT_EQ(t[16], (RegistroMejor{"MAJOR MULE", 4510}));
    EXPECT_EQ(t[17], (RegistroMejor{"BART THE BOLT", 2001}));
    EXPECT_EQ(t[21], (RegistroMejor{"BUCK HAYSTACK", 100}));
    for (int i = 22; i <= 99; ++i) EXPECT_EQ(t[i], (RegistroMejor{"", 100})) << i;
}

TEST(Mejores, StoredFormIs198CrLfLinesWithBlanksAroundNonNegativeScores) {
    TablaMejores t = MejoresPorDefecto();
    t[2] = {"NEG", -5};
    const std::string texto = TextoMejores(t);
    EXPECT_TRUE(texto.starts_with("PECOS PANCHO\r\n 90210 \r\nNEG\r\n-5 \r\n"));
    EXPECT_TRUE(texto.ends_with("\r\n 100 \r\n"));
    EXPECT_EQ(LineasCrLf(texto), 198);
}

TEST(Mejores, SavedTableReadsBackUnchanged) {
    TablaMejores t = MejoresPorDefecto();
    t[5] = {"  LEADING AND TRAILING  ", -2147483647 - 1};
    t[6] = {"", 0};
    t[99] = {"LAST", 2147483647};
    TablaMejores leida = LeerMejores(TextoMejores(t));
    // Leading blanks of a field are not part of it.
    t[5].nombre = "LEADING AND TRAILING  ";
    EXPECT_EQ(leida, t);
}

TEST(Mejores, ShortFileLeavesTheRestEmptyWithZeroAndStoresThemSo) {
    const TablaMejores t = LeerMejores(Registros(10));
    EXPECT_EQ(t[0], (RegistroMejor{"", 999999}));
    EXPECT_EQ(t[10], (RegistroMejor{"NAME10", 990}));
    for (int i = 11; i <= 99; ++i) EXPECT_EQ(t[i], (RegistroMejor{"", 0})) << i;
    const std::string texto = TextoMejores(t);
    EXPECT_NE(texto.find("NAME10\r\n 990 \r\n\r\n 0 \r\n"), std::string::npos);
    EXPECT_TRUE(texto.ends_with("\r\n\r\n 0 \r\n"));
}

TEST(Mejores, CommaInANameSplitsItAndShiftsTheFollowingRecords) {
    const TablaMejores t = LeerMejores("SMITH, JOHN\r\n 500 \r\nNEXT\r\n 400 \r\n");
    EXPECT_EQ(t[1], (RegistroMejor{"SMITH", 0}));  // " JOHN" is no number
    EXPECT_EQ(t[2], (RegistroMejor{"500 ", 0}));   // "NEXT" is no number
    EXPECT_EQ(t[3], (RegistroMejor{"400 ", 0}));
}

TEST(Mejores, QuotedFieldsKeepCommasAndCommaSeparatedFieldsWork) {
    const TablaMejores t = LeerMejores("\"DOE, JANE\" ignored, 700\r\nA,1,B,2\nC\r3");
    EXPECT_EQ(t[1], (RegistroMejor{"DOE, JANE", 700}));
    EXPECT_EQ(t[2], (RegistroMejor{"A", 1}));
    EXPECT_EQ(t[3], (RegistroMejor{"B", 2}));
    EXPECT_EQ(t[4], (RegistroMejor{"C", 3}));
    EXPECT_EQ(t[5], (RegistroMejor{"", 0}));
}

TEST(Mejores, RecordsBeyondTheNinetyNinthAreIgnored) {
    const TablaMejores t = LeerMejores(Registros(150));
    EXPECT_EQ(t[99], (RegistroMejor{"NAME99", 901}));
    EXPECT_EQ(t.size(), 100u);
}

TEST(Mejores, UnreadableScoresAreSkippedAndHugeNamesCut) {
    const std::string largo(5000, 'X');
    const TablaMejores t =
        LeerMejores("A\r\nlots\r\nB\r\n 99999999999 \r\nC\r\n 1 2 \r\n" + largo + "\r\n 7 \r\n");
    EXPECT_EQ(t[1], (RegistroMejor{"A", 0}));
    EXPECT_EQ(t[2], (RegistroMejor{"B", 0}));   // beyond 32 bits
    EXPECT_EQ(t[3], (RegistroMejor{"C", 12}));  // blanks inside a number are ignored
    EXPECT_EQ(t[4].nombre.size(), kLongitudMaximaNombre);
    EXPECT_EQ(t[4].puntos, 7);
}

TEST(Mejores, GarbageBinaryAndUnterminatedInputNeverBreakTheTable) {
    std::string basura;
    std::mt19937 azar(7);
    for (int i = 0; i < 200000; ++i) basura += static_cast<char>(azar());
    for (const std::string& texto :
         {basura, std::string("\"never closed\r\n 5 \r\n"), std::string("\0\0\0", 3),
          std::string(",,,,,,,"), std::string("\r\n\r\n\r\n"), std::string()}) {
        const TablaMejores t = LeerMejores(texto);
        EXPECT_EQ(t[0].puntos, 999999);
        for (const auto& r : t) EXPECT_LE(r.nombre.size(), kLongitudMaximaNombre);
        // Whatever was read, the stored form keeps its 198 lines.
        EXPECT_EQ(LineasCrLf(TextoMejores(t)), 198);
    }
}

TEST(Mejores, MissingFileGivesTheDefaultsAndSaveWritesTheStoredForm) {
    prueba::CarpetaDePrueba carpeta;
    EXPECT_EQ(CargarMejores(carpeta / "mejores.tmp"), MejoresPorDefecto());
    TablaMejores t = MejoresPorDefecto();
    t[1] = {"NEW", 123456};
    ASSERT_TRUE(GuardarMejores(carpeta / "mejores.tmp", t));
    EXPECT_EQ(prueba::Leer(carpeta / "mejores.tmp"), TextoMejores(t));
    EXPECT_EQ(CargarMejores(carpeta / "mejores.tmp"), t);
    EXPECT_FALSE(GuardarMejores(carpeta / "no" / "such" / "folder.tmp", t));
}

}  // namespace
}  // namespace polvareda
