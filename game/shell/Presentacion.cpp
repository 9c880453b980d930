// The splash and the pictures prepared while the window loads, then its fade-in and the waiting
// screen.
#include "Presentacion.h"

#include "ArchivosDatos.h"
#include "Composicion.h"
#include "Extension.h"
#include "Fondo.h"
#include "Idioma.h"
#include "Modulo.h"
#include "Panel.h"
#include "Partida.h"
#include "Reloj.h"
#include "Salida.h"
#include "Teclas.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr std::int64_t kDedicatoriaMs = 3000;
constexpr std::int64_t kNegroMs = 500;
constexpr std::int64_t kRelojFinalMs = 500;

void Refrescar(Modulo& m) {
    m.ventana.lienzo.Refrescar();
    m.bucle.PresentarSiToca();
}

}  // namespace

void CargarImagenes(Modulo& m) {
    CargarIncorporadas(m.ventana.graficos.superficies);
}

void CargarExtension(Modulo& m) {
    Graficos& g = m.ventana.graficos;
    const auto resultado = CargarExtension(
        m.rutaTemporal / kArchivoExtensionTemporal, m.rutaTemporal,
        [&m](const std::filesystem::path& archivo) { m.registro.Anotar(archivo); }, g.superficies);
    g.vista.factorXGA = resultado.factorXGA;
}

void ConstruirDerivadas(Modulo& m) {
    ConstruirDerivadas(m.ventana.graficos.superficies);
}

void PrepararFundido(Modulo& m) {
    m.ventana.cuadrosFundido = HacerCuadrosFundido(m.ventana.graficos.superficies.Pantalla.imagen);
}

void Dedicatoria(Modulo& m) {
    Graficos& g = m.ventana.graficos;
    const Idioma idioma = Idioma::Cargar(m.rutaTemporal / kArchivoIdiomaTemporal);
    const std::string dedicado = idioma.Texto("Menu", "Dedicado");
    const std::string linea = dedicado + " " + std::string(kDedicatoria);
    Escribe(g, 18 - static_cast<int>(dedicado.size()), kFilaDedicatoria, linea, 1, kFondoDirecto);
    Refrescar(m);
    m.bucle.AtenderPendientes();
    m.bucle.Esperar(kDedicatoriaMs);
    m.ventana.lienzo.Borrar();
    Refrescar(m);
    m.bucle.Esperar(kNegroMs);
}

void Fundido(Modulo& m, int desde, int hasta) {
    // Each frame is shown before its wait, not after it.
    Fundido(m.ventana.graficos, m.ventana.cuadrosFundido, desde, hasta, [&m](int ms) {
        m.bucle.PresentarSiToca();
        m.bucle.Esperar(ms);
    });
}

void PrepararImagenesDelDia(Modulo& m) {
    Graficos& g = m.ventana.graficos;
    Reloj reloj;
    // The indicator is a picture of its own on the old window, seen at once: here it is
    // shown as soon as it changes.
    const auto indicador = [&](int cual) {
        reloj.Mostrar(g, cual);
        Refrescar(m);
    };
    indicador(1);
    HacerTarde(g.superficies, m.ventana.coloreados, indicador);
    indicador(2);
    HacerNoche(g.superficies, m.ventana.coloreados, indicador);
    indicador(1);
    ConstruirFondo(g);
    indicador(2);
    m.bucle.Esperar(kRelojFinalMs);
    reloj.Quitar(g);
    Refrescar(m);
}

void ActivarVentana(Modulo& m) {
    // The backdrop `negro` is the black around the picture in the same window: there is no
    // second window to hide when the picture covers the screen.
    m.ventana.lienzo.Persistente(true);
    Dedicatoria(m);
    Fundido(m, 5, 0);
    m.ventana.modo = Modo::Pantalla;
    PrepararImagenesDelDia(m);
    Fundido(m, 0, 5);
}

Etapa PantallaDeEspera(Modulo& m) {
    Graficos& g = m.ventana.graficos;
    RestaurarPantalla(g);
    DibujaPuntos(g, 0, false);
    DibujaVidas(g, kVidasIniciales, false);
    Refrescar(m);
    m.entrada.Asignar(Modo::Pantalla, {.pulsar =
                                           [&m](const Evento& evento) {
                                               if (evento.tecla == vk::Escape) Terminar(m);
                                           },
                                       .soltar = {},
                                       .raton = {},
                                       .mando = {}});
    // Ends only through Terminar, which leaves by the end-of-run exception.
    for (;;) m.bucle.Esperar(BucleEventos::kEsperaLarga);
}

}  // namespace polvareda
