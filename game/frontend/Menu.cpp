// The main menu: entering it, drawing it, its keys and its wait, which ends in a game, the
// level choice or an attract screen.
#include <cctype>

#include "Colores.h"
#include "Composicion.h"
#include "EtapasFrente.h"
#include "Frente.h"
#include "Juego.h"
#include "Modulo.h"
#include "Salida.h"
#include "Teclas.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr std::int64_t kEsperaMenuMs = 6660;
constexpr std::int64_t kEntrePantallasMs = 250;
// The credit and rights lines name the people behind this version.
constexpr const char* kProgramador = "EQUIPO POLVAREDA";
constexpr const char* kAutor = "ESTUDIO POLVAREDA";
constexpr const char* kAnio = "2026";

// The "»" characters lie outside the glyph sheet and draw nothing: the name starts at
// column 9. One byte each, as the single-byte text of the glyph sheet has them.
const std::string kTituloMenu = std::string(9, '\xBB') + "POLVAREDA PLUS";

constexpr int kColumnaEntradas = 11;

}  // namespace

void Frente::EntrarEnMenu() {
    tablaSiguiente = true;
    Superficies& s = m_.ventana.graficos.superficies;
    // The menu and the demonstration always use the day colouring.
    CargarConjunto(s, m_.ventana.coloreados, Momento::Dia);
    m_.ventana.lienzo.Persistente(true);
    m_.ventana.lienzo.Borrar();

    // The portrait: the middle door's scenery with the first bandit, in the frame `menu`.
    Transferir(s.menu, 4, 4, s.Paisaje, 104, 24, 48, 88, Rop::SrcCopy);
    if (const Superficie* hoja = s.Sprite(1)) Enmascarar(s.menu, 4, 4, *hoja, 0, 0, 48, 88, 88);

    textos = LeerTextosMenu(Idioma::Cargar(m_.rutaTemporal / kArchivoIdiomaTemporal));
    m_.sonidos.TocarTema(1);
}

void Frente::DibujarEntradasMando() {
    Graficos& g = m_.ventana.graficos;
    // The chosen device's entry in colour 2, the other in colour 1, the pad's entry dark red
    // while no controller is attached. Drawn composed over black, so that the colour drawn
    // before is replaced.
    const int colorMando = joystick ? 2 : m_.joystickConectado ? 1 : 5;
    Escribe(g, kColumnaEntradas, 70, textos.teclado, joystick ? 1 : 2, kFondoCompuesto);
    Escribe(g, kColumnaEntradas, 94, textos.joystick, colorMando, kFondoCompuesto);
    Refrescar();
}

void Frente::DibujarMenu() {
    Graficos& g = m_.ventana.graficos;
    const Superficie& retrato = g.superficies.menu;
    CopiaEscaladaXGA(g, retrato, 0, 0, 56, 96, 4, 40);
    CopiaEscaladaXGA(g, retrato, 0, 0, 56, 96, 196, 40);
    Escribe(g, 0, 6, kTituloMenu, 3, kFondoDirecto);
    Escribe(g, kColumnaEntradas, 46, textos.jugar, 1, kFondoDirecto);
    Escribe(g, kColumnaEntradas, 118, textos.nivel, 1, kFondoDirecto);
    Escribe(g, kColumnaEntradas, 142, textos.opciones, 1, kFondoDirecto);
    Escribe(g, 0, 158, textos.programador + " " + kProgramador, 2, kFondoDirecto);
    Escribe(g, 0, 174, textos.copyright + " " + kAutor + " " + kAnio, 4, kFondoDirecto);
    DibujarEntradasMando();
}

void Frente::TeclaMenu(int tecla) {
    const int teclaNivel =
        textos.nivel.empty() ? -1 : std::toupper(static_cast<unsigned char>(textos.nivel[0]));
    if (tecla == vk::Cero) {
        tablaSiguiente = false;
        CambiarModo(Modo::Trans);
        if (nivelInicial != 1) CambiarModo(Modo::Nivel);
        Nombre.clear();
        m_.sonidos.TocarTema(1);
        desdeNivel = false;
        siguiente = Siguiente::Partida;
    } else if (tecla == vk::Cero + 1) {
        if (joystick) {
            joystick = false;
            DibujarEntradasMando();
        }
    } else if (tecla == vk::Cero + 2) {
        // Offered only while a controller is attached (the device check of start-up, kept up
        // to date as controllers come and go).
        if (!joystick && m_.joystickConectado) {
            joystick = true;
            DibujarEntradasMando();
        }
    } else if (tecla == kTeclaOpciones) {
        tablaSiguiente = false;
        siguiente = Siguiente::Opciones;
        opciones.Abrir(Modo::Ninguno);
    } else if (tecla == teclaNivel) {
        tablaSiguiente = false;
        CambiarModo(Modo::Nivel);
        m_.sonidos.TocarTema(1);
        siguiente = Siguiente::Nivel;
    } else if (tecla == vk::Escape) {
        m_.sonidos.TocarTema(1);
        Terminar(m_);
    }
}

Etapa MenuPrincipal(Modulo& m) {
    Frente& f = Frente::De(m);
    f.InstalarManejadores();
    f.EntrarEnMenu();
    return Etapa{EsperarEnMenu};
}

Etapa EsperarEnMenu(Modulo& m) {
    Frente& f = Frente::De(m);
    f.siguiente = Frente::Siguiente::Nada;
    f.DibujarMenu();
    f.CambiarModo(Modo::Menu);
    f.Esperar(kEsperaMenuMs, Modo::Menu);
    if (f.ModoActual() != Modo::Menu) {
        if (f.siguiente == Frente::Siguiente::Nivel) return Etapa{PantallaNivel};
        if (f.siguiente == Frente::Siguiente::Partida) return Etapa{JugarPartida};
        if (f.siguiente == Frente::Siguiente::Opciones) return Etapa{PantallaOpciones};
        return Etapa{EsperarEnMenu};
    }
    f.CambiarModo(Modo::Ninguno);
    f.Limpiar();
    f.Esperar(kEntrePantallasMs);
    f.CambiarModo(Modo::Auto);
    f.inicioAtraccion = m.plataforma.AhoraMs();
    return Etapa{f.tablaSiguiente ? TablaAtraccion : Demostracion};
}

Etapa PantallaOpciones(Modulo& m) {
    Frente::De(m).EsperarModo(Modo::Opciones);
    return Etapa{MenuPrincipal};  // the menu again, in the language chosen
}

Etapa JugarPartida(Modulo& m) {
    Frente& f = Frente::De(m);
    // A game started at another level than the first shows the day caption before its phase.
    f.J().Jugar(f.nivelInicial, f.desdeNivel || f.nivelInicial != 1 ? Modo::Nivel : Modo::Trans);
    return Etapa{FinDePartidaEtapa};
}

}  // namespace polvareda
