// A fresh folder per test, removed afterwards, and helpers to lay files into it and read them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace polvareda::prueba {

class CarpetaDePrueba {
  public:
    CarpetaDePrueba() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() /
                ("polvareda-prueba-" + std::string(info ? info->name() : "x") + "-" +
                 std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaDePrueba() {
        std::error_code error;
        // Permissions a test took away are given back so that everything can be removed.
        const auto devolver = [&](const std::filesystem::path& p) {
            std::filesystem::permissions(p, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        };
        devolver(ruta_);
        for (const auto& entrada : std::filesystem::recursive_directory_iterator(ruta_, error))
            devolver(entrada.path());
        std::filesystem::remove_all(ruta_, error);
    }
    CarpetaDePrueba(const CarpetaDePrueba&) = delete;
    CarpetaDePrueba& operator=(const CarpetaDePrueba&) = delete;

    const std::filesystem::path& Ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::filesystem::path& p) const { return ruta_ / p; }

  private:
    std::filesystem::path ruta_;
};

inline void Escribir(const std::filesystem::path& archivo, std::string_view bytes) {
    std::filesystem::create_directories(archivo.parent_path());
    std::ofstream flujo(archivo, std::ios::binary | std::ios::trunc);
    flujo.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string Complemento(std::string bytes) {
    for (char& c : bytes) c = static_cast<char>(255 - static_cast<unsigned char>(c));
    return bytes;
}

// A data file as the game ships it: every byte complemented.
inline void EscribirCodificado(const std::filesystem::path& archivo, const std::string& texto) {
    Escribir(archivo, Complemento(texto));
}

inline std::string Leer(const std::filesystem::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

}  // namespace polvareda::prueba
