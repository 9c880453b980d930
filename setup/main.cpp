// SetUp: the installer and configuration program of Polvareda Plus.
#include <QApplication>
#include <QDir>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

#include "Carpetas.h"
#include "Configurar.h"
#include "Consola.h"
#include "Instalacion.h"
#include "Instalar.h"
#include "RutaTexto.h"

namespace {

using namespace polvareda::setup;

constexpr const char* kAyuda =
    "Usage: SetUp [/juego | --predeterminada | --instalar FOLDER [--accesos SHORTCUTS] | --help]\n"
    "  (nothing)               the window: installs the game from the folder SetUp lies in, or\n"
    "                          configures the game installed there\n"
    "  /juego                  the same; after OK it starts the game\n"
    "  --predeterminada        no window: marks its own folder as an installed game (SetUp.INF)\n"
    "                          and writes the default settings there when it has none\n"
    "                          (Polvareda.INI); installed as a package, the player's folder\n"
    "  --instalar FOLDER       no window: installs the game into FOLDER (made when missing), as\n"
    "                          the Install button does, without opening the read-me and without\n"
    "                          starting anything afterwards; exit status 0 when all went well\n"
    "  --accesos SHORTCUTS     with --instalar: also the two shortcuts, in SHORTCUTS (relative\n"
    "                          to the Start-menu Programs folder on Windows, to the desktop's\n"
    "                          applications folder on Linux; an absolute folder as it is)\n"
    "  --help                  this text\n";

// Without a window only our own messages are said; Qt's remarks on the session (no runtime
// folder and the like) would only puzzle a script's reader.
void Callado(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg) qt_message_output(tipo, contexto, texto);
}

// The settings' folder and the folder whose languages and extensions they may name.
int PrepararPorDefecto(const std::filesystem::path& carpeta, const std::filesystem::path& datos) {
    const int idioma = IdiomaDeSetUp(carpeta);
    // With POLVAREDA_TIEMPOS set, the moment the writes begin, for the crash-safety check.
    if (std::getenv("POLVAREDA_TIEMPOS")) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
        std::cerr << "Polvareda: escritura " << ms << std::endl;
    }
    std::error_code error;
    const bool hayConfiguracion =
        std::filesystem::exists(carpeta / polvareda::kArchivoConfiguracion, error);
    if ((!hayConfiguracion &&
         !polvareda::EscribirConfiguracion(carpeta / polvareda::kArchivoConfiguracion,
                                           ValoresPorDefecto(datos, idioma))) ||
        !MarcarInstalado(carpeta, idioma)) {
        std::cerr << "SetUp: cannot write the settings in " << TextoDeRuta(carpeta).toStdString()
                  << "\n";
        return 1;
    }
    return 0;
}

// An environment variable as UTF-8, kept for the whole run. On Windows through Qt, which reads
// the wide environment: the narrow one cannot hold a user name outside the ANSI code page.
const char* Variable(const char* nombre) {
#ifdef _WIN32
    static std::map<std::string, std::string> leidas;
    if (!qEnvironmentVariableIsSet(nombre)) return nullptr;
    return (leidas[nombre] = qEnvironmentVariable(nombre).toStdString()).c_str();
#else
    return std::getenv(nombre);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    polvareda::UnirseALaConsola();
    // The options are ASCII: the narrow arguments tell them apart before Qt starts. Their
    // values are read from Qt's arguments, which on Windows come from the wide command line.
    const char* primero = argc > 1 ? argv[1] : "";
    if (std::strcmp(primero, "--help") == 0) {
        std::cout << kAyuda;
        return 0;
    }
    const bool porDefecto = std::strcmp(primero, "--predeterminada") == 0;
    const bool instalar = std::strcmp(primero, "--instalar") == 0;
    // Without a window nothing needs a display: the offscreen platform, or the minimal one
    // where there is no other (Windows).
    if (porDefecto || instalar) {
        qputenv("QT_QPA_PLATFORM", "offscreen;minimal");
        qInstallMessageHandler(Callado);
    }

    QApplication aplicacion(argc, argv);
    QStringList argumentos = QCoreApplication::arguments();
    argumentos.removeFirst();
    Entorno entorno;
    entorno.carpetaPrograma = RutaDeTexto(QCoreApplication::applicationDirPath());
    if (porDefecto && argumentos.size() != 1) {
        std::cerr << kAyuda;
        return 2;
    }

    // Data and the player's files where the game looks for them (the same rule); a player's
    // folder of its own starts with the game folder's settings and scores.
    entorno.carpetaDatos = polvareda::CarpetaDeDatos(entorno.carpetaPrograma);
    entorno.carpetaJugador = polvareda::CarpetaDelJugador(entorno.carpetaDatos, Variable);
    polvareda::TomarArchivosIniciales(entorno.carpetaDatos, entorno.carpetaJugador);
    if (porDefecto) return PrepararPorDefecto(entorno.CarpetaSetUp(), entorno.Datos());
    entorno.carpetaPersonal = RutaDeTexto(QDir::homePath());
    entorno.carpetaAplicaciones = CarpetaDeAccesos();

    if (instalar) {
        const bool conAccesos = argumentos.size() == 4 && argumentos[2] == "--accesos";
        if (argumentos.size() != 2 && !conAccesos) {
            std::cerr << kAyuda;
            return 2;
        }
        ServiciosSinVentana servicios;
        Instalar ventana(entorno, servicios);
        if (!ventana.InstalarEn(argumentos[1], conAccesos ? argumentos[3] : QString())) {
            std::cerr << "SetUp: " << TextoDeRuta(entorno.carpetaPrograma).toStdString()
                      << " holds an installed game; install from the distribution folder\n";
            return 2;
        }
        return servicios.Logrado() ? 0 : 1;
    }

    entorno.juego = argumentos.join(' ').trimmed() == QStringLiteral("/juego");
    ServiciosEscritorio servicios;
    Instalar ventana(entorno, servicios);
    ventana.show();
    return aplicacion.exec();
}
