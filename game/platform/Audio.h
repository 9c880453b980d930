// The sound and music device the game talks to. Each sound buffer of the game is one channel:
// the 24 effects and the seven door and shot buffers all play independently.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace polvareda {

class Audio {
  public:
    virtual ~Audio() = default;

    // Sounds: a loaded wave file is a "sample"; playing it happens on a numbered channel.
    static constexpr int kCanales = 32;
    virtual int CargarMuestra(const std::filesystem::path& wav) = 0;   // -1 when it cannot load
    virtual int CargarMuestra(std::span<const std::uint8_t> wav) = 0;  // a wave file's bytes
    virtual void Tocar(int canal, int muestra, bool enBucle) = 0;      // (re)starts from the top
    virtual void Parar(int canal) = 0;
    virtual bool Sonando(int canal) = 0;
    // Volume in hundredths of a decibel, 0 loudest, -10000 silent (gain 10^(v/2000)).
    virtual void Volumen(int canal, int centesimasDb) = 0;
    // Pan from -10000 (left only) through 0 (centre) to 10000 (right only).
    virtual void Panoramica(int canal, int pan) = 0;

    // Music: up to three standard MIDI pieces, one playing at a time.
    virtual bool CargarTema(int numero, const std::filesystem::path& midi) = 0;
    virtual void TocarTema(int numero, int repeticiones) = 0;  // repeticiones -1: for ever
    virtual void PararTema() = 0;

    // The player's levels on top of every channel's own volume and of the music: linear gains
    // from 0 (silent) to 1 (as the game sets them).
    virtual void VolumenGeneral(double efectos, double musica) = 0;
};

}  // namespace polvareda
