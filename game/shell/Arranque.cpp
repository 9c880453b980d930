// Start-up: the splash, the configuration and the devices, the data, the window; and Main.
#include "Arranque.h"

#include <exception>
#include <iostream>
#include <system_error>

#include "ArchivoAcotado.h"
#include "ArchivosDatos.h"
#include "Despacho.h"
#include "Dispositivos.h"
#include "Estado.h"
#include "IdiomaInicial.h"
#include "Modulo.h"
#include "Recursos.h"
#include "Salida.h"
#include "Sistema.h"
#include "TextoRuta.h"

namespace polvareda {

namespace fs = std::filesystem;

namespace {

// The toggle keys switched off for the game: Caps Lock, Num Lock, Scroll Lock, Print Screen
// and the space bar, in this order.
constexpr int kTeclasApagadas[] = {20, 144, 145, 44, 32};

Imagen ImagenPresentacion() {
    if (auto imagen = DecodificarImagen(Recurso("splash"))) return *imagen;
    return Imagen(320, 96, Rgb(0xC0, 0xC0, 0xC0));
}

void Hito(const OpcionesArranque& opciones, std::string_view hito) {
    if (opciones.alHito) opciones.alHito(hito);
}

// The missing-configuration path: the setup program is started to make one, and the game
// ends. Whatever start-up has changed so far is put back first.
int ArrancarSetUp(Modulo& m) {
    Plataforma& p = m.plataforma;
    const fs::path setup = m.rutaProgramas / ("SetUp" + std::string(SufijoEjecutable()));
    std::error_code error;
    const bool arrancado =
        fs::is_regular_file(setup, error) && p.EjecutarPrograma(setup, {"/juego"});
    if (!arrancado) {
        // Ending silently would leave the player with nothing at all: say what is missing.
        p.Mensaje(std::string(kTitulo),
                  "The configuration file Polvareda.INI is missing and the setup program "
                  "could not be started to create it:\n" +
                      TextoRuta(setup));
    }
    p.EscribirEstadoTeclas(m.estadoTeclado);
    m.registro.Cerrar();
    m.carpetaTemporal.Eliminar();
    p.PunteroOcupado(false);
    p.QuitarPresentacion();
    return arrancado ? 0 : 1;
}

int ErrorDeArranque(Plataforma& p, const std::string& texto) {
    p.PunteroOcupado(false);
    p.QuitarPresentacion();
    p.Mensaje(std::string(kTitulo), texto);
    return 1;
}

int Arrancar(Modulo& m, const OpcionesArranque& opciones) {
    Plataforma& p = m.plataforma;
    m.alHito = opciones.alHito;
    m.escritorio.capturas = opciones.capturas;

    // The splash window with the busy pointer.
    p.MostrarPresentacion(ImagenPresentacion());
    p.PunteroOcupado(true);
    Hito(opciones, "presentacion");

    // The game folder and a private temporary folder. Until the keyboard is saved, a failure
    // ends the program with a message.
    m.rutaJuego = opciones.carpeta;
    m.rutaJugador = opciones.carpetaJugador.empty() ? opciones.carpeta : opciones.carpetaJugador;
    m.rutaProgramas =
        opciones.carpetaProgramas.empty() ? opciones.carpeta : opciones.carpetaProgramas;
    std::error_code error;
    const fs::path sistema = fs::temp_directory_path(error);
    if (error || !m.carpetaTemporal.Crear(sistema))
        return ErrorDeArranque(p, "Cannot create a temporary folder in " + TextoRuta(sistema));
    m.rutaTemporal = m.carpetaTemporal.Ruta();

    // The temporary-file register, named by eight letters a to y drawn right after seeding the
    // generator from the clock.
    m.azar.Sembrar(p.HoraDelDiaMs());
    std::string letras;
    for (int i = 0; i < 8; ++i) letras += static_cast<char>('a' + m.azar.Entero(25));
    m.listaTemporales = m.rutaTemporal / (letras + ".tmp");
    if (!m.registro.Abrir(m.listaTemporales))
        return ErrorDeArranque(p, "Cannot create " + TextoRuta(m.listaTemporales));

    // The keyboard as it was, then the toggle keys switched off for the game.
    p.LeerEstadoTeclas(m.estadoTeclado);
    m.tecladoGuardado = true;
    for (int vk : kTeclasApagadas) DesactivarTecla(p, vk);

    // From here on a failing step is skipped. Without a configuration, SetUp is started to
    // make one and the game ends.
    const fs::path ini = m.rutaJugador / kArchivoConfiguracion;
    if (!fs::exists(ini, error) && !error) return ArrancarSetUp(m);

    // The configuration is read once, here; only the device set-up reads DDraw later.
    m.textoConfiguracion = LeerArchivoAcotado(ini).value_or("");
    LeerConfiguracion(m.textoConfiguracion, m.configuracion);
    if (SinIdioma(m.textoConfiguracion)) {
        m.configuracion.idioma = static_cast<std::int16_t>(IdiomaDelEscritorio(0));
    }
    m.entrada.ColocarBotones(m.configuracion.botonesMando);

    // The game window is loaded: data files, pictures, texts, scores.
    m.ventana.graficos.vista.factorXGA = 1;
    CargarVentana(m);

    // The splash goes and the cursor hides. The backdrop is the black around the picture in
    // the game window itself.
    p.QuitarPresentacion();
    OcultarCursor(p);
    p.PunteroOcupado(false);

    // Display and sound devices, then the game window is shown: the presentation and the game.
    m.bucle.AlEvento([&m](const Evento& evento) { AtenderEvento(m, evento); });
    m.bucle.AntesDeAtender([&m] { m.traza.TrazarCausa(); });
    PrepararDispositivos(m);
    Hito(opciones, "ventana");
    ActivarVentana(m);
    BuclePrincipal(m, opciones.primeraEtapa);

    // The cursor kept to the game's picture; reached only if the game's top level ever returns.
    if (m.ventana.abierta) p.ConfinarCursor(RectanguloVentana(m));
    Salir(m);
    return 0;
}

}  // namespace

std::string_view SufijoEjecutable() {
#ifdef _WIN32
    return ".exe";
#else
    return "";
#endif
}

void CargarVentana(Modulo& m) {
    const Configuracion& c = m.configuracion;
    // The game plays on without what is missing, as it always has, but says once what it
    // could not find and where it looked, so a half-copied folder does not pass in silence.
    if (const auto faltan = DatosQueFaltan(m.rutaJuego, c.idioma, c.nombreXGA); !faltan.empty()) {
        std::string lista;
        for (const auto& f : faltan) lista += (lista.empty() ? "" : ", ") + f;
        std::cerr << "Polvareda: missing from the game's data folder " << TextoRuta(m.rutaJuego)
                  << ": " << lista << " (playing without them)\n";
    }
    const auto datos = Extraer(
        m.rutaJuego, m.rutaTemporal, c.idioma, c.nombreXGA, m.registro,
        [&m](const std::string& texto) { m.plataforma.Mensaje(std::string(kTitulo), texto); },
        m.rutaJugador);
    CargarImagenes(m);
    if (datos.extension) CargarExtension(m);
    ConstruirDerivadas(m);
    PrepararFundido(m);
    m.textos = LeerTextosJuego(Idioma::Cargar(m.rutaTemporal / kArchivoIdiomaTemporal));
    // A stored table that could not be copied or decoded is neither read (its bytes would be
    // taken for names) nor, at shutdown, replaced by this run's table.
    std::error_code error;
    if (!datos.mejores && fs::exists(m.rutaJugador / kArchivoMejores, error)) {
        m.mejoresDevolvibles = false;
        m.mejores = MejoresPorDefecto();
    } else {
        m.mejores = CargarMejores(m.rutaTemporal / kArchivoMejoresTemporal);
    }
}

int Main(Plataforma& plataforma, const OpcionesArranque& opciones) {
    Azar azar;
    Modulo m(plataforma, azar);
    m.inicioMs = plataforma.AhoraMs();
    if (!opciones.traza.empty()) {
        if (!m.traza.Abrir(opciones.traza)) {
            plataforma.Mensaje(std::string(kTitulo),
                               "Cannot write the play trace to " + TextoRuta(opciones.traza));
            return 2;
        }
    }
    int codigo = 0;
    try {
        codigo = Arrancar(m, opciones);
    } catch (const FinDelPrograma& fin) {
        codigo = fin.codigo;
    } catch (const std::exception& e) {
        // Something unforeseen: the machine is put back and nothing is left behind, as when
        // the window is closed.
        CierreDeVentana(m);
        plataforma.Mensaje(std::string(kTitulo), std::string("Unexpected error: ") + e.what());
        return 3;
    }
    if (!m.traza.Cerrar()) {
        std::cerr << "Polvareda: the play trace could not be written whole to "
                  << TextoRuta(opciones.traza) << "\n";
        m.datosPerdidos = true;
    }
    // A run that lost what it was asked to keep does not end as a success.
    return codigo == 0 && m.datosPerdidos ? 4 : codigo;
}

}  // namespace polvareda
