// The sound device on SDL_mixer: effects on numbered channels, the music through the SoundFont
// synthesiser, the system's own (Windows) or the mixer's Ogg Vorbis player (the web).
#include "AudioSDL.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "ArchivoAcotado.h"
#include "Carpetas.h"
#include "Decibelios.h"
#include "GananciaMusica.h"
#include "Limitador.h"
#include "PunterosSDL.h"

// Who plays the pieces. Linux synthesises them with the SoundFont into the mixer's music hook.
// Elsewhere the mixer plays a file of each piece itself: Windows the MIDI file, on the system's
// own synthesiser; the web, which has none (and Linux built with POLVAREDA_MUSICA_OGG), the piece
// rendered ahead at build time with the same synthesiser, MUS/Tema<n>.ogg in the data folder.
#if defined(_WIN32) || defined(POLVAREDA_MUSICA_OGG)
#define POLVAREDA_TEMAS_EN_MEZCLADOR 1
#else
#include "MusicaSintetizada.h"
#endif

namespace polvareda {
namespace {

using Muestra = MuestraPtr;
#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
using Tema = TemaPtr;
#endif

bool abierto = false;  // SDL_mixer has one device per process

#ifdef POLVAREDA_MUSICA_OGG
// The renderings need no SoundFont and keep the synthesiser's balance under the effects.
constexpr bool kConSoundFont = false;
constexpr double kNivelMusica = 0.25;
constexpr int kFormatoTemas = MIX_INIT_OGG;
#elif defined(_WIN32)
// Windows plays the pieces on its own General MIDI synthesiser, as the classic game did: no
// SoundFont is needed, and the synthesiser's level is the player's music volume as it is.
constexpr bool kConSoundFont = false;
constexpr double kNivelMusica = 1.0;
constexpr int kFormatoTemas = MIX_INIT_MID;
#else
// The music's own level under the effects': a quarter of the mixer's full volume (see where the
// device is opened).
constexpr bool kConSoundFont = true;
constexpr double kNivelMusica = 0.25;
constexpr int kFormatoTemas = MIX_INIT_MID;
#endif

// The mixer's output on its way to the device. The limiter is made when the device opens
// and lives as long as the mixer's hook points at it.
std::optional<Limitador> limitador;

void AlSalir(void*, Uint8* flujo, int bytes) {
    if (!limitador || bytes <= 0) return;
    limitador->Procesar(std::span(reinterpret_cast<std::int16_t*>(flujo),
                                  static_cast<std::size_t>(bytes) / sizeof(std::int16_t)));
}

// The mix's headroom, taken back by the limiter (none on a device without it).
double Margen() {
    return limitador ? Limitador::kMargen : 1.0;
}

int NivelMusica(double ganancia) {
    return static_cast<int>(
        std::lround(std::clamp(ganancia, 0.0, 1.0) * kNivelMusica * Margen() * MIX_MAX_VOLUME));
}

#ifndef _WIN32
static_assert(MIX_MAX_VOLUME == kVolumenPleno);
// The pieces rendered ahead are made at the synthesiser's gain for this level.
static_assert(kNivelMusica * Limitador::kMargen * MIX_MAX_VOLUME == kNivelMusicaPleno);
#endif

// The mixer's volume for the music: the synthesiser's music level, or the volume of the pieces the
// mixer plays itself. A rendering holds a piece as the synthesiser plays it at full music
// volume, so it is played at the same fraction of the mixer's full volume as the level is of
// that full music level: the same steps, the same loudness.
int VolumenTemas(double ganancia) {
#ifdef POLVAREDA_MUSICA_OGG
    return std::min(MIX_MAX_VOLUME, NivelMusica(ganancia) * MIX_MAX_VOLUME / kNivelMusicaPleno);
#else
    return NivelMusica(ganancia);
#endif
}

#ifndef POLVAREDA_TEMAS_EN_MEZCLADOR
// The mixer's music hook: the synthesiser writes straight into the stream, which holds silence,
// before the effects are mixed on top.
void AlTema(void* datos, Uint8* flujo, int bytes) {
    if (bytes <= 0) return;
    static_cast<MusicaSintetizada*>(datos)->Rellenar(
        std::span(reinterpret_cast<std::int16_t*>(flujo),
                  static_cast<std::size_t>(bytes) / sizeof(std::int16_t)));
}
#endif

int NivelEfectos(double ganancia) {
    return static_cast<int>(
        std::lround(std::clamp(ganancia, 0.0, 1.0) * Margen() * MIX_MAX_VOLUME));
}

std::string Utf8(const std::filesystem::path& ruta) {
    const auto u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
}

class AudioSDL : public Audio {
  public:
    AudioSDL(std::optional<std::filesystem::path> soundFont, std::filesystem::path datos,
             std::shared_ptr<void> vida)
        : vida_(std::move(vida)), soundFont_(std::move(soundFont)), datos_(std::move(datos)) {}

