// The game's data files beside the program, stored with every byte complemented: their
// decoding into temporary copies at start (Extraer) and the write-back of the high scores.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Mejores.h"
#include "RegistroTemporales.h"

namespace polvareda {

constexpr int kEfectos = 24;  // SND/Efecto0.SND to Efecto23.SND
constexpr int kTemas = 3;     // MUS/Tema1.MUS to Tema3.MUS
constexpr std::string_view kArchivoMejores = "Polvareda.DAT";
constexpr std::string_view kArchivoExtensionTemporal = "xga.tmp";

// A data file larger than this is not copied at all: no file we ship comes near it, and
// decoding reads the whole file into memory.
constexpr std::uintmax_t kLimiteArchivoDatos = 64ull * 1024 * 1024;

std::filesystem::path ArchivoIdioma(const std::filesystem::path& rutaJuego, int idioma);
std::filesystem::path ArchivoEfecto(const std::filesystem::path& rutaJuego, int i);
std::filesystem::path ArchivoTema(const std::filesystem::path& rutaJuego, int i);
// Empty when the name could lead out of the XTRAS folder.
std::filesystem::path ArchivoExtension(const std::filesystem::path& rutaJuego,
                                       std::string_view nombreXGA);
std::string NombreTemporalEfecto(int i);  // "snd3.tmp"
std::string NombreTemporalTema(int i);    // "mus1.tmp"

struct DatosExtraidos {
    bool idioma = false;     // idioma.tmp decoded
    int efectos = 0;         // sound copies made
    int temas = 0;           // music copies made
    bool mejores = false;    // mejores.tmp decoded from Polvareda.DAT
    bool extension = false;  // xga.tmp decoded, ready to be unpacked
};

using Aviso = std::function<void(const std::string&)>;

// Copies every data file into `rutaTemporal`, notes each copy in the register as it is made,
// and decodes it in place: the language, sounds 0-23, music 1-3, the high scores and the
// graphics extension, in this order. A missing file is skipped; only the language file's
// short reads or writes are reported, through `avisar`. The high scores come from
// `rutaJugador` when given (the player's own folder), else from `rutaJuego`.
DatosExtraidos Extraer(const std::filesystem::path& rutaJuego,
                       const std::filesystem::path& rutaTemporal, int idioma,
                       std::string_view nombreXGA, RegistroTemporales& registro,
                       const Aviso& avisar, const std::filesystem::path& rutaJugador = {});

// What the game folder lacks of its shipped data, as names relative to it ("LNG/Texto0.LNG",
// "SND/", "MUS/Tema2.MUS", "XTRAS/Nitido2x.XGA"): a whole folder when none of its files is
// there, else each missing file. Empty when everything is in place.
std::vector<std::string> DatosQueFaltan(const std::filesystem::path& rutaJuego, int idioma,
                                        std::string_view nombreXGA);

// The table stored in `polvaredaDat` as it is now; nothing when there is none or it cannot
// be read whole.
std::optional<TablaMejores> LeerMejoresGuardados(const std::filesystem::path& polvaredaDat);

// How a write-back of the high scores went. `hecha` when the stored file was replaced;
// otherwise `protegida` tells the stored file the player marked read-only (left alone on
// purpose) from a write that failed for any other reason (the run's scores are lost).
struct Devolucion {
    bool hecha = false;
    bool protegida = false;
    explicit operator bool() const { return hecha; }
};

// Encodes the decoded table `mejoresTmp` into `polvaredaDat`: written beside it under another
// name, flushed to the disk, then renamed over it, so the stored file is never half-written
// nor left decoded. A stored file we may not write to stays exactly as it is.
Devolucion DevolverMejores(const std::filesystem::path& mejoresTmp,
                           const std::filesystem::path& polvaredaDat);

}  // namespace polvareda
