// Creating the window's surfaces from the built-in pictures, and the derived surfaces.
#include "Superficies.h"

#include <cmath>
#include <optional>
#include <string>

#include "NombreMiembro.h"
#include "Plataforma.h"
#include "Recursos.h"

namespace polvareda {

namespace {

constexpr Pixel kGrisNeutro = 0x808080;
constexpr Pixel kBlanco = 0xFFFFFF;
constexpr Pixel kMagenta = 0xFF00FF;

// A sheet keeps its picture in the upper half and its mask in the lower half.
enum class Hoja { No, Si };

Superficie Cargar(const FuentePicturas& fuente, std::string_view nombre, int ancho, int alto,
                  Hoja hoja = Hoja::No) {
    Superficie s;
    if (fuente) {
        const std::span<const std::uint8_t> bytes = fuente(nombre);
        if (!bytes.empty()) {
            if (std::optional<Imagen> imagen = DecodificarImagen(bytes)) {
                if (!imagen->Empty()) {
                    s.imagen = std::move(*imagen);
                    return s;
                }
            }
        }
    }
    s.imagen = Imagen(ancho, alto, kGrisNeutro);
    if (hoja == Hoja::Si) {
        for (int y = alto / 2; y < alto; ++y) std::fill_n(s.imagen.Row(y), ancho, kBlanco);
    }
    return s;
}

int Redondo(double v) {
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

bool ExisteSprite(int i) {
    return ExisteHojaSprite(i);
}

Superficie* Superficies::Sprite(int i) {
    return ExisteSprite(i) ? &sprite[static_cast<std::size_t>(i)] : nullptr;
}
const Superficie* Superficies::Sprite(int i) const {
    return ExisteSprite(i) ? &sprite[static_cast<std::size_t>(i)] : nullptr;
}

void CargarIncorporadas(Superficies& s, const FuentePicturas& fuente) {
    s.Pantalla = Cargar(fuente, "Pantalla", 256, 192);
    s.Fondo = Superficie{Imagen(256, 192, 0), 1.0};
    s.temp = Superficie{Imagen(512, 384, kMagenta), 1.0};
    s.borrador = Superficie{Imagen(256, 12, 0), 1.0};
    s.letras = Cargar(fuente, "letras", 266, 84);
    s.panel = Cargar(fuente, "panel", 256, 24);
    s.estrella = Cargar(fuente, "estrella", 72, 84);
    s.dolar = Cargar(fuente, "dolar", 16, 64);
    s.cajas = Cargar(fuente, "cajas", 192, 16);
    s.CuadroCajas = Cargar(fuente, "CuadroCajas", 16, 16);
    s.sino = Cargar(fuente, "sino", 28, 14);
    s.vida[0] = Cargar(fuente, "vida", 9, 23);
    s.vida[1] = s.vida[0];
    s.Paisaje = Cargar(fuente, "Paisaje", 256, 112);
    s.Puertas = Cargar(fuente, "Puertas", 128, 88);
    s.Pared = Cargar(fuente, "Pared", 88, 115);
    s.ventanilla[0] = Cargar(fuente, "ventanilla", 264, 28);
    s.ventanilla[1] = s.ventanilla[0];
    for (int i = 0; i < 50; ++i) {
        if (ExisteSprite(i)) {
            s.sprite[static_cast<std::size_t>(i)] =
                Cargar(fuente, "sprite" + std::to_string(i), 48, 176, Hoja::Si);
        }
    }
    s.sombrero[0] = Cargar(fuente, "sombrero0", 12, 22, Hoja::Si);
    s.sombrero[1] = Cargar(fuente, "sombrero1", 12, 22, Hoja::Si);
    s.BangBMP = Cargar(fuente, "BangBMP", 62, 180);
    s.Bala = Cargar(fuente, "Bala", 12, 6);
    s.menu = Cargar(fuente, "menu", 56, 96);
    s.reloj[0] = Superficie{Imagen(32, 32, 0), 1.0};
    s.reloj[1] = Cargar(fuente, "reloj1", 32, 32);
    s.reloj[2] = Cargar(fuente, "reloj2", 32, 32);
    s.negro = Superficie{Imagen(256, 192, 0), 1.0};
}

void CargarIncorporadas(Superficies& s) {
    CargarIncorporadas(s, [](std::string_view n) { return Recurso(n); });
}

void ConstruirDerivadas(Superficies& s) {
    // The counter strip: A B C becomes A B A B C B C, so the scroll can run over it.
    Superficie& v = s.ventanilla[0];
    const double t = v.t;
    v.Redimensionar(v.Ancho() + Redondo(352 * t), v.Alto());
    Transferir(v.imagen, Redondo(440 * t), 0, v.imagen, Redondo(88 * t), 0, Redondo(176 * t),
               Redondo(28 * t), Rop::SrcCopy);
    Transferir(v.imagen, Redondo(176 * t), 0, v.imagen, 0, 0, Redondo(264 * t), Redondo(28 * t),
               Rop::SrcCopy);
    s.ventanilla[1] = v;

    // The life icon on black: the panel's ground colour becomes black.
    s.vida[1] = s.vida[0];
    Imagen& icono = s.vida[1].imagen;
    if (s.panel.imagen.Contains(0, 1)) {
        const Pixel clave = s.panel.imagen.At(0, 1);
        const int altoMax = Redondo(22 * s.vida[1].t);
        const int anchoMax = Redondo(8 * s.vida[1].t);
        for (int y = 0; y <= altoMax && y < icono.Height(); ++y) {
            for (int x = 0; x <= anchoMax && x < icono.Width(); ++x) {
                if (icono.At(x, y) == clave) icono.At(x, y) = 0;
            }
        }
    }
}

}  // namespace polvareda
