#include "Sintetizador.h"

#include <fluidsynth.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace polvareda {
namespace {

// What the synthesiser computes, chosen for what the pieces need (bench/medir_sintetizador.sh
// measures the cost and compares the sound with FluidSynth's defaults):
// - no chorus: no piece asks for it (no chorus depth controller) and the SoundFont's
//   instruments send nothing to it, so the unit only ever processed silence;
// - linear interpolation of the samples instead of fourth-order: the instruments' samples are
//   recorded at 44.1 kHz or more and mostly played near their own pitch, where the two differ
//   by less than the dither, and it is the voices' largest single cost;
// - the MIDI events are handled inside the synthesiser's own calls (no lock of its own): only
//   this class calls it, under one lock.
void Ajustar(fluid_settings_t* ajustes, int frecuencia) {
    fluid_settings_setnum(ajustes, "synth.sample-rate", frecuencia);
    fluid_settings_setint(ajustes, "synth.chorus.active", 0);
    fluid_settings_setint(ajustes, "synth.threadsafe-api", 0);
}
constexpr int kInterpolacion = FLUID_INTERP_LINEAR;

// Every event of the piece passes here on its way to the synthesiser. The player puts the
// synthesiser in its power-on state at the start of each play and each repeat, which brings
// back the default interpolation, so each note is told again which one its voice takes.
int AlEvento(void* datos, fluid_midi_event_t* evento) {
    auto* sinte = static_cast<fluid_synth_t*>(datos);
    if (fluid_midi_event_get_type(evento) == 0x90)  // note on
        fluid_synth_set_interp_method(sinte, fluid_midi_event_get_channel(evento), kInterpolacion);
    return fluid_synth_handle_midi_event(sinte, evento);
}

std::vector<char> LeerPieza(const std::filesystem::path& midi) {
    std::ifstream archivo(midi, std::ios::binary);
    std::vector<char> bytes;
    // The pieces are a few kilobytes; a file that is not one is refused before it is read whole.
    char cabecera[4] = {};
    if (!archivo.read(cabecera, 4) || std::string_view(cabecera, 4) != "MThd") return bytes;
    bytes.assign(cabecera, cabecera + 4);
    bytes.insert(bytes.end(), std::istreambuf_iterator<char>(archivo), {});
    return bytes;
}

}  // namespace

std::unique_ptr<Sintetizador> Sintetizador::Crear(const std::filesystem::path& soundFont,
                                                  int frecuencia) {
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
}

bool Sintetizador::Cargar(const std::filesystem::path& midi) {
    auto bytes = LeerPieza(midi);
    if (bytes.empty()) return false;
    std::lock_guard cerrado(cerrojo_);
    Soltar();
    reproductor_ = new_fluid_player(sinte_);
    if (reproductor_ &&
        fluid_player_add_mem(reproductor_, bytes.data(), bytes.size()) == FLUID_OK) {
        fluid_player_set_playback_callback(reproductor_, AlEvento, sinte_);
        return true;
    }
    Soltar();
    return false;
}

void Sintetizador::Tocar(int repeticiones) {
    std::lock_guard cerrado(cerrojo_);
    if (!reproductor_) return;
    fluid_player_stop(reproductor_);
    // Whatever the last play left sounding (notes, controllers, the reverb's tail) goes.
    fluid_synth_system_reset(sinte_);
    fluid_player_seek(reproductor_, 0);
    fluid_player_set_loop(reproductor_, repeticiones < 0 ? -1 : repeticiones);
    tocando_ = fluid_player_play(reproductor_) == FLUID_OK;
}

void Sintetizador::Parar() {
    std::lock_guard cerrado(cerrojo_);
    if (reproductor_) fluid_player_stop(reproductor_);
    tocando_ = false;
}

bool Sintetizador::Sonando() {
    std::lock_guard cerrado(cerrojo_);
    return tocando_;
}

void Sintetizador::Ganancia(double ganancia) {
    std::lock_guard cerrado(cerrojo_);
    fluid_synth_set_gain(sinte_, static_cast<float>(ganancia));
}

void Sintetizador::Rellenar(std::span<std::int16_t> estereo) {
    std::lock_guard cerrado(cerrojo_);
    if (!tocando_ || estereo.size() < 2) return;
    const int marcos = static_cast<int>(estereo.size() / 2);
    fluid_synth_write_s16(sinte_, marcos, estereo.data(), 0, 2, estereo.data(), 1, 2);
    // The piece's last event played: the reverb's tail is not rendered past it.
    if (fluid_player_get_status(reproductor_) != FLUID_PLAYER_PLAYING) tocando_ = false;
}

}  // namespace polvareda
