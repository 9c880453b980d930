// The music's synthesiser: one FluidSynth instance holding the SoundFont, playing one standard
// MIDI piece at a time into the sound device's stream.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace polvareda {

class Sintetizador {
  public:
    // The SoundFont is read once, here; nullptr when FluidSynth cannot be made or the SoundFont
    // does not load.
    static std::unique_ptr<Sintetizador> Crear(const std::filesystem::path& soundFont,
                                               int frecuencia);
    ~Sintetizador();
    Sintetizador(const Sintetizador&) = delete;
    Sintetizador& operator=(const Sintetizador&) = delete;

    // The piece that Tocar plays from now on, read whole from a standard MIDI file; false (and
    // the piece held before stays) when it cannot be read.
    bool Cargar(const std::filesystem::path& midi);
    // From the start of the piece held, `repeticiones` more times after the first (-1: for
    // ever); each play starts from a silent synthesiser in its power-on state.
    void Tocar(int repeticiones);
    void Parar();
    bool Sonando();
    // The synthesiser's own output gain (FluidSynth's default is 0.2).
    void Ganancia(double ganancia);

    // Adds the next frames of the piece (interleaved 16-bit stereo) to `estereo`, which holds
    // silence; leaves it alone when nothing plays. Runs on the sound device's thread.
    void Rellenar(std::span<std::int16_t> estereo);

  private:
    Sintetizador() = default;
    void Soltar();

    _fluid_hashtable_t* ajustes_ = nullptr;
    _fluid_synth_t* sinte_ = nullptr;
    _fluid_player_t* reproductor_ = nullptr;  // the piece held; guarded by cerrojo_
    std::mutex cerrojo_;                      // the device's thread against the game's
    bool tocando_ = false;
};

}  // namespace polvareda
