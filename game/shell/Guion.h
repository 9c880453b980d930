// The scripts of the headless mode: one command per line, in virtual time.
//   advance N                     N milliseconds pass
//   keydown VK [SHIFT]            key down (virtual-key code 0-255, shift bits 0-7)
//   keyup VK [SHIFT]
//   mousedown BUTTON X Y [SHIFT]  mouse button 1, 2 or 4 at window pixel X, Y
//   mouseup BUTTON X Y [SHIFT]
//   png FILE                      the window's picture as PNG
//   state [FILE]                  the state as one JSON line (appended to FILE, or stdout)
//   close                         the window's close request
//   focusout                      the window loses the keyboard's focus
//   focusin                       and gets it back
//   sound N                       the game plays sound effect N (0-23)
//   music N                       the game starts music piece N (1-3)
//   padconnect                    a game controller is plugged in
//   paddisconnect                 one is pulled out (only while one is connected)
//   paddown BUTTON                controller button down, by name: a b x y back guide start
//                                 leftstick rightstick leftshoulder rightshoulder dpup
//                                 dpdown dpleft dpright
//   padup BUTTON
//   padaxis AXIS VALUE            axis leftx lefty rightx righty lefttrigger righttrigger
//                                 at VALUE -32768-32767
// The controller's buttons and axes speak only while one is connected.
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
