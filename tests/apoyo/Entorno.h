// Environment variables set and cleared by tests for a while, with the same calls on every
// system, and the variable through which the system names its temporary folder.
#pragma once

#include <cstdlib>
#include <string>

namespace polvareda::prueba {

#ifdef _WIN32
inline constexpr const char* kVariableTemporal = "TMP";
#else
inline constexpr const char* kVariableTemporal = "TMPDIR";
#endif

inline void PonerVariable(const char* nombre, const std::string& valor) {
#ifdef _WIN32
    _putenv_s(nombre, valor.c_str());
#else
    setenv(nombre, valor.c_str(), 1);
#endif
}

inline void QuitarVariable(const char* nombre) {
#ifdef _WIN32
    // An empty value removes the variable.
    _putenv_s(nombre, "");
#else
    unsetenv(nombre);
#endif
}

}  // namespace polvareda::prueba
