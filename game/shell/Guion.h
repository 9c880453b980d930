// The scripts of the headless mode: one command per line, in virtual time.
//   advance N                     N milliseconds pass
//   keydown VK [SHIFT]            key down (virtual-key code 0-255, shift bits 0-7)
//   keyup VK [SHIFT]
//   mousedown BUTTON X Y [SHIFT]  mouse button 1, 2 or 4 at window pixel X, Y
//   mouseup BUTTON X Y [SHIFT]
//   png FILE                      the window's picture as PNG
//   state [FILE]                  the state as one JSON line (appended to FILE, or stdout)
//   close                         the window's close request
// Blank lines and lines starting with '#' are ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Evento.h"

namespace polvareda {

struct PasoGuion {
    std::int64_t enMs = 0;
    Evento evento;
};

struct Guion {
    std::vector<PasoGuion> pasos;
    std::int64_t finMs = 0;  // the virtual time the script reaches
};

struct ErrorGuion {
    int linea = 0;  // 1-based
    std::string mensaje;
};

std::variant<Guion, ErrorGuion> LeerGuion(std::string_view texto);

}  // namespace polvareda
