// The game's built-in pictures: their names, their logical sizes and, for those a graphics
// extension may replace, the member file name the game looks for.
#pragma once

#include <string>
#include <vector>

struct ImagenDelJuego {
    std::string nombre;  // file stem in assets/pictures and name in polvareda::Recurso
    int ancho;
    int alto;
    std::string miembro;  // extension member, empty when the picture cannot be replaced
};

inline std::vector<ImagenDelJuego> ImagenesDelJuego() {
    std::vector<ImagenDelJuego> imagenes = {
        {"Pantalla", 256, 192, "pantalla.gif"},
        {"letras", 266, 84, "letras.gif"},
        {"panel", 256, 24, "panel.gif"},
        {"estrella", 72, 84, "estrella.gif"},
        {"dolar", 16, 64, "dolar.gif"},
        {"cajas", 192, 16, "cajas.gif"},
        {"CuadroCajas", 16, 16, "cuadro.gif"},
        {"sino", 28, 14, "sino.gif"},
        {"vida", 9, 23, "vida.gif"},
        {"Paisaje", 256, 112, "paisaje.gif"},
        {"Puertas", 128, 88, "puertas.gif"},
        {"Pared", 88, 115, "pared.gif"},
        {"ventanilla", 264, 28, "ventanil.gif"},
        {"sombrero0", 12, 22, "sombrer0.gif"},
        {"sombrero1", 12, 22, "sombrer1.gif"},
        {"BangBMP", 62, 180, "bang.gif"},
        {"Bala", 12, 6, ""},
        {"menu", 56, 96, ""},
        {"reloj1", 32, 32, ""},
        {"reloj2", 32, 32, ""},
        {"splash", 320, 96, ""},
        {"icono", 64, 64, ""},
    };
    for (int n = 0; n <= 49; ++n) {
        const bool existe = (n <= 9) || (n >= 11 && n <= 19) || (n >= 21 && n <= 29) ||
                            (n >= 33 && n <= 39) || n == 48 || n == 49;
        if (existe) {
            const std::string nombre = "sprite" + std::to_string(n);
            imagenes.push_back({nombre, 48, 176, nombre + ".gif"});
        }
    }
    return imagenes;
}
