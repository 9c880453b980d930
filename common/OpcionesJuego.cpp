// Reading the options screen's settings and writing back what the player changed.
#include "OpcionesJuego.h"

#include <algorithm>
#include <string>

#include "BotonesMando.h"

namespace polvareda {

namespace {

std::string Bandera(bool valor) {
    return valor ? "1" : "0";
}

}  // namespace

std::array<std::int16_t, kControles> TeclasDe(const Configuracion& c) {
    return {c.teclasMovimiento[0], c.teclasMovimiento[1], c.teclasDisparo[0], c.teclasDisparo[1],
            c.teclasDisparo[2]};
}

void PonerTeclas(Configuracion& c, const std::array<std::int16_t, kControles>& teclas) {
    std::copy(teclas.begin(), teclas.begin() + 2, c.teclasMovimiento);
    std::copy(teclas.begin() + 2, teclas.end(), c.teclasDisparo);
}

OpcionesJuego LeerOpcionesJuego(std::string_view textoIni, int idioma) {
    Configuracion c;
    LeerConfiguracion(textoIni, c);
    OpcionesJuego o;
    o.pantalla = LeerDDraw(textoIni) == 1 ? ModoVentana::Exclusiva
                 : c.modoPantallaCompleta ? ModoVentana::Completa
                                          : ModoVentana::Ventana;
    o.completaArchivo = c.modoPantallaCompleta;
    o.pantallaLibre = c.escalaLibre;
    o.aspecto43 = c.aspecto43;
    o.nitido = c.nitido;
    o.vsync = c.vsync;
    o.volumenEfectos = c.volumenEfectos;
    o.volumenMusica = c.volumenMusica;
    o.idioma = idioma;
    o.teclas = TeclasDe(c);
    o.botones = c.botonesMando;
    return o;
}

std::vector<ValorConfiguracion> ValoresOpciones(const OpcionesJuego& antes,
                                                const OpcionesJuego& ahora) {
    std::vector<ValorConfiguracion> valores;
    const auto si = [&](bool cambiado, Clave clave, std::string valor) {
        if (cambiado) valores.push_back({clave, std::move(valor)});
    };
    // SetUp's order: the display, the desktop's display keys, the sound, the keys, the
    // language, the controller.
    const bool exclusiva = ahora.pantalla == ModoVentana::Exclusiva;
    si(exclusiva != (antes.pantalla == ModoVentana::Exclusiva), Clave::DDraw, Bandera(exclusiva));
    const auto completa = [](const OpcionesJuego& o) {
        return o.pantalla == ModoVentana::Exclusiva ? o.completaArchivo
                                                    : o.pantalla == ModoVentana::Completa;
    };
    si(completa(ahora) != completa(antes), Clave::PantallaCompleta,
       !completa(ahora)      ? "0"
       : ahora.pantallaLibre ? "2"
                             : "1");
    si(ahora.aspecto43 != antes.aspecto43, Clave::Aspecto, Bandera(ahora.aspecto43));
    si(ahora.nitido != antes.nitido, Clave::Nitido, Bandera(ahora.nitido));
    si(ahora.vsync != antes.vsync, Clave::VSync, Bandera(ahora.vsync));
    si(ahora.volumenEfectos != antes.volumenEfectos, Clave::VolumenEfectos,
       std::to_string(ahora.volumenEfectos));
    si(ahora.volumenMusica != antes.volumenMusica, Clave::VolumenMusica,
       std::to_string(ahora.volumenMusica));
    constexpr Clave kTeclas[kControles] = {Clave::Izquierda, Clave::Derecha, Clave::Disparo1,
                                           Clave::Disparo2, Clave::Disparo3};
    for (std::size_t i = 0; i < kControles; ++i)
        si(ahora.teclas[i] != antes.teclas[i], kTeclas[i], std::to_string(ahora.teclas[i]));
    si(ahora.idioma != antes.idioma, Clave::Idioma, std::to_string(ahora.idioma));
    if (ahora.botones != antes.botones) {
        for (std::size_t r = 0; r < kRolesMando; ++r)
            valores.push_back(
                {kClavesMando[r], kNombresBoton[static_cast<std::size_t>(ahora.botones[r])]});
    }
    return valores;
}

void CambiarAyB(std::array<int, kRolesMando>& botones) {
    constexpr int kA = 0;
    constexpr int kB = 1;
    for (int& b : botones) {
        if (b == kA)
            b = kB;
        else if (b == kB)
            b = kA;
    }
}

}  // namespace polvareda
