// Bitmap text: strings drawn from the glyph sheet `letras` in eight-pixel columns.
#pragma once

#include <string_view>

#include "Graficos.h"

namespace polvareda {

// `Fondo` values: compose each character over a background, or draw it straight on the window.
// Any other value draws nothing.
constexpr int kFondoCompuesto = -1;
constexpr int kFondoDirecto = 0;

// The glyph column of a character (its single-byte code minus 65, or minus 22 when that is
// negative): "A".."Z" 0-25, "0".."9" 26-35, ":" 36, ";" 37. Columns outside 0-37 draw nothing.
int ColumnaGlifo(char c);

// Draws `Mensaje` (single-byte characters) at logical x = 8·x, y, in colour band `Color` (1 to
// 6). With `Fondo` = -1 every character cell is first filled from (`xfondo` + 8·i, `yfondo`)
// of `fondo` (null: the black backdrop), so an earlier text there disappears; with 0 the glyphs
// go straight onto what the window shows. A space leaves its cell untouched.
void Escribe(Graficos& g, int x, int y, std::string_view Mensaje, int Color, int Fondo,
             int xfondo = 0, int yfondo = 0, const Superficie* fondo = nullptr);

}  // namespace polvareda
