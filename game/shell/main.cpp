// The game program: picks the real or the headless platform and runs the game on it.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "ArchivoAcotado.h"
#include "Arranque.h"
#include "Carpetas.h"
#include "Configuracion.h"
#include "Consola.h"
#include "EtapasFrente.h"
#include "Grabadora.h"
#include "Guion.h"
#include "LineaOrdenes.h"
#include "PlataformaSinPantalla.h"
#include "ProgramaPropio.h"
#include "TextoRuta.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace fs = std::filesystem;
using namespace polvareda;

namespace {

constexpr std::size_t kLimiteGuion = 16 * 1024 * 1024;

// With POLVAREDA_TIEMPOS set, the moments of start-up go to stderr in milliseconds of the
// wall clock, for the start-up benchmark.
void AnunciarHito(std::string_view hito) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    std::cerr << "Polvareda: " << hito << " " << ms << std::endl;
}

// The text of the Polvareda.INI the run will read; empty when there is none.
std::string TextoIni(const OpcionesArranque& opciones) {
    const fs::path& carpeta =
        opciones.carpetaJugador.empty() ? opciones.carpeta : opciones.carpetaJugador;
    return LeerArchivoAcotado(carpeta / kArchivoConfiguracion).value_or("");
}

int SinPantalla(const LineaOrdenes& linea, OpcionesArranque& opciones) {
    const auto texto = LeerArchivoAcotado(linea.guion, kLimiteGuion);
    if (!texto) {
        std::cerr << "Polvareda: cannot read the script " << TextoRuta(linea.guion) << "\n";
        return 2;
    }
    const auto leido = LeerGuion(*texto);
    if (const auto* error = std::get_if<ErrorGuion>(&leido)) {
        std::cerr << "Polvareda: " << TextoRuta(linea.guion) << " line " << error->linea << ": "
                  << error->mensaje << "\n";
        return 2;
    }
    const Guion& guion = std::get<Guion>(leido);
    // A recording replays the same game only with the settings it was made with.
    const auto distintos = AjustesDistintos(*texto, TextoIni(opciones));
    if (!distintos.empty()) {
        std::string lista;
        for (const auto& d : distintos) lista += (lista.empty() ? "" : "; ") + d;
        std::cerr << "Polvareda: " << TextoRuta(linea.guion)
                  << " was recorded with other settings (" << lista
                  << "); the replay may play another game\n";
    }
    // The script's own png command takes pictures; the screenshot key writes nothing outside
    // the folders the run was given.
    opciones.capturas = false;
    PlataformaSinPantalla plataforma(linea.hora);
    // Only the tests read the record of calls; a run of hours would keep every one of them.
    plataforma.GuardarLlamadas(false);
    for (const auto& paso : guion.pasos) plataforma.Encolar(paso.enMs, paso.evento);
    // The end of the script is an event of its own, at the time its last line reached.
    Evento fin;
    fin.tipo = TipoEvento::FinDelGuion;
    plataforma.Encolar(guion.finMs, fin);
    return Main(plataforma, opciones);
}

int Ejecutar(int argc, char** argv) {
    UnirseALaConsola();
    const std::vector<std::string> argumentos = ArgumentosDelPrograma(argc, argv);
    const auto leida = LeerLineaOrdenes(argumentos);
    if (const auto* error = std::get_if<std::string>(&leida)) {
        std::cerr << "Polvareda: " << *error << " (Polvareda --help lists the options)\n";
        return 2;
    }
    const LineaOrdenes& linea = std::get<LineaOrdenes>(leida);
    if (linea.peticion != Peticion::Jugar) {
        std::cout << (linea.peticion == Peticion::Ayuda ? TextoAyuda() : TextoVersion());
        std::cout.flush();
        return std::cout ? 0 : 1;
    }

    OpcionesArranque opciones;
    std::error_code errorCarpeta;
    if (linea.carpeta) {
        // A folder given by hand holds everything, the player's files included.
        opciones.carpeta = fs::absolute(*linea.carpeta, errorCarpeta);
    } else {
        // Beside the program, or installed in the standard places.
        opciones.carpetaProgramas = CarpetaDelPrograma(argv[0]);
        opciones.carpeta = CarpetaDeDatos(opciones.carpetaProgramas);
        opciones.carpetaJugador = CarpetaDelJugador(opciones.carpeta, VariableDeEntorno);
        TomarArchivosIniciales(opciones.carpeta, opciones.carpetaJugador);
    }
    if (errorCarpeta) {
        std::cerr << "Polvareda: cannot use the folder " << TextoRuta(*linea.carpeta) << "\n";
        return 2;
    }
    if (VariableDeEntorno("POLVAREDA_TIEMPOS")) opciones.alHito = AnunciarHito;
    opciones.traza = linea.traza;
    opciones.primeraEtapa = Etapa{MenuPrincipal};

    try {
        if (linea.sinPantalla) return SinPantalla(linea, opciones);
        std::string error;
        auto plataforma = CrearPlataformaSDL(error);
        if (!plataforma) {
            std::cerr << "Polvareda: "
                      << (error.empty() ? "no display available (set DISPLAY or use --headless)."
                                        : error)
                      << "\n";
            return 1;
        }
        if (!linea.grabar.empty()) {
            PlataformaGrabadora grabadora(*plataforma, linea.grabar, TextoIni(opciones));
            if (!grabadora.Abierta()) {
                std::cerr << "Polvareda: cannot write the recording " << TextoRuta(linea.grabar)
                          << "\n";
                return 2;
            }
            int codigo = Main(grabadora, opciones);
            if (!grabadora.Cerrar()) {
                std::cerr << "Polvareda: the recording " << TextoRuta(linea.grabar)
                          << " could not be written whole\n";
                if (codigo == 0) codigo = 4;
            }
            return codigo;
        }
        return Main(*plataforma, opciones);
    } catch (const std::exception& e) {
        std::cerr << "Polvareda: " << e.what() << "\n";
        return 3;
    }
}

}  // namespace

#ifdef __EMSCRIPTEN__
// In a page, a game that waited for the browser ends long after main's caller has gone on, and
// nobody ends the program for it: it is ended from the browser's next turn, where the page
// hears of it (its end and its code) and nothing is left to unwind.
EM_JS(void, TerminarEnLaPagina, (int codigo), {
    setTimeout(
        function() {
            if (runtimeExited || ABORT) return;
            noExitRuntime = false;
            runtimeKeepaliveCounter = 0;
            try {
                exit(codigo);
            } catch (e) {
                if (!(e instanceof ExitStatus)) throw e;
            }
        },
        0);
});
#endif

int main(int argc, char** argv) {
    const int codigo = Ejecutar(argc, argv);
#ifdef __EMSCRIPTEN__
    TerminarEnLaPagina(codigo);
#endif
    return codigo;
}
