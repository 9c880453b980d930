#include "MusicaSintetizada.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "ArchivoAcotado.h"

namespace polvareda {
namespace {

// The pieces are a few kilobytes; a larger file is refused whole.
constexpr std::size_t kLimitePieza = 4 * 1024 * 1024;

}  // namespace

std::unique_ptr<MusicaSintetizada> MusicaSintetizada::Crear(const std::filesystem::path& soundFont,
                                                            int frecuencia, double gananciaPlena) {
    std::unique_ptr<MusicaSintetizada> m(
        new MusicaSintetizada(soundFont, frecuencia, gananciaPlena));
    m->vivo_ = Sintetizador::Crear(soundFont, frecuencia, gananciaPlena);
    if (!m->vivo_) return nullptr;
    return m;
}

MusicaSintetizada::MusicaSintetizada(std::filesystem::path soundFont, int frecuencia,
                                     double gananciaPlena)
    : soundFont_(std::move(soundFont)), frecuencia_(frecuencia), gananciaPlena_(gananciaPlena) {}

MusicaSintetizada::~MusicaSintetizada() {
    grabador_.request_stop();
    if (grabador_.joinable()) grabador_.join();
}

bool MusicaSintetizada::Cargar(int numero, const std::filesystem::path& midi) {
    const auto bytes = LeerArchivoAcotado(midi, kLimitePieza, Exceso::Rechazar);
    std::lock_guard cerrado(cerrojo_);
    if (numero == actual_) actual_ = 0;
    if (!bytes || bytes->empty()) {
        temas_.erase(numero);
        return false;
    }
    Tema& tema = temas_[numero];
    tema.midi.assign(bytes->begin(), bytes->end());
    tema.grabado.reset();
    tema.sinGrabar = false;
    ++tema.version;
    if (vivoTema_ == numero) vivoTema_ = 0;
    if (!grabando_) {
        // The renderer that finished last has returned or is about to; it is joined here.
        if (grabador_.joinable()) grabador_.join();
        grabando_ = true;
        grabador_ = std::jthread([this](std::stop_token parar) { Grabar(parar); });
    }
    return true;
}

void MusicaSintetizada::Tocar(int numero, int repeticiones) {
    std::unique_ptr<Sintetizador> nuevo;
    {
        std::lock_guard cerrado(cerrojo_);
        const auto tema = temas_.find(numero);
        if (tema == temas_.end()) return;
        if (tema->second.grabado || vivo_) {
            Empezar(numero, tema->second, repeticiones);
            return;
        }
    }
    // Every piece had been rendered and the synthesiser had gone; one was loaded again since.
    nuevo = Sintetizador::Crear(soundFont_, frecuencia_, gananciaPlena_ * escala_);
    std::lock_guard cerrado(cerrojo_);
    if (!vivo_) vivo_ = std::move(nuevo);
    const auto tema = temas_.find(numero);
    if (tema != temas_.end()) Empezar(numero, tema->second, repeticiones);
}

void MusicaSintetizada::Empezar(int numero, const Tema& tema, int repeticiones) {
    actual_ = numero;
    vueltas_ = repeticiones < 0 ? -1 : repeticiones;
    posicion_ = 0;
    repeticion_ = false;
    if (tema.grabado) return;
    if (!vivo_) {
        actual_ = 0;
        return;
    }
    if (vivoTema_ != numero) {
        vivo_->Cargar(tema.midi);
        vivoTema_ = numero;
    }
    vivo_->Empezar();
}

void MusicaSintetizada::Parar() {
    std::lock_guard cerrado(cerrojo_);
    actual_ = 0;
}

void MusicaSintetizada::Ganancia(double ganancia) {
    std::lock_guard cerrado(cerrojo_);
    escala_ = std::clamp(ganancia / gananciaPlena_, 0.0, 1.0);
    if (vivo_) vivo_->Ganancia(gananciaPlena_ * escala_);
}

bool MusicaSintetizada::Grabado(int numero) {
    std::lock_guard cerrado(cerrojo_);
    const auto tema = temas_.find(numero);
    return tema != temas_.end() && tema->second.grabado != nullptr;
}

void MusicaSintetizada::Copiar(std::span<const std::int16_t> origen,
                               std::span<std::int16_t> destino) const {
    if (escala_ >= 1.0) {
        std::memcpy(destino.data(), origen.data(), origen.size_bytes());
        return;
    }
    // Scaled down only, so nothing can pass full scale.
    for (std::size_t i = 0; i < origen.size(); ++i)
        destino[i] = static_cast<std::int16_t>(std::lround(origen[i] * escala_));
}

void MusicaSintetizada::MezclarCola(const Grabacion& grabado, std::size_t desde,
                                    std::span<std::int16_t> destino) const {
    const std::size_t cola = grabado.marcos - grabado.pieza;
    if (desde >= cola) return;
    const std::size_t n = std::min(destino.size(), 2 * (cola - desde));
    const std::size_t origen = 2 * (grabado.pieza + desde);
    for (std::size_t i = 0; i < n; ++i) {
        const long suma = destino[i] + std::lround(grabado.Muestra(origen + i) * escala_);
        destino[i] = static_cast<std::int16_t>(std::clamp<long>(suma, INT16_MIN, INT16_MAX));
    }
}

void MusicaSintetizada::Rellenar(std::span<std::int16_t> estereo) {
    std::lock_guard cerrado(cerrojo_);
    const std::size_t marcos = estereo.size() / 2;
    std::size_t hechos = 0;
    while (actual_ != 0 && hechos < marcos) {
        const auto tema = temas_.find(actual_);
        if (tema == temas_.end()) break;
        const auto resto = estereo.subspan(2 * hechos, 2 * (marcos - hechos));
        std::size_t n = 0;
        bool fin = false;
        bool cortada = false;  // the play ends at the piece's last event, before its fade
        if (const auto& grabado = tema->second.grabado) {
            // A piece that began live goes on from its rendering at the same frame. A play
            // that another follows ends at the piece's last event, in time; the last play keeps
            // its fade.
            const bool sigue = vueltas_ != 0 && grabado->pieza > 0;
            const std::size_t total = sigue ? grabado->pieza : grabado->marcos;
            n = std::min(resto.size() / 2, total - std::min(posicion_, total));
            for (std::size_t copiados = 0; copiados < n;) {
                const std::size_t p = posicion_ + copiados;
                const auto& tramo = grabado->tramos[p / kTramo];
                const std::size_t desde = p % kTramo;
                const std::size_t m = std::min(n - copiados, tramo.size() / 2 - desde);
                Copiar(std::span(tramo).subspan(2 * desde, 2 * m), resto.subspan(2 * copiados));
                copiados += m;
            }
            if (repeticion_ && grabado->pieza > 0)
                MezclarCola(*grabado, posicion_, resto.subspan(0, 2 * n));
            fin = posicion_ + n >= total;
            cortada = sigue;
        } else if (vivo_ && vivoTema_ == actual_) {
            n = vivo_->Sintetizar(resto);
            fin = n < resto.size() / 2;
        } else {
            actual_ = 0;
            break;
        }
        const bool vacia = n == 0 && posicion_ == 0;
        posicion_ += n;
        hechos += n;
        if (!fin) continue;
        // The piece ended inside these frames: again from the start, or silence after it.
        if (vacia || vueltas_ == 0) {
            actual_ = 0;
            break;
        }
        if (vueltas_ > 0) --vueltas_;
        posicion_ = 0;
        repeticion_ = cortada;
        if (!tema->second.grabado) vivo_->Empezar();
    }
}

void MusicaSintetizada::Grabar(std::stop_token parar) {
    std::unique_ptr<Sintetizador> sinte;
    for (;;) {
        int numero = 0;
        int version = 0;
        std::vector<char> midi;
        std::unique_ptr<Sintetizador> sobrante;
        {
            std::lock_guard cerrado(cerrojo_);
            for (const auto& [n, tema] : temas_) {
                if (!tema.grabado && !tema.sinGrabar) {
                    numero = n;
                    version = tema.version;
                    midi = tema.midi;
                    break;
                }
            }
            if (numero == 0) {
                // All is rendered: the live synthesiser and its SoundFont are no longer needed.
                const bool todos = std::all_of(temas_.begin(), temas_.end(),
                                               [](const auto& t) { return t.second.grabado; });
                if (todos) {
                    sobrante = std::move(vivo_);
                    vivoTema_ = 0;
                }
                grabando_ = false;
            }
        }
        if (numero == 0) {
            // The synthesisers go here, outside the lock, and the heap pages their many blocks
            // leave free go back to the system.
            sobrante.reset();
            sinte.reset();
#ifdef __GLIBC__
            malloc_trim(0);
#endif
            return;
        }
        if (!sinte) sinte = Sintetizador::Crear(soundFont_, frecuencia_, gananciaPlena_);
        auto grabacion = std::make_shared<Grabacion>();
        bool completo = false;
        if (sinte && sinte->Cargar(midi)) {
            sinte->Empezar();
            while (!parar.stop_requested() && grabacion->marcos <= kMarcosMaximos) {
                std::vector<std::int16_t> tramo(2 * kTramo);
                const std::size_t n = sinte->Sintetizar(tramo);
                if (n > 0) {
                    tramo.resize(2 * n);
                    tramo.shrink_to_fit();
                    grabacion->tramos.push_back(std::move(tramo));
                    grabacion->marcos += n;
                }
                if (n < kTramo) {
                    completo = grabacion->marcos > 0;
                    grabacion->pieza = std::min(sinte->MarcosPieza(), grabacion->marcos);
                    break;
                }
            }
        }
        if (parar.stop_requested()) {
            std::lock_guard cerrado(cerrojo_);
            grabando_ = false;
            return;
        }
        std::lock_guard cerrado(cerrojo_);
        const auto tema = temas_.find(numero);
        if (tema == temas_.end() || tema->second.version != version) continue;
        if (completo)
            tema->second.grabado = std::move(grabacion);
        else
            tema->second.sinGrabar = true;  // too long or unreadable: it plays live
    }
}

}  // namespace polvareda
