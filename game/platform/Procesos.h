// Starting other programs: a sibling program with its arguments, or a document or web link
// through the desktop's opener. Both return at once; the started program lives on its own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace polvareda {

// False when the program cannot be started (missing, not executable).
bool LanzarPrograma(const std::filesystem::path& programa,
                    const std::vector<std::string>& argumentos);
bool AbrirConEscritorio(const std::string& rutaOEnlace);

}  // namespace polvareda
