// The settings the game's own options screen shows, read from "Polvareda.INI", and what it
// writes back: only the keys the player changed, in the form and order SetUp writes them, so
// the same choices give the file SetUp would give and every key the screen does not show
// stays as it was.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "CapturaTeclas.h"
#include "Configuracion.h"

namespace polvareda {

// How the game is shown: a window or the full screen of the desktop path, or the 320 x 200
// path (always the whole screen).
enum class ModoVentana { Ventana, Completa, Exclusiva };

struct OpcionesJuego {
    ModoVentana pantalla = ModoVentana::Exclusiva;
    // PantallaCompleta as the file holds it (the 320 x 200 path leaves it as it is), and
    // whether it was 2, the full screen filled, which a full screen chosen again keeps.
    bool completaArchivo = true;
    bool pantallaLibre = false;
    bool aspecto43 = false;
    bool nitido = true;
    bool vsync = false;
    int volumenEfectos = 100;
    int volumenMusica = 100;
    int idioma = 0;
    std::array<std::int16_t, kControles> teclas = kTeclasPorDefecto;  // left, right, fire 1-3
    std::array<int, kRolesMando> botones = Configuracion{}.botonesMando;

    bool operator==(const OpcionesJuego&) const = default;
};

// The five keys as the screen shows them (left, right, fire 1 to 3), and back.
std::array<std::int16_t, kControles> TeclasDe(const Configuracion& c);
void PonerTeclas(Configuracion& c, const std::array<std::int16_t, kControles>& teclas);

// The screen's settings as the game reads the file (the language as given: the game picks
// the desktop's when the file has none).
OpcionesJuego LeerOpcionesJuego(std::string_view textoIni, int idioma);

// The values to write for `ahora`, the file having held `antes`: each changed key in SetUp's
// form, in SetUp's order; the controller's five buttons together when any of them changed.
std::vector<ValorConfiguracion> ValoresOpciones(const OpcionesJuego& antes,
                                                const OpcionesJuego& ahora);

// A one-step change of the controller: every role on button A goes to B and every one on B
// to A.
void CambiarAyB(std::array<int, kRolesMando>& botones);

}  // namespace polvareda
