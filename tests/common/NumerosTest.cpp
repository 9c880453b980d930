// Val, the rounding conversions and the Str form.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Numeros.h"

using polvareda::EnteroCorto;
using polvareda::EnteroLargo;
using polvareda::LTrim;
using polvareda::Str;
using polvareda::Val;

TEST(Val, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-3.5e2"), -350);
    EXPECT_EQ(Val("+7"), 7);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("5."), 5);
    EXPECT_EQ(Val("1.2.3"), 1.2);
    EXPECT_EQ(Val("--5"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
}

TEST(Val, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(Val(" 6 40"), 640);
    EXPECT_EQ(Val("\t1\n2 . 5"), 12.5);
    EXPECT_EQ(Val(" - 3"), -3);
    EXPECT_EQ(Val("1 e 2"), 100);
    // A carriage return is not a blank to Val.
    EXPECT_EQ(Val("1\r2"), 1);
}

TEST(Val, ReadsBothExponentLettersAndIgnoresAnEmptyExponent) {
    EXPECT_EQ(Val("1E3"), 1000);
    EXPECT_EQ(Val("1d3"), 1000);
    EXPECT_EQ(Val("25e-1"), 2.5);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(Val("1e+x"), 1);
    EXPECT_EQ(Val("e5"), 0);
}

TEST(Val, ReadsHexAndOctalAsTheSixteenAndThirtyTwoBitIntegersTheyFit) {
    EXPECT_EQ(Val("&H10"), 16);
    EXPECT_EQ(Val("&hff"), 255);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(Val("&O19"), 1);
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("&H8000"), -32768);
    EXPECT_EQ(Val("&H10000"), 65536);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1);
    EXPECT_EQ(Val("&H100000000"), 4294967296.0);
    EXPECT_EQ(Val("&H"), 0);
    EXPECT_EQ(Val("&X1"), 0);
    EXPECT_EQ(Val("&H" + std::string(40, 'F')), std::numeric_limits<double>::infinity());
}

TEST(Val, HugeAndTinyNumbersSaturateInsteadOfFailing) {
    EXPECT_EQ(Val("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("1e-999"), 0);
    EXPECT_EQ(Val("0e999"), 0);
    EXPECT_EQ(Val(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(Val("0.000001e999"), std::numeric_limits<double>::infinity());
}

TEST(EnteroCorto, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(EnteroCorto(2.5), 2);
    EXPECT_EQ(EnteroCorto(3.5), 4);
    EXPECT_EQ(EnteroCorto(-2.5), -2);
    EXPECT_EQ(EnteroCorto(-3.5), -4);
    EXPECT_EQ(EnteroCorto(0.5), 0);
    EXPECT_EQ(EnteroCorto(1.4999999), 1);
    EXPECT_EQ(EnteroCorto(2.5000001), 3);
    EXPECT_EQ(EnteroCorto(-0.4), 0);
}

TEST(EnteroCorto, NothingOutsideSixteenBitsOrWhenNotFinite) {
    EXPECT_EQ(EnteroCorto(32767.0), 32767);
    EXPECT_EQ(EnteroCorto(32767.49), 32767);
    EXPECT_EQ(EnteroCorto(32767.5), std::nullopt);
    EXPECT_EQ(EnteroCorto(-32768.5), -32768);
    EXPECT_EQ(EnteroCorto(-32768.51), std::nullopt);
    EXPECT_EQ(EnteroCorto(99999.0), std::nullopt);
    EXPECT_EQ(EnteroCorto(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(EnteroCorto(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(EnteroCorto(1e300), std::nullopt);
}

TEST(EnteroLargo, RoundsIntoThirtyTwoBits) {
    EXPECT_EQ(EnteroLargo(100000.5), 100000);
    EXPECT_EQ(EnteroLargo(100001.5), 100002);
    EXPECT_EQ(EnteroLargo(2147483647.4), 2147483647);
    EXPECT_EQ(EnteroLargo(2147483647.5), std::nullopt);
    EXPECT_EQ(EnteroLargo(-2147483648.5), -2147483648);
    EXPECT_EQ(EnteroLargo(-std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(EnteroCortoDeTexto, ConvertsOnlyAWholeDecimalNumber) {
    using std::string_view;
    EXPECT_EQ(EnteroCorto(string_view("12")), 12);
    EXPECT_EQ(EnteroCorto(string_view(" 7 ")), 7);
    EXPECT_EQ(EnteroCorto(string_view("\t-7")), -7);
    EXPECT_EQ(EnteroCorto(string_view("+49")), 49);
    EXPECT_EQ(EnteroCorto(string_view("2.5")), 2);
    EXPECT_EQ(EnteroCorto(string_view("3.5")), 4);
    EXPECT_EQ(EnteroCorto(string_view(".5")), 0);
    EXPECT_EQ(EnteroCorto(string_view("1e3")), 1000);
    EXPECT_EQ(EnteroCorto(string_view("5E-1")), 0);
    for (string_view malo : {"A", "", " ", "12abc", "1 2", "99999", "-32769", "1e", "1e+", ".", "-",
                             "&H10", "1e999", "--1", "1..2"}) {
        EXPECT_EQ(EnteroCorto(malo), std::nullopt) << '"' << malo << '"';
    }
}

TEST(Str, PutsABlankBeforeNumbersThatAreNotNegative) {
    EXPECT_EQ(Str(640), " 640");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(LTrim, DropsOnlyLeadingBlanks) {
    EXPECT_EQ(LTrim("  640 "), "640 ");
    EXPECT_EQ(LTrim("   "), "");
    EXPECT_EQ(LTrim("\t1"), "\t1");
}
