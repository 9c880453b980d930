// The names of the credits screen: who made the game, the voices and the testers. The
// translators come from the language files.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace polvareda::setup {

enum class FilaCreditos { Programa, Voces, Traductores, Probadores };

struct NombreCreditos {
    QString nombre;
    QString enlace;  // a "mailto:" address, or empty
    FilaCreditos fila;
};

// Every entry in order: the programmer, four voices, the translators, eleven testers.
std::vector<NombreCreditos> EntradasCreditos(const std::vector<std::string>& traductores);

}  // namespace polvareda::setup
