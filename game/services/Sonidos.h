// The game's sound buffers and music pieces on the platform's sound device: the 24 effects
// `Efecto`(0..23), the seven buffers `EfectoPuerta`(0..6) that play copies of them (0-2 the
// three door slots, 3-6 the shots in rotation) and the three pieces `Tema` 1 to 3. With sound
// or music switched off, no device, or a file missing, every operation quietly does nothing.
#pragma once

#include <array>
#include <filesystem>
#include <memory>

#include "Audio.h"
#include "Plataforma.h"

namespace polvareda {

class Sonidos {
  public:
    static constexpr int kEfectos = 24;
    static constexpr int kBuffersPuerta = 7;
    static constexpr int kPrimerDisparo = 3;  // EfectoPuerta buffers 3 to 6 take the shots
    static constexpr int kUltimoDisparo = 6;
    static constexpr int kTemas = 3;

    // Buffer numbers: 0 to 23 are the effects, EfectoPuerta(i) the door and shot buffers.
    static constexpr int EfectoPuerta(int i) { return kEfectos + i; }

    // Opens the device when sound or music is on (with sound on and no device: one beep), and
    // loads snd0.tmp to snd23.tmp (sound) and mus1.tmp to mus3.tmp (music) from `carpeta`.
    // `datos`, the game's data folder, is where a device finds the pieces rendered ahead.
    void Preparar(Plataforma& plataforma, const std::filesystem::path& carpeta, bool sonido,
                  bool musica, const std::filesystem::path& datos = {});
    bool HayDispositivo() const { return audio_ != nullptr; }

    // Operations on one buffer (an effect or an EfectoPuerta).
    void Tocar(int buffer);         // once; a buffer already playing goes on as it is
    void TocarEnBucle(int buffer);  // looping; a buffer already looping goes on as it is
    void Parar(int buffer);
    void Rebobinar(int buffer);
    void TocarDesdeElPrincipio(int buffer);  // stopped, rewound and played once                  //
                                             // back to its start: a playing buffer starts again
    void Volumen(int buffer, int centesimasDb);  // 0 loudest, -10000 silent
    void Panoramica(int buffer, int pan);        // -10000 left, 0 centre, 10000 right
    bool Sonando(int buffer);

    // Door slot `slot` (0 to 2) plays a fresh copy of effect `efecto` once, panned to its door.
    void TocarEnPuerta(int slot, int efecto);
    // Pans the door slots' buffers left, centre and right.
    void SituarSonidos();
    // A fresh copy of `efecto` plays once on EfectoPuerta(CanalDisparo), without a pan of its
    // own; CanalDisparo moves on, 3, 4, 5, 6, 3...
    void TocarDisparo(int efecto);
    int CanalDisparo() const { return canalDisparo_; }

    // Starts piece `tema` (1 to 3) as the one playing: pieces 1 and 2 repeat without end,
    // piece 3 plays once.
    void TocarTema(int tema);
    void PararTema();

    // The player's levels, 0 to 100 per cent each (out of range: clamped), on top of every
    // level the game sets; applied at once and kept for the device.
    void Niveles(int efectos, int musica);
    int NivelEfectos() const { return nivelEfectos_; }
    int NivelMusica() const { return nivelMusica_; }
    // Everything silent while the window is away; the levels are kept for the return.
    void Silenciar(bool silencio);
    bool Silenciado() const { return silencio_; }
    // A short sound of our own that confirms a screenshot or a new level, on a channel of
    // its own, at the effects' level (nothing with sound switched off).
    void Confirmar();
    static constexpr int kCanalConfirmacion = kEfectos + kBuffersPuerta;

  private:
    struct Buffer {
        int muestra = -1;  // the sample it plays; -1: empty
        int volumen = 0;
        int pan = 0;
        bool enBucle = false;
    };
    static constexpr int kBuffers = kEfectos + kBuffersPuerta;

    Buffer* Valido(int buffer);  // the buffer when it exists and holds a sound
    void Copiar(int destino, int efecto);
    void Arrancar(int buffer, bool enBucle);

    std::unique_ptr<Audio> audio_;
    std::array<Buffer, kBuffers> buffers_{};
    std::array<bool, kTemas + 1> temas_{};
    int canalDisparo_ = kPrimerDisparo;
    void AplicarNiveles();

    bool sonido_ = false;
    int confirmacion_ = -2;  // its sample; -2 not loaded yet, -1 cannot be
    int nivelEfectos_ = 100;
    int nivelMusica_ = 100;
    bool silencio_ = false;
};

}  // namespace polvareda
