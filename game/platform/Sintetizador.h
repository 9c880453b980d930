// The music's synthesiser: one FluidSynth instance holding the SoundFont, playing one standard
// MIDI piece at a time into 16-bit stereo frames. Not thread-safe: its owner locks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace polvareda {

class Sintetizador {
  public:
    // The SoundFont is read here; nullptr when FluidSynth cannot be made or the SoundFont does
    // not load. `ganancia` is the synthesiser's output gain (FluidSynth's default is 0.2).
    static std::unique_ptr<Sintetizador> Crear(const std::filesystem::path& soundFont,
                                               int frecuencia, double ganancia);
    ~Sintetizador();
    Sintetizador(const Sintetizador&) = delete;
    Sintetizador& operator=(const Sintetizador&) = delete;

    // The piece that Empezar starts from now on, a whole standard MIDI file (a piece that
    // FluidSynth cannot read ends at once); false when it is empty.
    bool Cargar(std::span<const char> midi);
    // From the start of the piece, on a silent synthesiser in its power-on state.
    void Empezar();
    // Writes the next frames of the piece into `estereo` (interleaved 16-bit stereo), in the
    // synthesiser's own blocks of 64, and stops after the block in which the piece ends. Returns
    // the frames written: fewer than asked when the piece ended (0 when it had ended already).
    std::size_t Sintetizar(std::span<std::int16_t> estereo);
    // Frames from the start of the play to the piece's last event, where a repeat of it begins
    // in time (the play goes on after it while the last notes fade); 0 until it is reached.
    std::size_t MarcosPieza() const { return marcosPieza_; }
    void Ganancia(double ganancia);

  private:
    Sintetizador() = default;
    void Soltar();

    _fluid_hashtable_t* ajustes_ = nullptr;
    _fluid_synth_t* sinte_ = nullptr;
    std::vector<char> pieza_;                 // the standard MIDI file held
    _fluid_player_t* reproductor_ = nullptr;  // the play going on
    bool tocando_ = false;
    std::size_t marcos_ = 0;       // frames written since the play began
    std::size_t marcosPieza_ = 0;  // those up to the piece's last event, once reached
};

}  // namespace polvareda
