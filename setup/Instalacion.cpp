// The file work of an installation.
#include "Instalacion.h"

#include <QStandardPaths>
#include <QStringList>
#include <system_error>

#include "ArchivoAtomico.h"
#include "Numeros.h"
#include "Perfil.h"
#include "RutaTexto.h"

namespace polvareda::setup {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr const char* kSufijo = ".exe";
#else
constexpr const char* kSufijo = "";
#endif

constexpr const char* kGeneral = "General";
constexpr const char* kIdioma = "Idioma";
// How an installation marks its folder in "SetUp.INF", beside the language.
constexpr const char* kInstalado = "Instalado";

// A string value of a desktop entry: backslashes and control characters escaped, a leading
// blank kept.
std::string EscaparValor(const std::string& texto) {
    std::string escapado;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\\')
            escapado += "\\\\";
        else if (c == '\n')
            escapado += "\\n";
        else if (c == '\t')
            escapado += "\\t";
        else if (c == '\r')
            escapado += "\\r";
        else if (c == ' ' && i == 0)
            escapado += "\\s";
        else
            escapado += c;
    }
    return escapado;
}

// One argument of an Exec line: always in double quotes, with the four characters that stay
// special inside them escaped, and '%' doubled (a field code otherwise).
std::string CitarArgumento(const std::string& argumento) {
    std::string citado = "\"";
    for (char c : argumento) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') citado += '\\';
        if (c == '%') citado += '%';
        citado += c;
    }
    return citado + "\"";
}

bool CopiarArchivo(const fs::path& origen, const fs::path& destino) {
    std::error_code error;
    const fs::path temporal =
        destino.parent_path() / ("." + destino.filename().string() + ".instalando");
    fs::remove(temporal, error);
    if (!fs::copy_file(origen, temporal, fs::copy_options::overwrite_existing, error)) {
        fs::remove(temporal, error);
        return false;
    }
    fs::permissions(temporal, fs::status(origen, error).permissions(), error);
    if (!error) fs::rename(temporal, destino, error);
    if (!error) return true;
    fs::remove(temporal, error);
    return false;
}

void CopiarArchivosDe(const fs::path& origen, const fs::path& destino, const fs::path& raiz,
                      std::vector<fs::path>& fallos) {
    std::error_code error;
    for (fs::directory_iterator it(origen, error), fin; !error && it != fin; it.increment(error)) {
        std::error_code tipo;
        if (!it->is_regular_file(tipo)) continue;
        if (!CopiarArchivo(it->path(), destino / it->path().filename())) {
            fallos.push_back(it->path().lexically_relative(raiz));
        }
    }
    if (error) fallos.push_back(origen.lexically_relative(raiz));
}

}  // namespace

QString NombreJuego() {
    return QStringLiteral("Polvareda") + kSufijo;
}

QString NombreSetUp() {
    return QStringLiteral("SetUp") + kSufijo;
}

bool DentroDe(const fs::path& carpeta, const fs::path& origen) {
    std::error_code error;
    const fs::path a = fs::weakly_canonical(fs::absolute(carpeta), error);
    const fs::path b = fs::weakly_canonical(fs::absolute(origen), error);
    const fs::path relativo = a.lexically_relative(b);
    return !relativo.empty() && *relativo.begin() != "..";
}

std::vector<fs::path> CopiarJuego(const fs::path& origen, const fs::path& destino) {
    std::vector<fs::path> fallos;
    CopiarArchivosDe(origen, destino, origen, fallos);
    std::error_code error;
    for (fs::directory_iterator it(origen, error), fin; !error && it != fin; it.increment(error)) {
        std::error_code tipo;
        if (!it->is_directory(tipo) || it->is_symlink(tipo)) continue;
        const fs::path sub = destino / it->path().filename();
        fs::create_directory(sub, tipo);
        if (!fs::is_directory(sub, tipo)) {
            fallos.push_back(it->path().lexically_relative(origen));
            continue;
        }
        CopiarArchivosDe(it->path(), sub, origen, fallos);
    }
    return fallos;
}

std::string EntradaEscritorio(const QString& nombre, const fs::path& programa,
                              const QStringList& argumentos, const fs::path& icono) {
    std::string exec = CitarArgumento(programa.string());
    for (const QString& a : argumentos) exec += " " + CitarArgumento(a.toStdString());
    std::string texto = "[Desktop Entry]\n";
    texto += "Type=Application\n";
    texto += "Version=1.0\n";
    texto += "Name=" + EscaparValor(nombre.toStdString()) + "\n";
    texto += "Exec=" + EscaparValor(exec) + "\n";
    texto += "Path=" + EscaparValor(programa.parent_path().string()) + "\n";
    texto += "Icon=" + EscaparValor(icono.string()) + "\n";
    texto += "Terminal=false\n";
    texto += "Categories=Game;ArcadeGame;\n";
    return texto;
}

#ifndef _WIN32

fs::path CarpetaDeAccesos() {
    return RutaDeTexto(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
}

bool CrearAccesos(const fs::path& carpetaAccesos, const fs::path& carpetaJuego,
                  const QByteArray& icono) {
    std::error_code error;
    fs::create_directories(carpetaAccesos, error);
    if (!fs::is_directory(carpetaAccesos, error)) return false;
    const fs::path archivoIcono = carpetaJuego / kArchivoIcono;
    bool bien = ReemplazarArchivo(
        archivoIcono, std::string_view(icono.constData(), static_cast<std::size_t>(icono.size())));
    const auto permisos = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::others_read;
    bien =
        ReemplazarArchivo(carpetaAccesos / "Polvareda.desktop",
                          EntradaEscritorio("Polvareda", carpetaJuego / NombreJuego().toStdString(),
                                            {}, archivoIcono),
                          permisos) &&
        bien;
    bien = ReemplazarArchivo(
               carpetaAccesos / "Polvareda-SetUp.desktop",
               EntradaEscritorio("SetUp + Polvareda", carpetaJuego / NombreSetUp().toStdString(),
                                 {"/juego"}, archivoIcono),
               permisos) &&
           bien;
    return bien;
}

#endif

bool MarcarInstalado(const fs::path& carpetaJuego, int idioma) {
    const std::string valorIdioma = Str(idioma);
    const ValorPerfil valores[] = {{kGeneral, kIdioma, valorIdioma}, {kGeneral, kInstalado, "1"}};
    return EscribirPerfil(carpetaJuego / kArchivoSetUp, valores);
}

bool EstaInstalado(const fs::path& carpeta) {
    return Val(LeerPerfil(carpeta / kArchivoSetUp, kGeneral, kInstalado, "0")) != 0;
}

int IdiomaDeSetUp(const fs::path& carpeta) {
    return Val(LeerPerfil(carpeta / kArchivoSetUp, kGeneral, kIdioma, "0")) == 1 ? 1 : 0;
}

}  // namespace polvareda::setup
