// Number text as the game's files hold it: the classic Val, the conversion to a 16-bit
// integer (nearest, ties to even), and the Str form with a leading blank.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace polvareda {

// The longest leading decimal number of the text, blanks anywhere ignored, 0 when none:
// "12abc" -> 12, "abc" -> 0, " 6 40" -> 640, "-3.5e2" -> -350, "&H10" -> 16.
double Val(std::string_view texto);

// Rounds to the nearest integer, halves to the even one (2.5 -> 2, 3.5 -> 4); nothing when the
// result lies outside -32768..32767 or the value is not finite.
std::optional<std::int16_t> EnteroCorto(double valor);

// The conversion of a text itself (no Val): a number with optional blanks around it, else nothing.
// "12" -> 12, " 7 " -> 7, "A" -> nothing, "99999" -> nothing, "2.5" -> 2.
std::optional<std::int16_t> EnteroCorto(std::string_view texto);

// Same rounding into 32 bits (used for fixed-point window coordinates).
std::optional<std::int32_t> EnteroLargo(double valor);

// The Str form: one leading blank for a number that is not negative, a minus sign otherwise.
std::string Str(std::int64_t valor);        // Str(640) == " 640", Str(-3) == "-3"
std::string LTrim(std::string_view texto);  // without its leading blanks

}  // namespace polvareda
