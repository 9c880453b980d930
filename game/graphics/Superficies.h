// The drawing surfaces of the game window, filled from the built-in pictures, and the two
// surfaces derived from them at load time (the widened counter strip and the life icon on black).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "Superficie.h"

namespace polvareda {

// The bytes of a built-in picture by name; an empty span when there is none.
using FuentePicturas = std::function<std::span<const std::uint8_t>(std::string_view nombre)>;

// Numbers of the figure sheets that exist: 0-9, 11-19, 21-29, 33-39, 48 and 49.
bool ExisteSprite(int i);

struct Superficies {
    Superficie Pantalla;
    Superficie Fondo;
    Superficie temp;
    Superficie borrador;
    Superficie letras;
    Superficie panel;
    Superficie estrella;
    Superficie dolar;
    Superficie cajas;
    Superficie CuadroCajas;
    Superficie sino;
    std::array<Superficie, 2> vida;
    Superficie Paisaje;
    Superficie Puertas;
    Superficie Pared;
    std::array<Superficie, 2> ventanilla;
    std::array<Superficie, 50> sprite;  // only the numbers for which ExisteSprite is true
    std::array<Superficie, 2> sombrero;
    Superficie BangBMP;
    Superficie Bala;
    Superficie menu;
    std::array<Superficie, 3> reloj;
    // The plain black backdrop, as a ground for text drawn on black.
    Superficie negro;

    // The surface a sheet number names, or nullptr for a number without a sheet.
    Superficie* Sprite(int i);
    const Superficie* Sprite(int i) const;
};

// Fills every surface from the built-in pictures (through `fuente`; the game passes the
// embedded ones). A picture that is missing or cannot be decoded becomes a surface of the right
// size in a neutral grey, with an all-white mask for the figure and hat sheets, so the game
// still runs. The scratch surfaces start empty: `Fondo` and `borrador` black, `temp` magenta.
void CargarIncorporadas(Superficies& s, const FuentePicturas& fuente);
// The same from the pictures built into the program.
void CargarIncorporadas(Superficies& s);

// The load-time derived surfaces: `ventanilla`(0) widened by 352·t to read A B A B C B C and
// copied into `ventanilla`(1); `vida`(1) = `vida`(0) with the panel's ground colour (pixel
// (0, 1) of `panel`) turned black.
void ConstruirDerivadas(Superficies& s);

}  // namespace polvareda