    ~AudioSDL() override {
        // Nothing may be playing while the chunks and pieces are freed.
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
        cargado_.reset();
#else
        Mix_HookMusic(nullptr, nullptr);
#endif
        muestras_.clear();
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
#ifndef POLVAREDA_TEMAS_EN_MEZCLADOR
        musica_.reset();
#endif
        limitador.reset();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        abierto = false;
    }
    AudioSDL(const AudioSDL&) = delete;
    AudioSDL& operator=(const AudioSDL&) = delete;

    int CargarMuestra(const std::filesystem::path& wav) override {
        Muestra m(Mix_LoadWAV(Utf8(wav).c_str()));
        if (!m) return -1;
        muestras_.push_back(std::move(m));
        return static_cast<int>(muestras_.size()) - 1;
    }

    int CargarMuestra(std::span<const std::uint8_t> wav) override {
        if (wav.size() > static_cast<std::size_t>(INT32_MAX)) return -1;
        Muestra m(Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1));
        if (!m) return -1;
        muestras_.push_back(std::move(m));
        return static_cast<int>(muestras_.size()) - 1;
    }

    void VolumenGeneral(double efectos, double musica) override {
        Mix_MasterVolume(NivelEfectos(efectos));
#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
        Mix_VolumeMusic(VolumenTemas(musica));
#else
        if (musica_) musica_->Ganancia(GananciaSintetizador(NivelMusica(musica)));
#endif
    }

    void Tocar(int canal, int muestra, bool enBucle) override {
        if (!Canal(canal) || muestra < 0 || muestra >= static_cast<int>(muestras_.size())) return;
        // The mixer forgets a channel's pan whenever a sound on it ends or is cut short, while
        // a sound buffer keeps its pan for every later play: stop what plays, pan again, play.
        if (Mix_Playing(canal) != 0) Mix_HaltChannel(canal);
        Situar(canal);
        Mix_PlayChannel(canal, muestras_[static_cast<std::size_t>(muestra)].get(),
                        enBucle ? -1 : 0);
    }

    void Parar(int canal) override {
        if (Canal(canal)) Mix_HaltChannel(canal);
    }

    bool Sonando(int canal) override {
        return Canal(canal) && Mix_Playing(canal) != 0;
    }

    void Volumen(int canal, int centesimasDb) override {
        if (Canal(canal)) Mix_Volume(canal, NivelMezclador(centesimasDb, MIX_MAX_VOLUME));
    }

    void Panoramica(int canal, int pan) override {
        if (!Canal(canal)) return;
        panoramas_[static_cast<std::size_t>(canal)] = NivelesPanoramica(pan);
        Situar(canal);
    }

    bool CargarTema(int numero, const std::filesystem::path& midi) override {
        temas_.erase(numero);
        // A SoundFont that does not load leaves the music silent, as having none does.
        if (kConSoundFont && (!soundFont_ || !ConSintetizador())) {
            if (!musicaMudaDicha_) {
                if (soundFont_)
                    std::fprintf(stderr,
                                 "Polvareda: the SoundFont %s could not be loaded: the music "
                                 "stays silent\n",
                                 Utf8(*soundFont_).c_str());
                else
                    std::fputs(
                        "Polvareda: no SoundFont (.sf2) was found beside the game or in "
                        "/usr/share/sounds/sf2: the music stays silent\n",
                        stderr);
                musicaMudaDicha_ = true;
            }
            return false;
        }
        // Only a standard MIDI file is a piece.
        const auto cabecera = LeerArchivoAcotado(midi, 4);
        if (!cabecera || *cabecera != "MThd") return false;
#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
        const auto archivo = ArchivoTema(numero, midi);
        if (!archivo) return false;
        if (numero == numeroCargado_) Cargar(0);
        temas_[numero] = *archivo;
        // One piece is held at a time: the first now, so that the music is ready, and any
        // other when it is played.
        if (numeroCargado_ == 0) Cargar(numero);
#else
        if (!musica_->Cargar(numero, midi)) return false;
        temas_[numero] = midi;
#endif
        return true;
    }

