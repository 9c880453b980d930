// The music pieces as the sound device plays them: each piece is synthesised once, whole, by a
// thread of its own as soon as it is loaded (at the normal priority: it is done in the run's first
// seconds), and from then on played from memory; until its rendering is ready a piece plays live
// from the synthesiser, and switches to the rendering where it stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "Sintetizador.h"

namespace polvareda {

class MusicaSintetizada {
  public:
    // A piece longer than this is not rendered ahead (it always plays live): two minutes, some
    // 20 MB; the game's pieces last well under one.
    static constexpr std::size_t kMarcosMaximos = 2 * 60 * 44100;

    // nullptr when the synthesiser cannot be made with this SoundFont. `gananciaPlena` is the
    // synthesiser's gain at the game's full music volume; the renderings are made with it.
    static std::unique_ptr<MusicaSintetizada> Crear(const std::filesystem::path& soundFont,
                                                    int frecuencia, double gananciaPlena);
    ~MusicaSintetizada();
    MusicaSintetizada(const MusicaSintetizada&) = delete;
    MusicaSintetizada& operator=(const MusicaSintetizada&) = delete;

    // Piece `numero` is this standard MIDI file from now on; false when it cannot be read.
    bool Cargar(int numero, const std::filesystem::path& midi);
    // From its start, `repeticiones` more times after the first (-1: for ever).
    void Tocar(int numero, int repeticiones);
    void Parar();
    // The synthesiser's gain, at most the full one.
    void Ganancia(double ganancia);
    // Whether piece `numero` is rendered and plays from memory.
    bool Grabado(int numero);

    // Writes the next frames of the music into `estereo` (interleaved 16-bit stereo), which
    // holds silence; leaves it alone when nothing plays. Runs on the sound device's thread.
    void Rellenar(std::span<std::int16_t> estereo);

  private:
    // One whole play of a piece, in stretches of kTramo frames: its length is known only once
    // it has been played, and the stretches never move as it grows.
    static constexpr std::size_t kTramo = 4096;
    struct Grabacion {
        std::vector<std::vector<std::int16_t>> tramos;
        std::size_t marcos = 0;
        // Frames to the piece's last event, where a repeat begins; the rest is the fade of the
        // last notes, heard over the repeat's start. 0 when unknown: repeats follow the whole.
        std::size_t pieza = 0;
        std::int16_t Muestra(std::size_t i) const {
            return tramos[i / (2 * kTramo)][i % (2 * kTramo)];
        }
    };
    struct Tema {
        std::vector<char> midi;
        std::shared_ptr<const Grabacion> grabado;  // one whole play, or none yet
        bool sinGrabar = false;                    // it could not be rendered: it always plays live
        int version = 0;  // a piece loaded again makes the rendering under way stale
    };

    MusicaSintetizada(std::filesystem::path soundFont, int frecuencia, double gananciaPlena);
    void Empezar(int numero, const Tema& tema, int repeticiones);
    void Grabar(std::stop_token parar);
    void Copiar(std::span<const std::int16_t> origen, std::span<std::int16_t> destino) const;
    // Mixes the previous play's fade, from frame `desde` of this one, into `destino`.
    void MezclarCola(const Grabacion& grabado, std::size_t desde,
                     std::span<std::int16_t> destino) const;

    const std::filesystem::path soundFont_;
    const int frecuencia_;
    const double gananciaPlena_;

    std::mutex cerrojo_;  // everything below, between the game, the device and the renderer
    std::map<int, Tema> temas_;
    std::unique_ptr<Sintetizador> vivo_;  // plays what is not rendered yet; goes when all is
    int vivoTema_ = 0;                    // the piece it holds
    int actual_ = 0;                      // the piece playing, 0 for none
    int vueltas_ = 0;                     // plays left after this one (-1: for ever)
    std::size_t posicion_ = 0;            // frames into this play
    bool repeticion_ = false;             // this play follows another of the same piece
    double escala_ = 1.0;                 // the music volume against the renderings' own
    bool grabando_ = false;
    std::jthread grabador_;  // renders the pieces that have no rendering, one after another
};

}  // namespace polvareda
