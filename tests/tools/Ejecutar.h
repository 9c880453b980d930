// Running the built tools from a test, with their output captured in a file.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Runs a tool with its output in `salida`; the exit status, or -1 when it did not end normally.
inline int Ejecutar(const std::string& orden, const std::filesystem::path& salida) {
    const std::string linea = orden + " >\"" + salida.string() + "\" 2>&1";
    const int estado = std::system(linea.c_str());
    if (estado == -1 || !WIFEXITED(estado)) return -1;
    return WEXITSTATUS(estado);
}

inline std::string Citado(const std::filesystem::path& ruta) {
    return "\"" + ruta.string() + "\"";
}
