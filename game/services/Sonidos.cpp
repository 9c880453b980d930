// Sound buffers and music pieces. Each buffer is one channel of the device: the effects on
// channels 0 to 23, EfectoPuerta(i) on channel 24 + i, so they all sound independently.
#include "Sonidos.h"

#include <algorithm>

#include "ArchivosDatos.h"
#include "SonidoConfirmacion.h"

namespace polvareda {

namespace fs = std::filesystem;

void Sonidos::Preparar(Plataforma& plataforma, const fs::path& carpeta, bool sonido, bool musica,
                       const fs::path& datos) {
    if (!sonido && !musica) return;
    sonido_ = sonido;
    audio_ = plataforma.AbrirAudio(datos);
    if (!audio_) {
        if (sonido) plataforma.Pitido();
        return;
    }
    if (sonido) {
        for (int i = 0; i < kEfectos; ++i) {
            const fs::path archivo = carpeta / NombreTemporalEfecto(i);
            std::error_code error;
            if (!fs::is_regular_file(archivo, error)) continue;
            buffers_[static_cast<std::size_t>(i)].muestra = audio_->CargarMuestra(archivo);
        }
    }
    if (musica) {
        for (int n = 1; n <= kTemas; ++n) {
            const fs::path archivo = carpeta / NombreTemporalTema(n);
            std::error_code error;
            if (!fs::is_regular_file(archivo, error)) continue;
            temas_[static_cast<std::size_t>(n)] = audio_->CargarTema(n, archivo);
        }
    }
}

Sonidos::Buffer* Sonidos::Valido(int buffer) {
    if (!audio_ || buffer < 0 || buffer >= kBuffers) return nullptr;
    Buffer& b = buffers_[static_cast<std::size_t>(buffer)];
    return b.muestra >= 0 ? &b : nullptr;
}

void Sonidos::Arrancar(int buffer, bool enBucle) {
    Buffer* b = Valido(buffer);
    if (!b) return;
    b->enBucle = enBucle;
    audio_->Tocar(buffer, b->muestra, enBucle);
}

void Sonidos::Tocar(int buffer) {
    Buffer* b = Valido(buffer);
    // Playing a buffer that is already playing does not start it again; only Rebobinar does.
    if (!b || (audio_->Sonando(buffer) && !b->enBucle)) return;
    Arrancar(buffer, false);
}

void Sonidos::TocarEnBucle(int buffer) {
    Buffer* b = Valido(buffer);
    if (!b || (audio_->Sonando(buffer) && b->enBucle)) return;
    Arrancar(buffer, true);
}

void Sonidos::Parar(int buffer) {
    if (Valido(buffer)) audio_->Parar(buffer);
}

void Sonidos::Rebobinar(int buffer) {
    // A stopped buffer starts from the top the next time it plays anyway.
    Buffer* b = Valido(buffer);
    if (b && audio_->Sonando(buffer)) Arrancar(buffer, b->enBucle);
}

void Sonidos::TocarDesdeElPrincipio(int buffer) {
    Parar(buffer);
    Rebobinar(buffer);
    Tocar(buffer);
}

void Sonidos::Volumen(int buffer, int centesimasDb) {
    Buffer* b = Valido(buffer);
    if (!b) return;
    b->volumen = centesimasDb;
    audio_->Volumen(buffer, centesimasDb);
}

void Sonidos::Panoramica(int buffer, int pan) {
    Buffer* b = Valido(buffer);
    if (!b) return;
    b->pan = pan;
    audio_->Panoramica(buffer, pan);
}

bool Sonidos::Sonando(int buffer) {
    return Valido(buffer) && audio_->Sonando(buffer);
}

void Sonidos::Copiar(int destino, int efecto) {
    // A missing effect leaves the buffer as it was; nothing is copied and nothing will play.
    const Buffer* original = (efecto >= 0 && efecto < kEfectos) ? Valido(efecto) : nullptr;
    if (!original || destino < kEfectos || destino >= kBuffers) return;
    Buffer& copia = buffers_[static_cast<std::size_t>(destino)];
    const Buffer antes = copia;
    // The fresh copy replaces the one playing there and takes the effect's volume and pan.
    if (antes.muestra >= 0) audio_->Parar(destino);
    copia = *original;
    copia.enBucle = false;
    if (antes.muestra < 0 || antes.volumen != copia.volumen)
        audio_->Volumen(destino, copia.volumen);
    if (antes.muestra < 0 || antes.pan != copia.pan) audio_->Panoramica(destino, copia.pan);
}

void Sonidos::TocarEnPuerta(int slot, int efecto) {
    if (slot < 0 || slot > 2 || !Valido(efecto) || efecto >= kEfectos) return;
    Copiar(EfectoPuerta(slot), efecto);
    SituarSonidos();
    Arrancar(EfectoPuerta(slot), false);
}

void Sonidos::SituarSonidos() {
    constexpr int kPan[3] = {-10000, 0, 10000};
    for (int slot = 0; slot < 3; ++slot) Panoramica(EfectoPuerta(slot), kPan[slot]);
}

void Sonidos::TocarDisparo(int efecto) {
    const int buffer = EfectoPuerta(canalDisparo_);
    // The rotation moves on even when there is nothing to play, as the count does in the game.
    canalDisparo_ = canalDisparo_ == kUltimoDisparo ? kPrimerDisparo : canalDisparo_ + 1;
    if (efecto < 0 || efecto >= kEfectos || !Valido(efecto)) return;
    Copiar(buffer, efecto);
    Arrancar(buffer, false);
}

void Sonidos::TocarTema(int tema) {
    if (!audio_ || tema < 1 || tema > kTemas || !temas_[static_cast<std::size_t>(tema)]) return;
    audio_->TocarTema(tema, tema == kTemas ? 0 : -1);
}

void Sonidos::PararTema() {
    if (audio_) audio_->PararTema();
}

void Sonidos::Niveles(int efectos, int musica) {
    efectos = std::clamp(efectos, 0, 100);
    musica = std::clamp(musica, 0, 100);
    // The device starts at full level: nothing to tell it until a level changes.
    if (efectos == nivelEfectos_ && musica == nivelMusica_) return;
    nivelEfectos_ = efectos;
    nivelMusica_ = musica;
    AplicarNiveles();
}

void Sonidos::Silenciar(bool silencio) {
    if (silencio == silencio_) return;
    silencio_ = silencio;
    AplicarNiveles();
}

// A per cent level as a gain: its square, so that equal steps sound like equal steps (half
// way is about 12 dB down).
void Sonidos::AplicarNiveles() {
    if (!audio_) return;
    const auto ganancia = [this](int nivel) {
        return silencio_ ? 0.0 : (nivel / 100.0) * (nivel / 100.0);
    };
    audio_->VolumenGeneral(ganancia(nivelEfectos_), ganancia(nivelMusica_));
}

void Sonidos::Confirmar() {
    if (!audio_ || !sonido_) return;
    if (confirmacion_ == -2) confirmacion_ = audio_->CargarMuestra(WavConfirmacion());
    if (confirmacion_ >= 0) audio_->Tocar(kCanalConfirmacion, confirmacion_, false);
}

}  // namespace polvareda
