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
#include <span>

#include "Decibelios.h"

namespace polvareda {
namespace {

struct BorrarMuestra {
    void operator()(Mix_Chunk* m) const { Mix_FreeChunk(m); }
};
struct BorrarTema {
    void operator()(Mix_Music* m) const { Mix_FreeMusic(m); }
};
using Muestra = std::unique_ptr<Mix_Chunk, BorrarMuestra>;
using Tema = std::unique_ptr<Mix_Music, BorrarTema>;

bool abierto = false;  // SDL_mixer has one device per process

// The music's own level under the effects'. Through the mixer at full volume our pieces peak at
// -0.4 dBFS with an RMS of -14 dBFS while they play, about 6 dB above the effects (peaks -3 to
// -12 dBFS, RMS -18 to -29 dBFS); at half the level they sit among them (measured with the
// mixer's disk output, see HACKING.md).
constexpr double kNivelMusica = 0.5;

int NivelMusica(double ganancia) {
    return static_cast<int>(
        std::lround(std::clamp(ganancia, 0.0, 1.0) * kNivelMusica * MIX_MAX_VOLUME));
}

std::string Utf8(const std::filesystem::path& ruta) {
    const auto u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
}

class AudioSDL : public Audio {
  public:
    AudioSDL(std::optional<std::filesystem::path> soundFont, std::shared_ptr<void> vida)
        : vida_(std::move(vida)), soundFont_(std::move(soundFont)) {}

    ~AudioSDL() override {
        // Nothing may be playing while the chunks and pieces are freed.
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        temas_.clear();
        muestras_.clear();
        Mix_CloseAudio();
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
        const auto nivel = [](double g) {
            return static_cast<int>(std::lround(std::clamp(g, 0.0, 1.0) * MIX_MAX_VOLUME));
        };
        Mix_MasterVolume(nivel(efectos));
        Mix_VolumeMusic(NivelMusica(musica));
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

    bool Sonando(int canal) override { return Canal(canal) && Mix_Playing(canal) != 0; }

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
        // Without a SoundFont the MIDI synthesiser cannot sound: that piece stays silent.
        if (!soundFont_) return false;
        Tema tema(Mix_LoadMUS(Utf8(midi).c_str()));
        if (!tema) return false;
        temas_[numero] = std::move(tema);
        return true;
    }

    void TocarTema(int numero, int repeticiones) override {
        const auto tema = temas_.find(numero);
        if (tema == temas_.end()) return;
        Mix_PlayMusic(tema->second.get(), VueltasMezclador(repeticiones));
    }

    void PararTema() override { Mix_HaltMusic(); }

  private:
    static bool Canal(int canal) { return canal >= 0 && canal < kCanales; }
    void Situar(int canal) {
        const Panorama& niveles = panoramas_[static_cast<std::size_t>(canal)];
        Mix_SetPanning(canal, niveles.izquierda, niveles.derecha);
    }

    std::shared_ptr<void> vida_;
    std::optional<std::filesystem::path> soundFont_;
    std::vector<Muestra> muestras_;
    std::map<int, Tema> temas_;
    std::array<Panorama, kCanales> panoramas_{};  // each channel's pan, centred at first
};

}  // namespace

std::optional<std::filesystem::path> BuscarSoundFont(const std::filesystem::path& carpetaJuego) {
    std::error_code error;
    std::vector<std::filesystem::path> propias;
    for (std::filesystem::directory_iterator it(carpetaJuego, error), fin; !error && it != fin;
         it.increment(error)) {
        auto extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".sf2" && it->is_regular_file(error)) propias.push_back(it->path());
    }
    if (!propias.empty()) return *std::min_element(propias.begin(), propias.end());
    for (const char* sistema :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
        if (std::filesystem::is_regular_file(sistema, error)) return std::filesystem::path(sistema);
    }
    return std::nullopt;
}

std::unique_ptr<Audio> AbrirAudioSDL(const std::filesystem::path& carpetaJuego,
                                     std::shared_ptr<void> vida) {
    if (abierto) return nullptr;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(Audio::kCanales);
    Mix_VolumeMusic(NivelMusica(1.0));
    auto soundFont = BuscarSoundFont(carpetaJuego);
    if (soundFont) Mix_SetSoundFonts(Utf8(*soundFont).c_str());
    abierto = true;
    return std::make_unique<AudioSDL>(std::move(soundFont), std::move(vida));
}

}  // namespace polvareda
