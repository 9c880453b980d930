// grabarmusica: renders a music piece ahead into Ogg Vorbis, frame for frame as the Linux game's
// synthesiser plays it at full music volume with the given SoundFont, for the builds that have
// no synthesiser and play such renderings instead.
//
// A piece played once is the synthesiser's whole play: the piece and the fading of its last
// notes. A piece the game repeats (--bucle) repeats in time: each repeat begins where the
// piece's last event is, with the previous play's last notes still fading over its start, as
// they do on a synthesiser that plays the piece again. The file holds the first play and the
// start of the second with that fade in it; its tags LOOPSTART and LOOPLENGTH mark one whole
// play after the fade's end, which the mixer repeats for as long as the piece plays.
//
//   grabarmusica SOUNDFONT PIECE.mid OUT.ogg [--bucle]
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "ArchivoAcotado.h"
#include "GananciaMusica.h"
#include "Sintetizador.h"

namespace {

namespace fs = std::filesystem;
using polvareda::Sintetizador;

constexpr int kFrecuencia = 44100;  // the game's sound device
// Vorbis's quality scale: about 100 kbit/s, the three pieces in some 1.2 MB, with the
// instruments' sound intact up to 16 kHz.
constexpr float kCalidad = 0.3f;
// The pieces are a few kilobytes, and none plays for minutes.
constexpr std::size_t kLimitePieza = 4 * 1024 * 1024;
constexpr std::size_t kMarcosMaximos = 10 * 60 * kFrecuencia;

struct Play {
    std::vector<std::int16_t> estereo;  // interleaved 16-bit stereo
    std::size_t marcosPieza = 0;        // up to the piece's last event
};

// One whole play of the piece; nothing when it cannot be played.
std::optional<Play> Sintetizar(const fs::path& soundFont, const std::string& pieza) {
    auto sinte = Sintetizador::Crear(soundFont, kFrecuencia, polvareda::kGananciaGrabada);
    if (!sinte) {
        std::fprintf(stderr, "grabarmusica: the SoundFont %s does not load\n",
                     soundFont.string().c_str());
        return std::nullopt;
    }
    if (!sinte->Cargar(pieza)) return std::nullopt;
    sinte->Empezar();
    Play play;
    std::vector<std::int16_t> tramo(2 * 4096);
    for (;;) {
        const std::size_t n = sinte->Sintetizar(tramo);
        play.estereo.insert(play.estereo.end(), tramo.begin(),
                            tramo.begin() + static_cast<std::ptrdiff_t>(2 * n));
        if (n < tramo.size() / 2) break;
        if (play.estereo.size() / 2 > kMarcosMaximos) {
            std::fputs("grabarmusica: the piece plays for more than ten minutes\n", stderr);
            return std::nullopt;
        }
    }
    play.marcosPieza = sinte->MarcosPieza();
    if (play.estereo.empty() || play.marcosPieza == 0) {
        std::fputs("grabarmusica: the piece is no standard MIDI file that plays\n", stderr);
        return std::nullopt;
    }
    return play;
}

// What the mixer repeats: where the loop starts and how long it lasts, in frames.
struct Bucle {
    std::size_t inicio = 0;
    std::size_t largo = 0;
};

// The first play, then the start of the second with the first one's last notes fading over it,
// as long as they sound (what is left is under the synthesiser's dither, which never ends).
// The loop is one whole play from the end of that fade: every repeat then sounds as the second.
std::vector<std::int16_t> EnBucle(const Play& play, Bucle& bucle) {
    constexpr int kUmbral = 4;  // some -78 dB below full scale
    const std::size_t pieza = play.marcosPieza;
    const std::vector<std::int16_t>& todo = play.estereo;
    std::size_t sonando = 2 * pieza;
    for (std::size_t i = 2 * pieza; i < todo.size(); ++i)
        if (std::abs(todo[i]) > kUmbral) sonando = i + 1;
    // A fade longer than the piece itself would overlap more than one repeat: it is cut.
    const std::size_t fundido = std::min((sonando - 2 * pieza + 1) / 2, pieza / 2);
    std::vector<std::int16_t> salida(todo.begin(), todo.begin() + 2 * (pieza + fundido));
    for (std::size_t i = 0; i < 2 * fundido; ++i)
        salida[2 * pieza + i] = static_cast<std::int16_t>(
            std::clamp(todo[2 * pieza + i] + todo[i], INT16_MIN, INT16_MAX));
    bucle = {fundido, pieza};
    return salida;
}

// The Ogg Vorbis encoder's state, cleared whatever happens.
class Codificador {
  public:
    Codificador() {
        vorbis_info_init(&info_);
        vorbis_comment_init(&comentario_);
    }
    ~Codificador() {
        if (empezado_) {
            ogg_stream_clear(&flujo_);
            vorbis_block_clear(&bloque_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comentario_);
        vorbis_info_clear(&info_);
    }
    Codificador(const Codificador&) = delete;
    Codificador& operator=(const Codificador&) = delete;

    // The whole file's bytes; empty when the encoder refuses its settings.
    std::string Codificar(std::span<const std::int16_t> estereo, std::optional<Bucle> bucle) {
        if (vorbis_encode_init_vbr(&info_, 2, kFrecuencia, kCalidad) != 0) return {};
        const std::size_t marcos = estereo.size() / 2;
        if (bucle) {
            vorbis_comment_add_tag(&comentario_, "LOOPSTART",
                                   std::to_string(bucle->inicio).c_str());
            vorbis_comment_add_tag(&comentario_, "LOOPLENGTH",
                                   std::to_string(bucle->largo).c_str());
        }
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &bloque_);
        ogg_stream_init(&flujo_, 1);
        empezado_ = true;

        ogg_packet cabecera, comentarios, libro;
        vorbis_analysis_headerout(&dsp_, &comentario_, &cabecera, &comentarios, &libro);
        ogg_stream_packetin(&flujo_, &cabecera);
        ogg_stream_packetin(&flujo_, &comentarios);
        ogg_stream_packetin(&flujo_, &libro);
        // The audio starts on a page of its own, as decoders expect.
        ogg_page pagina;
        while (ogg_stream_flush(&flujo_, &pagina) != 0) Escribir(pagina);

        constexpr std::size_t kTrozo = 1024;
        for (std::size_t desde = 0; desde < marcos; desde += kTrozo) {
            const std::size_t n = std::min(kTrozo, marcos - desde);
            float** canales = vorbis_analysis_buffer(&dsp_, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i) {
                canales[0][i] = static_cast<float>(estereo[2 * (desde + i)]) / 32768.0f;
                canales[1][i] = static_cast<float>(estereo[2 * (desde + i) + 1]) / 32768.0f;
            }
            vorbis_analysis_wrote(&dsp_, static_cast<int>(n));
            Vaciar();
        }
        // The end of the stream: its last page's position is the exact length in frames.
        vorbis_analysis_wrote(&dsp_, 0);
        Vaciar();
        while (ogg_stream_flush(&flujo_, &pagina) != 0) Escribir(pagina);
        return std::move(bytes_);
    }