    void TocarTema(int numero, int repeticiones) override {
        if (temas_.find(numero) == temas_.end()) return;
#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
        if (numeroCargado_ != numero) Cargar(numero);
        if (numeroCargado_ == numero) Mix_PlayMusic(cargado_.get(), VueltasMezclador(repeticiones));
#else
        musica_->Tocar(numero, VueltasMezclador(repeticiones) < 0 ? -1 : repeticiones);
#endif
    }

    void PararTema() override {
#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
        Mix_HaltMusic();
#else
        if (musica_) musica_->Parar();
#endif
    }

  private:
    static bool Canal(int canal) {
        return canal >= 0 && canal < kCanales;
    }

    // The pieces' synthesiser is made, and the SoundFont read, with the first piece (where the
    // mixer plays the pieces itself none is needed).
    bool ConSintetizador() {
#ifndef POLVAREDA_TEMAS_EN_MEZCLADOR
        if (!musica_ && soundFont_ && !sinteFallido_) {
            int frecuencia = 0;
            Uint16 formato = 0;
            int canales = 0;
            Mix_QuerySpec(&frecuencia, &formato, &canales);
            // The hook writes 16-bit stereo; a device opened otherwise has no music.
            if (formato == AUDIO_S16SYS && canales == 2)
                musica_ = MusicaSintetizada::Crear(*soundFont_, frecuencia,
                                                   GananciaSintetizador(NivelMusica(1.0)));
            sinteFallido_ = !musica_;
            if (musica_) {
                musica_->Ganancia(GananciaSintetizador(Mix_VolumeMusic(-1)));
                Mix_HookMusic(AlTema, musica_.get());
            }
        }
        return musica_ != nullptr;
#else
        return true;
#endif
    }

#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
    // The file the mixer plays for a piece: its MIDI file, or its rendering, which must be there.
    std::optional<std::filesystem::path> ArchivoTema(
        [[maybe_unused]] int numero, [[maybe_unused]] const std::filesystem::path& midi) {
#ifdef POLVAREDA_MUSICA_OGG
        auto ogg = datos_ / "MUS" / ("Tema" + std::to_string(numero) + ".ogg");
        std::error_code error;
        if (std::filesystem::is_regular_file(ogg, error)) return ogg;
        if (!musicaMudaDicha_)
            std::fprintf(stderr, "Polvareda: the music %s is missing: the music stays silent\n",
                         Utf8(ogg).c_str());
        musicaMudaDicha_ = true;
        return std::nullopt;
#else
        return midi;
#endif
    }

    // The next piece is loaded before the one held goes.
    void Cargar(int numero) {
        Tema nuevo;
        const auto tema = temas_.find(numero);
        if (tema != temas_.end()) nuevo.reset(Mix_LoadMUS(Utf8(tema->second).c_str()));
#ifdef POLVAREDA_MUSICA_OGG
        // A rendering the mixer cannot decode is said once, as a missing one is.
        if (tema != temas_.end() && !nuevo && !musicaMudaDicha_) {
            std::fprintf(stderr, "Polvareda: the music %s could not be played: %s\n",
                         Utf8(tema->second).c_str(), Mix_GetError());
            musicaMudaDicha_ = true;
        }
#endif
        Mix_HaltMusic();
        cargado_ = std::move(nuevo);
        numeroCargado_ = cargado_ ? numero : 0;
    }
#endif

    void Situar(int canal) {
        const Panorama& niveles = panoramas_[static_cast<std::size_t>(canal)];
        Mix_SetPanning(canal, niveles.izquierda, niveles.derecha);
    }

