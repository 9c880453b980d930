// A game folder for tests that run the whole game in-process: our sound and language files
// from the distribution folder, and a private system temporary folder (TMPDIR) for the run,
// put back afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "CarpetaDePrueba.h"
#include "Entorno.h"

namespace polvareda::prueba {

class JuegoDePrueba {
  public:
    JuegoDePrueba() {
        namespace fs = std::filesystem;
        fs::create_directories(sistema_);
        fs::create_directories(juego_);
        const fs::path dist = fs::path(POLVAREDA_BINARY_DIR) / "dist";
        for (const char* carpeta : {"SND", "LNG"})
            fs::copy(dist / carpeta, juego_ / carpeta, fs::copy_options::recursive);
        if (const char* antes = std::getenv(kVariableTemporal)) tmpdir_ = antes;
        PonerVariable(kVariableTemporal, sistema_.string());
    }
    ~JuegoDePrueba() {
        if (tmpdir_)
            PonerVariable(kVariableTemporal, *tmpdir_);
        else
            QuitarVariable(kVariableTemporal);
    }
    JuegoDePrueba(const JuegoDePrueba&) = delete;
    JuegoDePrueba& operator=(const JuegoDePrueba&) = delete;

    const std::filesystem::path& Juego() const { return juego_; }

  private:
    CarpetaDePrueba carpeta_;
    std::filesystem::path juego_ = carpeta_ / "juego";
    std::filesystem::path sistema_ = carpeta_ / "sistema";
    std::optional<std::string> tmpdir_;
};

}  // namespace polvareda::prueba