  private:
    void Vaciar() {
        while (vorbis_analysis_blockout(&dsp_, &bloque_) == 1) {
            vorbis_analysis(&bloque_, nullptr);
            vorbis_bitrate_addblock(&bloque_);
            ogg_packet paquete;
            while (vorbis_bitrate_flushpacket(&dsp_, &paquete) == 1) {
                ogg_stream_packetin(&flujo_, &paquete);
                ogg_page pagina;
                while (ogg_stream_pageout(&flujo_, &pagina) != 0) Escribir(pagina);
            }
        }
    }
    void Escribir(const ogg_page& pagina) {
        bytes_.append(reinterpret_cast<const char*>(pagina.header),
                      static_cast<std::size_t>(pagina.header_len));
        bytes_.append(reinterpret_cast<const char*>(pagina.body),
                      static_cast<std::size_t>(pagina.body_len));
    }

    vorbis_info info_;
    vorbis_comment comentario_;
    vorbis_dsp_state dsp_{};
    vorbis_block bloque_{};
    ogg_stream_state flujo_{};
    bool empezado_ = false;
    std::string bytes_;
};

// Written beside the destination and renamed over it: a build stopped halfway leaves no
// truncated piece that looks finished.
bool Guardar(const fs::path& destino, const std::string& bytes) {
    fs::path parcial = destino;
    parcial += ".parcial";
    std::ofstream salida(parcial, std::ios::binary | std::ios::trunc);
    salida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    salida.close();
    std::error_code error;
    if (salida) fs::rename(parcial, destino, error);
    if (salida && !error) return true;
    fs::remove(parcial, error);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const bool bucle = argc == 5 && std::string(argv[4]) == "--bucle";
    if (argc != 4 && !bucle) {
        std::fputs("usage: grabarmusica SOUNDFONT PIECE.mid OUT.ogg [--bucle]\n", stderr);
        return 2;
    }
    const auto pieza =
        polvareda::LeerArchivoAcotado(argv[2], kLimitePieza, polvareda::Exceso::Rechazar);
    if (!pieza) {
        std::fprintf(stderr, "grabarmusica: cannot read %s\n", argv[2]);
        return 1;
    }
    const auto play = Sintetizar(argv[1], *pieza);
    if (!play) return 1;
    std::string ogg;
    if (bucle) {
        Bucle vuelta;
        const auto estereo = EnBucle(*play, vuelta);
        ogg = Codificador().Codificar(estereo, vuelta);
    } else {
        ogg = Codificador().Codificar(play->estereo, std::nullopt);
    }
    if (ogg.empty() || !Guardar(argv[3], ogg)) {
        std::fprintf(stderr, "grabarmusica: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
