// The display mode, the sound and music devices and the controller, set up once before the window.
#include "Dispositivos.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "Modulo.h"
#include "Numeros.h"
#include "Recursos.h"
#include "Salida.h"

namespace polvareda {

namespace {

// Val of a configured size, as a whole number of pixels (nearest, halves to even); values no
// screen could have are kept large enough to be refused and shown.
long long Lado(const std::string& texto) {
    const double v = std::nearbyint(Val(texto));
    if (!std::isfinite(v)) return 0;
    return static_cast<long long>(std::clamp(v, -1e12, 1e12));
}

[[noreturn]] void NoSePuede(Modulo& m, long long ancho, long long alto) {
    m.plataforma.Mensaje(kTitulo, MensajeErrorPantalla(ancho, alto));
    // The classic message gives only the size; the system's reason tells the player what to
    // mend (no such display mode, no graphics driver, no memory).
    const std::string motivo = m.plataforma.MotivoPantalla();
    if (!motivo.empty())
        std::cerr << "Polvareda: the window could not be opened: " << motivo << "\n";
    Terminar(m, 1);
}

// `conAspecto`: the canvas stands for a screen of the old monitors (the 320 x 200 mode, a
// configured size or the designed window), which [Pantalla] Aspecto may show at 4:3; a canvas
// of the display's own size is shown with square pixels whatever it says.
bool Abrir(Modulo& m, const ModoPantalla& modo, bool conAspecto) {
    Pantalla pantalla;
    pantalla.titulo = kTitulo;
    pantalla.lienzo = modo.lienzo;
    pantalla.pantallaCompleta = modo.pantallaCompleta;
    pantalla.ajuste.nitido = m.configuracion.nitido;
    pantalla.vsync = m.configuracion.vsync;
    if (conAspecto && m.configuracion.aspecto43) pantalla.ajuste.proporcion = {4, 3};
    const std::optional<Imagen> icono = DecodificarImagen(Recurso("icono"));
    if (icono) pantalla.icono = &*icono;
    if (!m.plataforma.AbrirPantalla(pantalla)) return false;
    m.ventana.lienzo.Redimensionar(modo.lienzo.ancho, modo.lienzo.alto);
    m.ventana.abierta = true;
    m.escritorio.pantallaCompleta = modo.pantallaCompleta;
    AplicarModo(m, modo);
    return true;
}

}  // namespace

void AplicarModo(Modulo& m, const ModoPantalla& modo) {
    m.pantallaCompletaExclusiva = modo.exclusiva;
    Vista& vista = m.ventana.graficos.vista;
    vista.escala = modo.escala;
    vista.margenX = modo.margenX;
    vista.margenY = modo.margenY;
    vista.origenX = modo.origenX;
    vista.origenY = modo.origenY;
}

ModoPantalla FijarModoPantalla(Modulo& m, long long ancho, long long alto) {
    const Configuracion& c = m.configuracion;
    if (ancho == 0 && alto == 0) {
        // No size configured: the screen is the display as it is, and Escala stays 1.
        return ModoEscritorio(m.plataforma.Escritorio(), m.ventana.graficos.vista.factorXGA, false,
                              false);
    }
    const Tamano pantalla{static_cast<int>(std::clamp<long long>(ancho, -1, INT32_MAX)),
                          static_cast<int>(std::clamp<long long>(alto, -1, INT32_MAX))};
    if (!TamanoPosible(pantalla)) NoSePuede(m, ancho, alto);
    return ModoEscritorio(pantalla, m.ventana.graficos.vista.factorXGA, c.modoPantallaCompleta,
                          c.escalaLibre);
}

void PrepararDispositivos(Modulo& m) {
    Plataforma& p = m.plataforma;
    const Configuracion& c = m.configuracion;
    const RutaPantalla ruta = RutaDePantalla(LeerDDraw(m.textoConfiguracion));

    // A 320 x 200 canvas that cannot be opened falls back to the desktop path.
    const bool abierta = ruta == RutaPantalla::Exclusiva &&
                         Abrir(m, ModoExclusivo(m.ventana.graficos.vista.factorXGA), true);
    if (!abierta) {
        const bool delEscritorio =
            ruta != RutaPantalla::Ventana && Lado(c.ancho) == 0 && Lado(c.alto) == 0;
        const ModoPantalla modo = ruta == RutaPantalla::Ventana
                                      ? ModoVentana(m.ventana.graficos.vista.factorXGA)
                                      : FijarModoPantalla(m, Lado(c.ancho), Lado(c.alto));
        // Without a window the player could neither see nor quit the game.
        if (!Abrir(m, modo, !delEscritorio)) NoSePuede(m, modo.lienzo.ancho, modo.lienzo.alto);
    }

    p.SalvapantallasActivo(true);
    m.sonidos.Preparar(p, m.rutaTemporal, c.sonido, c.musica, m.rutaJuego);
    m.sonidos.Niveles(c.volumenEfectos, c.volumenMusica);
    m.joystickConectado = p.Joysticks() > 0;
}

Rect RectanguloVentana(const Modulo& m) {
    const Lienzo& lienzo = m.ventana.lienzo;
    if (m.pantallaCompletaExclusiva) return {0, 0, lienzo.Ancho(), lienzo.Alto()};
    const Vista& v = m.ventana.graficos.vista;
    return {v.origenX, v.origenY, LadoImagen(kAnchoLogico, v.factorXGA, v.escala),
            LadoImagen(kAltoLogico, v.factorXGA, v.escala)};
}

}  // namespace polvareda
