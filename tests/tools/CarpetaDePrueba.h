// A fresh folder for one test, removed with everything in it when the test ends; and small
// helpers to write, read and run things inside it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

class CarpetaDePrueba {
  public:
    CarpetaDePrueba() {
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() /
                ("polvareda-tools-" + std::to_string(azar()) + std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaDePrueba() {
        std::error_code error;
        std::filesystem::remove_all(ruta_, error);
    }
    CarpetaDePrueba(const CarpetaDePrueba&) = delete;
    CarpetaDePrueba& operator=(const CarpetaDePrueba&) = delete;

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

inline std::string Complemento(std::string bytes) {
    for (char& c : bytes) c = static_cast<char>(255 - static_cast<unsigned char>(c));
    return bytes;
}

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
