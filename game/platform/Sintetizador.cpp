#include "Sintetizador.h"

#include <fluidsynth.h>

#include <algorithm>
#include <vector>

namespace polvareda {
namespace {

// What the synthesiser computes, FluidSynth's defaults but for:
// - no chorus: no piece asks for it (none sets the chorus depth) and the SoundFont's instruments
//   send nothing to it, so the unit only ever processed silence (bench/medir_sintetizador.sh
//   compares the pieces with and without it);
// - no lock of its own: its owner keeps the game's thread and the sound device's apart.
void Ajustar(fluid_settings_t* ajustes, int frecuencia) {
    fluid_settings_setnum(ajustes, "synth.sample-rate", frecuencia);
    fluid_settings_setint(ajustes, "synth.chorus.active", 0);
    fluid_settings_setint(ajustes, "synth.threadsafe-api", 0);
}

}  // namespace

std::unique_ptr<Sintetizador> Sintetizador::Crear(const std::filesystem::path& soundFont,
                                                  int frecuencia, double ganancia) {
    std::unique_ptr<Sintetizador> s(new Sintetizador);
    s->ajustes_ = new_fluid_settings();
    if (!s->ajustes_) return nullptr;
    Ajustar(s->ajustes_, frecuencia);
    s->sinte_ = new_fluid_synth(s->ajustes_);
    if (!s->sinte_) return nullptr;
    const auto ruta = soundFont.u8string();
    if (fluid_synth_sfload(s->sinte_, reinterpret_cast<const char*>(ruta.c_str()), 1) ==
        FLUID_FAILED)
        return nullptr;
    s->Ganancia(ganancia);
    return s;
}

Sintetizador::~Sintetizador() {
    Soltar();
    if (sinte_) delete_fluid_synth(sinte_);
    if (ajustes_) delete_fluid_settings(ajustes_);
}

void Sintetizador::Soltar() {
    if (reproductor_) delete_fluid_player(reproductor_);
    reproductor_ = nullptr;
    tocando_ = false;
    marcos_ = 0;
    marcosPieza_ = 0;
}

bool Sintetizador::Cargar(std::span<const char> midi) {
    Soltar();
    pieza_.assign(midi.begin(), midi.end());
    return !pieza_.empty();
}

// Each play has a player of its own, made from the piece's bytes: a finished player would
// need its playlist rebuilt to start again.
void Sintetizador::Empezar() {
    Soltar();
    if (pieza_.empty()) return;
    // Whatever the last play left sounding (notes, controllers, the reverb's tail) goes.
    fluid_synth_system_reset(sinte_);
    reproductor_ = new_fluid_player(sinte_);
    if (!reproductor_ ||
        fluid_player_add_mem(reproductor_, pieza_.data(), pieza_.size()) != FLUID_OK)
        return;
    fluid_player_set_loop(reproductor_, 0);
    tocando_ = fluid_player_play(reproductor_) == FLUID_OK;
}

std::size_t Sintetizador::Sintetizar(std::span<std::int16_t> estereo) {
    constexpr std::size_t kBloque = 64;  // the synthesiser's own block
    std::size_t hechos = 0;
    const std::size_t marcos = estereo.size() / 2;
    while (tocando_ && hechos < marcos) {
        const std::size_t n = std::min(kBloque, marcos - hechos);
        std::int16_t* destino = estereo.data() + 2 * hechos;
        fluid_synth_write_s16(sinte_, static_cast<int>(n), destino, 0, 2, destino, 1, 2);
        // The player handles the events due at the start of each block, before it sounds.
        if (marcosPieza_ == 0 && fluid_player_get_current_tick(reproductor_) >=
                                     fluid_player_get_total_ticks(reproductor_))
            marcosPieza_ = marcos_;
        marcos_ += n;
        hechos += n;
        // The player notices the piece's end at the start of a block; the block is kept, so
        // a piece lasts the same whether it is played live or rendered ahead.
        if (fluid_player_get_status(reproductor_) != FLUID_PLAYER_PLAYING) tocando_ = false;
    }
    return hechos;
}

void Sintetizador::Ganancia(double ganancia) {
    fluid_synth_set_gain(sinte_, static_cast<float>(ganancia));
}

}  // namespace polvareda
