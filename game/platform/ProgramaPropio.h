// The running program as its system gives it: the command line, the environment and the folder
// the executable is in. On Linux these are the bytes the system hands over; on Windows they
// arrive as UTF-16 and are turned into the UTF-8 the game keeps every text in, so that a folder
// named in any script works.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace polvareda {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> ArgumentosDelPrograma(int argc, char** argv);

// An environment variable in UTF-8, or nothing when unset. The text stays valid for the whole
// run (on Windows each variable is converted once and kept).
const char* VariableDeEntorno(const char* nombre);

// The folder of the running executable; `argv0` is only the last resort.
std::filesystem::path CarpetaDelPrograma(const char* argv0);

// The user's own pictures folder as the system names it (Windows knows it even when moved or
// translated); nothing where the system has no such notion.
std::optional<std::filesystem::path> CarpetaDeImagenesDelSistema();

}  // namespace polvareda
