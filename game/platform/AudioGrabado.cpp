// Recorded calls: "muestra" "<n> <file>" (n -1 when unreadable), "tocar" "<channel> <sample>
// <loop 0/1>", "parar" "<channel>", "volumen" "<channel> <v>", "panoramica" "<channel> <p>",
// "tema" "<n> <file>", "tocar_tema" "<n> <repeats>", "parar_tema" "", "muestra" "<n> memoria"
// (a sample from bytes), "volumen_general" "<effects> <music>" (gains in hundredths).
#include "AudioGrabado.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace polvareda {
namespace {

constexpr std::int64_t kSiempre = std::numeric_limits<std::int64_t>::max();
constexpr std::uintmax_t kMayorWav = 256u << 20;

std::uint32_t Leer32(std::span<const std::uint8_t> b, std::size_t i) {
    return static_cast<std::uint32_t>(b[i]) | static_cast<std::uint32_t>(b[i + 1]) << 8 |
           static_cast<std::uint32_t>(b[i + 2]) << 16 | static_cast<std::uint32_t>(b[i + 3]) << 24;
}

bool Etiqueta(std::span<const std::uint8_t> b, std::size_t i, const char* t) {
    return b[i] == t[0] && b[i + 1] == t[1] && b[i + 2] == t[2] && b[i + 3] == t[3];
}

bool CanalValido(int canal) {
    return canal >= 0 && canal < Audio::kCanales;
}

}  // namespace

std::optional<std::int64_t> DuracionWavMs(std::span<const std::uint8_t> b) {
    if (b.size() < 12 || !Etiqueta(b, 0, "RIFF") || !Etiqueta(b, 8, "WAVE")) return std::nullopt;
    std::uint32_t bytesPorSegundo = 0;
    std::size_t i = 12;
    while (i + 8 <= b.size()) {
        const std::uint32_t largo = Leer32(b, i + 4);
        if (Etiqueta(b, i, "fmt ") && largo >= 16 && i + 24 <= b.size()) {
            bytesPorSegundo = Leer32(b, i + 8 + 8);
        } else if (Etiqueta(b, i, "data")) {
            if (bytesPorSegundo == 0) return std::nullopt;
            // A data chunk longer than the file (a cut recording) counts what is there.
            const std::uint64_t datos = std::min<std::uint64_t>(largo, b.size() - (i + 8));
            return static_cast<std::int64_t>(datos * 1000 / bytesPorSegundo);
        }
        i += 8 + static_cast<std::size_t>(largo) + (largo & 1);
    }
    return std::nullopt;
}

AudioGrabado::AudioGrabado(std::shared_ptr<PlataformaSinPantalla::Registro> registro)
    : registro_(std::move(registro)) {
    finCanal_.fill(0);
}

void AudioGrabado::Anotar(std::string que, std::string detalle) {
    registro_->Anotar(std::move(que), std::move(detalle));
}

int AudioGrabado::CargarMuestra(const std::filesystem::path& wav) {
    std::optional<std::int64_t> duracion;
    std::error_code error;
    const auto tamano = std::filesystem::file_size(wav, error);
    if (!error && tamano <= kMayorWav) {
        std::ifstream archivo(wav, std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(archivo)),
                                        std::istreambuf_iterator<char>());
        duracion = DuracionWavMs(bytes);
    }
    const int numero = Apuntar(duracion);
    Anotar("muestra", std::to_string(numero) + " " + wav.generic_string());
    return numero;
}

int AudioGrabado::CargarMuestra(std::span<const std::uint8_t> wav) {
    const int numero = Apuntar(DuracionWavMs(wav));
    Anotar("muestra", std::to_string(numero) + " memoria");
    return numero;
}

int AudioGrabado::Apuntar(std::optional<std::int64_t> duracion) {
    if (!duracion) return -1;
    duraciones_.push_back(*duracion);
    return static_cast<int>(duraciones_.size()) - 1;
}

void AudioGrabado::VolumenGeneral(double efectos, double musica) {
    const auto centesimas = [](double g) { return std::to_string(std::lround(g * 100)); };
    Anotar("volumen_general", centesimas(efectos) + " " + centesimas(musica));
}

void AudioGrabado::Tocar(int canal, int muestra, bool enBucle) {
    Anotar("tocar",
           std::to_string(canal) + " " + std::to_string(muestra) + " " + (enBucle ? "1" : "0"));
    if (!CanalValido(canal) || muestra < 0 || muestra >= static_cast<int>(duraciones_.size())) {
        return;
    }
    finCanal_[canal] = enBucle ? kSiempre : registro_->ahora + duraciones_[muestra];
}

void AudioGrabado::Parar(int canal) {
    Anotar("parar", std::to_string(canal));
    if (CanalValido(canal)) finCanal_[canal] = 0;
}

bool AudioGrabado::Sonando(int canal) {
    return CanalValido(canal) && registro_->ahora < finCanal_[canal];
}

void AudioGrabado::Volumen(int canal, int centesimasDb) {
    Anotar("volumen", std::to_string(canal) + " " + std::to_string(centesimasDb));
}

void AudioGrabado::Panoramica(int canal, int pan) {
    Anotar("panoramica", std::to_string(canal) + " " + std::to_string(pan));
}

bool AudioGrabado::CargarTema(int numero, const std::filesystem::path& midi) {
    Anotar("tema", std::to_string(numero) + " " + midi.generic_string());
    std::error_code error;
    return std::filesystem::is_regular_file(midi, error);
}

void AudioGrabado::TocarTema(int numero, int repeticiones) {
    Anotar("tocar_tema", std::to_string(numero) + " " + std::to_string(repeticiones));
}

void AudioGrabado::PararTema() {
    Anotar("parar_tema", "");
}

}  // namespace polvareda
