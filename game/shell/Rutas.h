// The run's folders and its temporary files, settled at start-up.
#pragma once

#include <filesystem>

#include "CarpetaTemporal.h"
#include "RegistroTemporales.h"

namespace polvareda {

struct Rutas {
    std::filesystem::path rutaJuego;      // the game's folder: its data files
    std::filesystem::path rutaJugador;    // Polvareda.INI and Polvareda.DAT
    std::filesystem::path rutaProgramas;  // SetUp
    CarpetaTemporal carpetaTemporal;      // this run's private temporary folder
    std::filesystem::path rutaTemporal;   // its path
    std::filesystem::path listaTemporales;
    RegistroTemporales registro;
};

}  // namespace polvareda
