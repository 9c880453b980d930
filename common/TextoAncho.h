// Text between UTF-16, the form Windows gives the command line, the environment and its folder
// names in, and UTF-8, the form the game keeps every text and path in. Written here rather than
// with the system's converters so that the same rules hold, and are checked, on every machine.
#pragma once

#include <string>
#include <string_view>

namespace polvareda {

// A surrogate without its partner (Windows allows them in names) becomes U+FFFD.
std::string Utf8DeUtf16(std::u16string_view texto);

// Bytes that are not UTF-8 (a stray continuation byte, a sequence cut short, an overlong or
// surrogate form) become U+FFFD, one for each bad sequence.
std::u16string Utf16DeUtf8(std::string_view texto);

}  // namespace polvareda
