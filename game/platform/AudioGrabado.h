// The headless sound device: records every call and keeps time with the virtual clock, so a
// one-shot sound is "playing" for exactly the length of its wave file.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "Audio.h"
#include "PlataformaSinPantalla.h"

namespace polvareda {

// Length of a PCM wave file in milliseconds, from its "fmt " and "data" chunks; nothing when
// the bytes are not a wave file.
std::optional<std::int64_t> DuracionWavMs(std::span<const std::uint8_t> bytes);

class AudioGrabado : public Audio {
  public:
    explicit AudioGrabado(std::shared_ptr<PlataformaSinPantalla::Registro> registro);

    int CargarMuestra(const std::filesystem::path& wav) override;
    int CargarMuestra(std::span<const std::uint8_t> wav) override;
    void Tocar(int canal, int muestra, bool enBucle) override;
    void Parar(int canal) override;
    bool Sonando(int canal) override;
    void Volumen(int canal, int centesimasDb) override;
    void Panoramica(int canal, int pan) override;
    bool CargarTema(int numero, const std::filesystem::path& midi) override;
    void TocarTema(int numero, int repeticiones) override;
    void PararTema() override;
    void VolumenGeneral(double efectos, double musica) override;

  private:
    int Apuntar(std::optional<std::int64_t> duracion);
    void Anotar(std::string que, std::string detalle);

    std::shared_ptr<PlataformaSinPantalla::Registro> registro_;
    std::vector<std::int64_t> duraciones_;           // per sample
    std::array<std::int64_t, kCanales> finCanal_{};  // virtual time a channel falls silent
};

}  // namespace polvareda
