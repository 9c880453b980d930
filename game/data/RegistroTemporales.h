// The register of temporary files: one line per file the game creates in its temporary
// folder, written the moment the file is created. Shutdown deletes exactly what it lists.
#pragma once

#include <filesystem>
#include <fstream>

namespace polvareda {

class RegistroTemporales {
  public:
    RegistroTemporales() = default;
    RegistroTemporales(const RegistroTemporales&) = delete;
    RegistroTemporales& operator=(const RegistroTemporales&) = delete;

    // Creates (or truncates) the register and keeps it open. False when it cannot be opened.
    bool Abrir(const std::filesystem::path& archivo);
    bool Abierto() const { return salida_.is_open(); }
    const std::filesystem::path& Ruta() const { return ruta_; }

    // Writes the full path of a newly created temporary file as one line.
    void Anotar(const std::filesystem::path& temporal);

    void Cerrar();

    // Reads the register back, deletes every listed file that lies inside `carpeta` (anything
    // else it may hold is left alone, whatever the register says), then deletes the register.
    // Missing files and failures are skipped. Returns how many files were deleted.
    int BorrarAnotados(const std::filesystem::path& carpeta);

  private:
    std::filesystem::path ruta_;
    std::ofstream salida_;
};

// True when `ruta`, taken literally (".." resolved by name), lies strictly inside `carpeta`.
bool DentroDe(const std::filesystem::path& ruta, const std::filesystem::path& carpeta);

}  // namespace polvareda
