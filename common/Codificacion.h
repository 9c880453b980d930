// The text encodings a hand-edited profile file may arrive in. The game and SetUp work in the
// Windows-1252 code page; an editor may instead save the file as UTF-8 or UTF-16 with a
// byte-order mark, and such a file must read the same as its Windows-1252 twin.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace polvareda {

enum class Codificacion { Windows1252, Utf8ConMarca, Utf16LeConMarca, Utf16BeConMarca };

// The encoding announced by the text's byte-order mark; Windows-1252 without one.
Codificacion CodificacionDe(std::string_view texto);

// The text in Windows-1252, its byte-order mark dropped. Characters the code page lacks and
// broken sequences become '?'; a text without a mark comes back as it is.
std::string AWindows1252(std::string_view texto);

// Windows-1252 bytes as UTF-8, without a mark.
std::string Windows1252AUtf8(std::string_view texto);

// A text with a mark as UTF-8 with the UTF-8 mark, and back: together they let a value be
// written into a UTF-16 file without losing any character of its other lines. Nothing when
// the UTF-16 is broken (an odd length, a lone surrogate), or the UTF-8 is.
std::optional<std::string> Utf16AUtf8(std::string_view texto);
std::optional<std::string> Utf8AUtf16(std::string_view utf8ConMarca, Codificacion destino);

}  // namespace polvareda
