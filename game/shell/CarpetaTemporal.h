// This run's private folder inside the system's temporary folder: created with a fresh name,
// readable only by us, and removed with everything in it when its owner goes.
#pragma once

#include <filesystem>
#include <optional>

namespace polvareda {

class CarpetaTemporal {
  public:
    CarpetaTemporal() = default;
    ~CarpetaTemporal() { Eliminar(); }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    // Creates a new folder inside `base`; false when none could be made.
    bool Crear(const std::filesystem::path& base);
    const std::filesystem::path& Ruta() const { return ruta_; }

    // Removes the folder and whatever is still in it. Nothing outside it is touched.
    void Eliminar();

  private:
    std::filesystem::path ruta_;
};

}  // namespace polvareda
