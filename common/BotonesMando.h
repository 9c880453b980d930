// The controller's buttons by the names of the common game-controller layout, in its order:
// the names the [Mando] section of "Polvareda.INI" and the headless scripts use.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace polvareda {

inline constexpr std::size_t kNombresBotones = 15;
inline constexpr const char* kNombresBoton[kNombresBotones] = {"a",
                                                               "b",
                                                               "x",
                                                               "y",
                                                               "back",
                                                               "guide",
                                                               "start",
                                                               "leftstick",
                                                               "rightstick",
                                                               "leftshoulder",
                                                               "rightshoulder",
                                                               "dpup",
                                                               "dpdown",
                                                               "dpleft",
                                                               "dpright"};

// The button's number for its name, without regard to case; nothing for any other text.
std::optional<int> BotonPorNombre(std::string_view nombre);

}  // namespace polvareda
