// The play state as one line of JSON, for scripted runs and their checks:
// {"mode": ..., "config": {...}, ...}. One function builds it, so every new field goes here.
#pragma once

#include <string>
#include <string_view>

namespace polvareda {

struct Modulo;

// `por` says why the line was written ("state", "tick", "keydown", ...); `extra` is appended
// as more fields (", \"key\": 37"). The trace's lines leave the configuration out.
std::string EstadoJson(const Modulo& modulo, std::string_view por = "state",
                       std::string_view extra = "", bool conConfiguracion = true);

// A JSON string literal of text in the game's code page (Windows-1252), quotes included.
std::string CadenaJson(std::string_view texto);

}  // namespace polvareda
