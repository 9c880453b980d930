// The sound device on SDL_mixer: wave samples on numbered channels, MIDI music through
// FluidSynth with a General MIDI SoundFont (Windows: the system's synthesiser; built with
// POLVAREDA_MUSICA_OGG, as for the web: the pieces rendered ahead to Ogg Vorbis).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "Audio.h"

namespace polvareda {

// The SoundFont for the music: any *.sf2 in the game's data folder `datos`, else in the
// program's folder (the first by name), else the usual system ones. Nothing when there is none.
std::optional<std::filesystem::path> BuscarSoundFont(const std::filesystem::path& carpetaJuego,
                                                     const std::filesystem::path& datos = {});

// Opens the device (44100 Hz, 16 bits, stereo) and allocates Audio::kCanales channels; nullptr
// when there is no sound device. Only one can be open at a time. The renderings of the pieces
// are MUS/Tema<n>.ogg in `datos`, the game's data folder (by default the data folder of
// `carpetaJuego`, the program's folder). `vida` keeps SDL itself alive for as long as the
// device is open.
std::unique_ptr<Audio> AbrirAudioSDL(const std::filesystem::path& carpetaJuego,
                                     std::shared_ptr<void> vida,
                                     const std::filesystem::path& datos = {});

}  // namespace polvareda
