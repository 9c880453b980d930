// xgapack: makes and inspects graphics extensions.
//
//   xgapack pack <folder> <multiplier> <out.XGA>   every picture of the folder, sorted by name;
//                                                  each must be one the game loads (bang.gif,
//                                                  sprite5.gif...), the multiplier 1 to 16
//   xgapack list <file.XGA>                        members, lengths and the multiplier
//   xgapack unpack <file.XGA> <folder>             the members as files in the folder
//
// Extensions are stored byte-complemented like every data file of the game; --plain reads and
// writes the container as it is once decoded. Exit status: 0 done, 1 refused or failed, 2 usage.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "ArchivoAcotado.h"
#include "Complemento.h"
#include "Contenedor.h"
#include "NombreMiembro.h"

namespace fs = std::filesystem;
using polvareda::xga::Contenedor;
using polvareda::xga::Error;

namespace {

// Far above any extension; keeps a wrong argument from filling the memory.
constexpr std::size_t kTamanoMaximoArchivo = std::size_t{1} << 30;
// The largest multiplier the game plays; above it the game keeps 1.
constexpr int kMultiplicadorMaximo = 16;

int Uso() {
    std::cerr << "usage: xgapack [--plain] pack <folder> <multiplier 1-16> <out.XGA>\n"
                 "       xgapack [--plain] list <file.XGA>\n"
                 "       xgapack [--plain] unpack <file.XGA> <folder>\n";
    return 2;
}

int Falla(const std::string& mensaje) {
    std::cerr << "xgapack: " << mensaje << "\n";
    return 1;
}

bool EsImagen(const fs::path& ruta) {
    std::string extension = ruta.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension == ".gif" || extension == ".bmp" || extension == ".png" ||
           extension == ".jpg" || extension == ".jpeg";
}

bool LeerArchivo(const fs::path& ruta, std::vector<std::uint8_t>& bytes, std::string& error) {
    const auto leido =
        polvareda::LeerArchivoAcotado(ruta, kTamanoMaximoArchivo, polvareda::Exceso::Rechazar);
    if (!leido) {
        error = ruta.string() + " is missing, unreadable or larger than 1 GiB";
        return false;
    }
    bytes.assign(leido->begin(), leido->end());
    return true;
}

// Never follows a link or replaces a folder already standing where a member goes.
bool EscribirArchivo(const fs::path& ruta, const std::vector<std::uint8_t>& bytes,
                     std::string& error) {
    std::error_code codigo;
    const auto estado = fs::symlink_status(ruta, codigo);
    if (fs::exists(estado) && !fs::is_regular_file(estado)) {
        error = ruta.string() + " exists and is not a plain file";
        return false;
    }
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    salida.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    salida.close();
    if (!salida) {
        error = "cannot write " + ruta.string();
        return false;
    }
    return true;
}

bool LeerContenedor(const fs::path& ruta, bool plano, Contenedor& contenedor, std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!LeerArchivo(ruta, bytes, error)) return false;
    if (!plano) polvareda::Complementar(bytes);
    auto leido = polvareda::xga::Leer(bytes);
    if (auto* fallo = std::get_if<Error>(&leido)) {
        error = ruta.string() + ": " + fallo->mensaje +
                (plano ? "" : " (read as stored; try --plain for a decoded file)");
        return false;
    }
    contenedor = std::move(std::get<Contenedor>(leido));
    return true;
}

