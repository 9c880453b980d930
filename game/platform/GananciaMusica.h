// The synthesiser's gain for the music, shared by the sound device, which sets it from the
// player's music volume, and the tool that renders the pieces ahead at full music volume.
#pragma once

namespace polvareda {

// The mixer's full volume for a channel or the music.
constexpr int kVolumenPleno = 128;

// The synthesiser's gain for a music level of the mixer, as the mixer's own MIDI player sets it
// (full volume is a gain of 1.2), so the pieces keep the level they were balanced at.
constexpr double GananciaSintetizador(int nivel) {
    return nivel * 1.2 / kVolumenPleno;
}

// The music's level at the player's full music volume: a quarter of the mixer's full volume,
// halved for the mix's headroom (see where AudioSDL opens the device).
constexpr int kNivelMusicaPleno = 16;

// What the pieces rendered ahead are made with: the gain the synthesiser plays at when the
// music volume is full, so a rendering played at the mixer's full volume sounds as the
// synthesiser does.
constexpr double kGananciaGrabada = GananciaSintetizador(kNivelMusicaPleno);

}  // namespace polvareda
