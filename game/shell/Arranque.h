// Start-up of the game: from the splash window to the menu, and the load handler of the game
// window. The run ends inside (Salir, the close request, a missing configuration); Main then
// returns the exit code.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "Etapa.h"
#include "Plataforma.h"
#include "Presentacion.h"

namespace polvareda {

struct Modulo;

struct OpcionesArranque {
    std::filesystem::path carpeta;  // RutaJuego: the game's folder (its data)
    // Where Polvareda.INI and Polvareda.DAT are; empty: the game's folder.
    std::filesystem::path carpetaJugador;
    // Where SetUp is; empty: the game's folder.
    std::filesystem::path carpetaProgramas;
    // What follows the presentation; the menu plugs in here.
    Etapa primeraEtapa{PantallaDeEspera};
    // Told of the moments "presentacion" (splash shown), "ventana" (game window open) and
    // "salida" (the orderly shutdown begins), for measurements and the crash-safety check.
    std::function<void(std::string_view)> alHito;
    std::filesystem::path traza;  // the play trace's file; empty: none
    bool capturas = true;         // the screenshot key saves pictures (not in headless runs)
};

// The program's executable suffix ("" here, ".exe" on Windows).
std::string_view SufijoEjecutable();

int Main(Plataforma& plataforma, const OpcionesArranque& opciones);

// The load handler of the game window: data decoded, pictures, texts, high scores.
void CargarVentana(Modulo& modulo);

}  // namespace polvareda