    std::shared_ptr<void> vida_;
    std::optional<std::filesystem::path> soundFont_;
    std::filesystem::path datos_;   // the game's data folder
    bool musicaMudaDicha_ = false;  // why the music is silent has been said
    std::vector<Muestra> muestras_;
    std::map<int, std::filesystem::path> temas_;  // the pieces that can be played
#ifdef POLVAREDA_TEMAS_EN_MEZCLADOR
    Tema cargado_;           // the one held in the mixer
    int numeroCargado_ = 0;  // its number, 0 for none
#else
    std::unique_ptr<MusicaSintetizada> musica_;
    bool sinteFallido_ = false;
#endif
    std::array<Panorama, kCanales> panoramas_{};  // each channel's pan, centred at first
};

// The game beeps when it has no sound; the line says which driver was tried and why it failed.
void DecirSinSonido(const char* motivo) {
    std::string drivers;
    if (const char* actual = SDL_GetCurrentAudioDriver()) {
        drivers = actual;
    } else if (const char* pedido = SDL_getenv("SDL_AUDIODRIVER")) {
        drivers = pedido;
    } else {
        for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i)
            drivers += (i > 0 ? ", " : "") + std::string(SDL_GetAudioDriver(i));
    }
    std::fprintf(stderr, "Polvareda: cannot open the sound device (audio driver %s): %s\n",
                 drivers.empty() ? "none" : drivers.c_str(), motivo ? motivo : "");
}

}  // namespace

std::optional<std::filesystem::path> BuscarSoundFont(const std::filesystem::path& carpetaJuego,
                                                     const std::filesystem::path& datos) {
    std::error_code error;
    // An installed game keeps its SoundFont with its data, apart from the programs.
    for (const std::filesystem::path& carpeta : {datos, carpetaJuego}) {
        if (carpeta.empty()) continue;
        std::vector<std::filesystem::path> propias;
        for (std::filesystem::directory_iterator it(carpeta, error), fin; !error && it != fin;
             it.increment(error)) {
            auto extension = it->path().extension().string();
            std::transform(extension.begin(), extension.end(), extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (extension == ".sf2" && it->is_regular_file(error)) propias.push_back(it->path());
        }
        if (!propias.empty()) return *std::min_element(propias.begin(), propias.end());
        error.clear();
    }
    for (const char* sistema :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
        if (std::filesystem::is_regular_file(sistema, error)) return std::filesystem::path(sistema);
    }
    return std::nullopt;
}

std::unique_ptr<Audio> AbrirAudioSDL(const std::filesystem::path& carpetaJuego,
                                     std::shared_ptr<void> vida,
                                     const std::filesystem::path& datos) {
    if (abierto) return nullptr;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        DecirSinSonido(SDL_GetError());
        return nullptr;
    }
    Mix_Init(kFormatoTemas);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        DecirSinSonido(Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(Audio::kCanales);
    // The mixer sums the channels into 16 bits and saturates: everything goes in 6 dB down and
    // the limiter brings the sum back up without letting it reach full scale.
    int frecuencia = 0;
    Uint16 formato = 0;
    int canales = 0;
    Mix_QuerySpec(&frecuencia, &formato, &canales);
    if (formato == AUDIO_S16SYS) {
        limitador.emplace(canales, frecuencia);
        Mix_SetPostMix(AlSalir, nullptr);
    }
    Mix_MasterVolume(NivelEfectos(1.0));
    // At full volume SDL_mixer gives the synthesiser a gain of 1.2, six times its own default:
    // the pieces then peak above full scale and clip, and sit 8 dB above the effects. A quarter
    // of full volume (gain 0.3) keeps their loudest notes 2 dB under full scale and the music
    // a few dB under the effects; the player's music volume applies on top, and the mix's
    // headroom under both.
    Mix_VolumeMusic(VolumenTemas(1.0));
    const std::filesystem::path datosJuego = datos.empty() ? CarpetaDeDatos(carpetaJuego) : datos;
    std::optional<std::filesystem::path> soundFont;
    if (kConSoundFont) soundFont = BuscarSoundFont(carpetaJuego, datosJuego);
    std::filesystem::path temas;
#ifdef POLVAREDA_MUSICA_OGG
    temas = datosJuego;
#endif
    abierto = true;
    return std::make_unique<AudioSDL>(std::move(soundFont), std::move(temas), std::move(vida));
}

}  // namespace polvareda
