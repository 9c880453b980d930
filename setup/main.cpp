// SetUp: the installer and configuration program of Polvareda Plus.
//   SetUp                  the window: installs from the distribution folder, or configures
//                          the game installed in its own folder
//   SetUp /juego           the same; after OK it starts the game
//   SetUp --predeterminada no window: marks its own folder as an installed game (SetUp.INF)
//                          and writes the default settings there when it has none
//                          (Polvareda.INI), as scripts/run needs for a fresh play folder;
//                          installed as a package, the player's folder
//   SetUp --help           the options
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "Carpetas.h"
#include "Configurar.h"
#include "Instalacion.h"
#include "Instalar.h"

namespace {

using namespace polvareda::setup;

// Without a window only our own message about the settings is said; Qt's remarks on the
// session (no runtime folder and the like) would only puzzle a script's reader.
void Callado(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg) qt_message_output(tipo, contexto, texto);
}

std::filesystem::path Ruta(const QString& texto) {
    return std::filesystem::path(texto.toStdString());
}

constexpr const char* kAyuda =
    "usage: SetUp [/juego | --predeterminada | --help]\n"
    "The configuration program of Polvareda Plus; started from a distribution folder, its\n"
    "installer.\n"
    "\n"
    "  /juego             after OK, start the game\n"
    "  --predeterminada   no window: write the default settings where the game reads\n"
    "                     them, when there are none\n"
    "  --help             print these options and end\n";

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
    if ((!hayConfiguracion && !EscribirConfiguracion(carpeta, ValoresPorDefecto(datos, idioma))) ||
        !MarcarInstalado(carpeta, idioma)) {
        std::cerr << "SetUp: cannot write the settings in " << carpeta.string() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    if (argumentos == QStringList{QStringLiteral("--help")}) {
        std::cout << kAyuda << std::flush;
        return std::cout ? 0 : 1;
    }
    const bool porDefecto = argumentos == QStringList{QStringLiteral("--predeterminada")};
    // Without a window nothing needs a display.
    if (porDefecto) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(Callado);
    }

    QApplication aplicacion(argc, argv);
    Entorno entorno;
    entorno.carpetaPrograma = Ruta(QCoreApplication::applicationDirPath());

    // Data and the player's files where the game looks for them (the same rule).
    entorno.carpetaDatos = polvareda::CarpetaDeDatos(entorno.carpetaPrograma);
    entorno.carpetaJugador = polvareda::CarpetaDelJugador(
        entorno.carpetaDatos, [](const char* v) { return std::getenv(v); });
    if (porDefecto) return PrepararPorDefecto(entorno.CarpetaSetUp(), entorno.Datos());
    entorno.carpetaPersonal = Ruta(QDir::homePath());
    entorno.carpetaAplicaciones =
        Ruta(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
    entorno.juego = argumentos.join(' ').trimmed() == QStringLiteral("/juego");

    ServiciosEscritorio servicios;
    Instalar ventana(entorno, servicios);
    ventana.show();
    return aplicacion.exec();
}
