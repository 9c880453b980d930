// Blanks as the text files the game reads use them: spaces, tabs and the other line-layout
// characters that never belong to a word.
#pragma once

#include <string_view>

namespace polvareda {

constexpr bool EsBlancoDeLinea(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The text without the blanks at either end.
constexpr std::string_view RecortarBlancos(std::string_view texto) {
    while (!texto.empty() && EsBlancoDeLinea(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EsBlancoDeLinea(texto.back())) texto.remove_suffix(1);
    return texto;
}

}  // namespace polvareda