int Empaquetar(const fs::path& carpeta, const std::string& multiplicador, const fs::path& salida,
               bool plano) {
    int valor = 0;
    if (multiplicador.empty() || multiplicador.size() > 3 ||
        !std::all_of(multiplicador.begin(), multiplicador.end(),
                     [](char c) { return c >= '0' && c <= '9'; }) ||
        (valor = std::stoi(multiplicador)) < 1 || valor > kMultiplicadorMaximo) {
        return Falla(
            "the multiplier must be a whole number from 1 to 16 (the game plays any "
            "other at 1), not \"" +
            multiplicador + "\"");
    }
    std::error_code codigo;
    if (!fs::is_directory(carpeta, codigo)) return Falla(carpeta.string() + " is not a folder");

    std::vector<fs::path> imagenes;
    for (const auto& entrada : fs::directory_iterator(carpeta, codigo)) {
        if (entrada.is_regular_file() && EsImagen(entrada.path())) {
            imagenes.push_back(entrada.path());
        }
    }
    if (codigo) return Falla("cannot list " + carpeta.string());
    std::sort(imagenes.begin(), imagenes.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string() < b.filename().string();
    });

    // A picture under a name the game does not look up would be carried and never shown.
    const auto& conocidos = polvareda::MiembrosQueCarga();
    for (const fs::path& imagen : imagenes) {
        const std::string nombre = imagen.filename().string();
        if (std::find(conocidos.begin(), conocidos.end(), nombre) == conocidos.end()) {
            std::string nombres;
            for (const std::string& n : conocidos) nombres += (nombres.empty() ? "" : " ") + n;
            return Falla((carpeta / nombre).string() + ": \"" + nombre +
                         "\" is not a picture the game loads, which would carry it unseen; it "
                         "loads only these names, in lower case: " +
                         nombres);
        }
    }

    Contenedor contenedor;
    contenedor.multiplicador = static_cast<std::uint8_t>(valor);
    for (const fs::path& imagen : imagenes) {
        polvareda::xga::Miembro miembro{imagen.filename().string(), {}};
        std::string error;
        if (!LeerArchivo(imagen, miembro.datos, error)) return Falla(error);
        contenedor.miembros.push_back(std::move(miembro));
    }
    auto escrito = polvareda::xga::Escribir(contenedor);
    if (auto* fallo = std::get_if<Error>(&escrito)) return Falla(fallo->mensaje);
    auto& bytes = std::get<std::vector<std::uint8_t>>(escrito);
    if (!plano) polvareda::Complementar(bytes);
    std::string error;
    if (!EscribirArchivo(salida, bytes, error)) return Falla(error);
    return 0;
}

int Listar(const fs::path& archivo, bool plano) {
    Contenedor contenedor;
    std::string error;
    if (!LeerContenedor(archivo, plano, contenedor, error)) return Falla(error);
    for (const auto& miembro : contenedor.miembros) {
        std::cout << miembro.nombre << " " << miembro.datos.size() << "\n";
    }
    std::cout << "multiplier " << static_cast<int>(contenedor.multiplicador) << "\n";
    return 0;
}

int Desempaquetar(const fs::path& archivo, const fs::path& carpeta, bool plano) {
    Contenedor contenedor;
    std::string error;
    // The whole container is checked before the first member is written.
    if (!LeerContenedor(archivo, plano, contenedor, error)) return Falla(error);
    std::error_code codigo;
    fs::create_directories(carpeta, codigo);
    if (!fs::is_directory(carpeta, codigo))
        return Falla("cannot make the folder " + carpeta.string());
    for (const auto& miembro : contenedor.miembros) {
        // Names were refused when they were anything but a plain file name, so each member
        // lands directly inside the folder.
        if (!EscribirArchivo(carpeta / miembro.nombre, miembro.datos, error)) return Falla(error);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool plano = false;
    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i) {
        const std::string argumento = argv[i];
        if (argumento == "--plain") {
            plano = true;
        } else {
            argumentos.push_back(argumento);
        }
    }
    if (argumentos.empty()) return Uso();
    const std::string& orden = argumentos[0];
    try {
        if (orden == "pack" && argumentos.size() == 4) {
            return Empaquetar(argumentos[1], argumentos[2], argumentos[3], plano);
        }
        if (orden == "list" && argumentos.size() == 2) return Listar(argumentos[1], plano);
        if (orden == "unpack" && argumentos.size() == 3) {
            return Desempaquetar(argumentos[1], argumentos[2], plano);
        }
    } catch (const std::exception& excepcion) {
        return Falla(excepcion.what());
    }
    return Uso();
}
