// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class CarpetaTemporal {
  public:
    CarpetaTemporal() {
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() /
                ("polvareda-common-" + std::to_string(azar()) + std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code error;
        // Permissions a test took away are given back so that everything can be removed.
        const auto devolver = [&](const std::filesystem::path& p) {
            std::filesystem::permissions(p, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        };
        devolver(ruta_);
        for (const auto& entrada : std::filesystem::directory_iterator(ruta_, error)) {
            devolver(entrada.path());
        }
        std::filesystem::remove_all(ruta_, error);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& ruta() const { return ruta_; }

  private:
    std::filesystem::path ruta_;
};

inline void EscribirBytes(const std::filesystem::path& archivo, std::string_view bytes) {
    std::ofstream flujo(archivo, std::ios::binary | std::ios::trunc);
    flujo.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string LeerBytes(const std::filesystem::path& archivo) {
    std::ifstream flujo(archivo, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(flujo), std::istreambuf_iterator<char>());
}
