// The data files' copies decoded at start, the list of what is missing, and the scores' write-back.
#include "ArchivosDatos.h"

#include <fstream>
#include <optional>
#include <span>
#include <system_error>

#include "ArchivoAcotado.h"
#include "ArchivoAtomico.h"
#include "Complemento.h"
#include "Idioma.h"
#include "Mejores.h"
#include "TextoRuta.h"

namespace polvareda {

namespace fs = std::filesystem;

namespace {

// Copies a stored file to its temporary name; fails for a missing, odd or oversized file.
bool Copiar(const fs::path& origen, const fs::path& destino) {
    std::error_code error;
    if (!fs::is_regular_file(origen, error)) return false;
    const auto tamano = fs::file_size(origen, error);
    if (error || tamano > kLimiteArchivoDatos) return false;
    if (!fs::copy_file(origen, destino, fs::copy_options::overwrite_existing, error) || error)
        return false;
    // The copy takes the stored file's permissions; a read-only game folder must still give
    // copies we can decode in place.
    fs::permissions(destino, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    error);
    return true;
}

// Copy, note in the register, decode: the handling every data file gets. The old platform
// also marked each copy "temporary", which only told its cache not to bother writing the file
// out; there is no such mark here.
bool Extraer1(const fs::path& origen, const fs::path& destino, RegistroTemporales& registro) {
    if (!Copiar(origen, destino)) return false;
    registro.Anotar(destino);
    return ComplementarArchivo(destino);
}

bool LegibleEntero(const fs::path& archivo) {
    return LeerArchivoAcotado(archivo, kLimiteArchivoDatos, Exceso::Rechazar).has_value();
}

}  // namespace

fs::path ArchivoIdioma(const fs::path& rutaJuego, int idioma) {
    return rutaJuego / "LNG" / ("Texto" + std::to_string(idioma) + ".LNG");
}

fs::path ArchivoEfecto(const fs::path& rutaJuego, int i) {
    return rutaJuego / "SND" / ("Efecto" + std::to_string(i) + ".SND");
}

fs::path ArchivoTema(const fs::path& rutaJuego, int i) {
    return rutaJuego / "MUS" / ("Tema" + std::to_string(i) + ".MUS");
}

fs::path ArchivoExtension(const fs::path& rutaJuego, std::string_view nombreXGA) {
    // The name comes from the configuration file: it names a file in XTRAS, never a path.
    if (nombreXGA.find_first_of(std::string_view("/\\:\0", 4)) != std::string_view::npos) return {};
    return rutaJuego / "XTRAS" / (std::string(nombreXGA) + ".XGA");
}

std::string NombreTemporalEfecto(int i) {
    return "snd" + std::to_string(i) + ".tmp";
}
std::string NombreTemporalTema(int i) {
    return "mus" + std::to_string(i) + ".tmp";
}

DatosExtraidos Extraer(const fs::path& rutaJuego, const fs::path& rutaTemporal, int idioma,
                       std::string_view nombreXGA, RegistroTemporales& registro,
                       const Aviso& avisar, const fs::path& rutaJugador) {
    DatosExtraidos datos;

    // The language. A missing file cannot be copied: every text then reads "0" and the
    // rest of the data is extracted all the same.
    const fs::path idiomaTmp = rutaTemporal / kArchivoIdiomaTemporal;
    if (Copiar(ArchivoIdioma(rutaJuego, idioma), idiomaTmp)) {
        registro.Anotar(idiomaTmp);
        datos.idioma = ComplementarArchivo(idiomaTmp);
        if (!datos.idioma && avisar) {
            const bool leido = LegibleEntero(idiomaTmp);
            avisar((leido ? "Error writing file " : "Error reading file ") + TextoRuta(idiomaTmp));
        }
    }

    // From here on a failing file is skipped without a word: the sounds, then the music.
    for (int i = 0; i < kEfectos; ++i)
        if (Extraer1(ArchivoEfecto(rutaJuego, i), rutaTemporal / NombreTemporalEfecto(i), registro))
            ++datos.efectos;
    for (int i = 1; i <= kTemas; ++i)
        if (Extraer1(ArchivoTema(rutaJuego, i), rutaTemporal / NombreTemporalTema(i), registro))
            ++datos.temas;

    // The high scores. Without a stored table the name is noted all the same: shutdown
    // creates the file.
    const fs::path mejoresTmp = rutaTemporal / kArchivoMejoresTemporal;
    const fs::path& mejores = rutaJugador.empty() ? rutaJuego : rutaJugador;
    if (Copiar(mejores / kArchivoMejores, mejoresTmp)) {
        registro.Anotar(mejoresTmp);
        datos.mejores = ComplementarArchivo(mejoresTmp);
    } else {
        registro.Anotar(mejoresTmp);
    }

    // The graphics extension; an empty or unknown name leaves the standard pictures.
    const fs::path extension = ArchivoExtension(rutaJuego, nombreXGA);
    if (!extension.empty())
        datos.extension = Extraer1(extension, rutaTemporal / kArchivoExtensionTemporal, registro);
    return datos;
}

std::vector<std::string> DatosQueFaltan(const fs::path& rutaJuego, int idioma,
                                        std::string_view nombreXGA) {
    std::vector<std::string> faltan;
    const auto falta = [](const fs::path& archivo) {
        std::error_code error;
        return !fs::is_regular_file(archivo, error);
    };
    const auto relativo = [&rutaJuego](const fs::path& archivo) {
        return archivo.lexically_relative(rutaJuego).generic_string();
    };
    // A folder of numbered files: the folder when it has none of them, else each one missing.
    const auto serie = [&](const char* carpeta, int desde, int hasta, auto archivo) {
        std::vector<std::string> estos;
        for (int i = desde; i <= hasta; ++i)
            if (falta(archivo(rutaJuego, i))) estos.push_back(relativo(archivo(rutaJuego, i)));
        if (static_cast<int>(estos.size()) == hasta - desde + 1)
            faltan.push_back(std::string(carpeta) + "/");
        else
            faltan.insert(faltan.end(), estos.begin(), estos.end());
    };
    if (falta(ArchivoIdioma(rutaJuego, idioma)))
        faltan.push_back(relativo(ArchivoIdioma(rutaJuego, idioma)));
    serie("SND", 0, kEfectos - 1, ArchivoEfecto);
    serie("MUS", 1, kTemas, ArchivoTema);
    const fs::path extension = ArchivoExtension(rutaJuego, nombreXGA);
    if (!nombreXGA.empty() && (extension.empty() || falta(extension)))
        faltan.push_back("XTRAS/" + std::string(nombreXGA) + ".XGA");
    return faltan;
}

std::optional<TablaMejores> LeerMejoresGuardados(const fs::path& polvaredaDat) {
    std::error_code error;
    if (!fs::is_regular_file(polvaredaDat, error)) return std::nullopt;
    const auto texto = LeerComplementado(polvaredaDat, kLimiteTexto, Exceso::Rechazar);
    if (!texto) return std::nullopt;
    return LeerMejores(*texto);
}

Devolucion DevolverMejores(const fs::path& mejoresTmp, const fs::path& polvaredaDat) {
    std::error_code error;
    const auto estado = fs::symlink_status(polvaredaDat, error);
    std::optional<fs::perms> permisos;
    if (fs::exists(estado)) {
        if (!fs::is_regular_file(estado)) return {};
        // The read-only mark is the player's choice and counts even for a user whom
        // permissions do not stop.
        if ((estado.permissions() & fs::perms::owner_write) == fs::perms::none)
            return {.protegida = true};
        // A rename would replace even a file we may not write (another owner's, one the
        // system holds open): ask first, without touching it. Such a file is not the
        // player's mark: the run's scores are lost, and he is told.
        std::ofstream prueba(polvaredaDat, std::ios::binary | std::ios::app);
        if (!prueba) return {};
        permisos = estado.permissions();
    }
    if (!fs::is_regular_file(mejoresTmp, error)) return {};
    const auto texto = LeerComplementado(mejoresTmp, kLimiteArchivoDatos, Exceso::Rechazar);
    if (!texto) return {};

    fs::path nuevo = polvaredaDat;
    nuevo += ".nuevo";
    // A sibling left by an interrupted run goes first: the new one is created exclusively, so
    // a link left in its place is never followed out of the game folder, and a read-only one
    // does not block every later write-back.
    fs::remove(nuevo, error);
    return {.hecha = ReemplazarArchivoPor(polvaredaDat, nuevo, *texto, permisos)};
}

}  // namespace polvareda
