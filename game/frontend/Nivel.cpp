// The level choice: three figures in the three door places, each over the phase it starts;
// the fire button of a door place chooses, the figure moves, the choice blinks and the game
// starts there. The choice stays for later games started from the menu.
#include "Composicion.h"
#include "EtapasFrente.h"
#include "Figuras.h"
#include "Frente.h"
#include "Juego.h"
#include "Modulo.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr int kVolumenBajo = -4000;
constexpr int kVolumenAlto = -250;
constexpr int kYFiguras = 40;
constexpr int kFilaEleccion = 138;

struct Eleccion {
    int sprite;
    int cuadros[2];
    int x;
    int columna;
    std::int16_t fase;
};
constexpr Eleccion kElecciones[3] = {
    {37, {17, 27}, 16, 2, 1},
    {2, {12, 22}, 104, 13, 3},
    {36, {16, 26}, 192, 24, 6},
};

std::string TextoEleccion(const Modulo& m, int k) {
    return m.textos.fase + std::to_string(kElecciones[k].fase);
}

}  // namespace

void Frente::TeclaNivel(int tecla) {
    for (int k = 0; k < 3; ++k) {
        if (tecla != m_.configuracion.teclasDisparo[k]) continue;
        CambiarModo(Modo::Trans);
        m_.sonidos.Tocar(efecto::kDisparo);
        eleccion = k;
        return;
    }
}

Etapa PantallaNivel(Modulo& m) {
    Frente& f = Frente::De(m);
    Graficos& g = m.ventana.graficos;
    Superficies& s = g.superficies;
    f.eleccion = -1;
    m.ventana.lienzo.Persistente(true);
    f.Limpiar();

    m.sonidos.Volumen(efecto::kAmbiente, kVolumenBajo);
    m.sonidos.TocarEnBucle(efecto::kAmbiente);
    f.J().FundirAmbiente(kVolumenBajo, kVolumenAlto);

    Transferir(s.temp, 0, kYFiguras, s.Paisaje, 0, 24, 256, 88, Rop::SrcCopy);
    for (const Eleccion& e : kElecciones) PonerFigura(g, e.sprite, e.x, kYFiguras);
    CopiaEscalada(g, s.temp, 0, kYFiguras, 256, 88, 0, kYFiguras);
    Escribe(g, 0, 10, f.textos.elegir, 3, kFondoDirecto);
    for (int k = 0; k < 3; ++k)
        Escribe(g, kElecciones[k].columna, kFilaEleccion, TextoEleccion(m, k), 1, kFondoDirecto);
    f.Refrescar();

    f.EsperarModo(Modo::Nivel);
    if (f.eleccion < 0) {
        // Left some other way (none today): back to the menu as it was.
        m.sonidos.Parar(efecto::kAmbiente);
        return Etapa{MenuPrincipal};
    }

    const Eleccion& e = kElecciones[f.eleccion];
    for (const int cuadro : e.cuadros) {
        Transferir(s.temp, e.x, kYFiguras, s.Paisaje, e.x, 24, 48, 88, Rop::SrcCopy);
        PonerFigura(g, cuadro, e.x, kYFiguras);
        CopiaEscalada(g, s.temp, e.x, kYFiguras, 48, 88, e.x, kYFiguras);
        f.Refrescar();
        f.Esperar(200);
    }
    f.nivelInicial = e.fase;
    f.Nombre.clear();

    const std::string texto = TextoEleccion(m, f.eleccion);
    for (int vez = 0; vez < 8; ++vez) {
        m.ventana.lienzo.Rellenar(
            g.vista.Destino(e.x, kFilaEleccion, 8 * static_cast<int>(texto.size()), 12), 0);
        f.Refrescar();
        f.Esperar(250);
        Escribe(g, e.columna, kFilaEleccion, texto, 1, kFondoDirecto);
        f.Refrescar();
        f.Esperar(250);
    }
    f.J().FundirAmbiente(kVolumenAlto, kVolumenBajo);
    m.sonidos.Parar(efecto::kAmbiente);
    f.desdeNivel = true;
    return Etapa{JugarPartida};
}

}  // namespace polvareda
