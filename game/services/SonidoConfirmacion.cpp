// The confirmation sound, two short notes synthesised in code.
#include "SonidoConfirmacion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace polvareda {

namespace {

void Poner16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Poner32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    Poner16(b, v & 0xFFFF);
    Poner16(b, v >> 16);
}

void Poner(std::vector<std::uint8_t>& b, const char* etiqueta) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(etiqueta[i]));
}

}  // namespace

std::vector<std::uint8_t> WavConfirmacion() {
    constexpr int kFrecuencia = 44100;
    constexpr int kNota = kFrecuencia * 55 / 1000;  // 55 ms each
    constexpr double kTonos[2] = {1318.5, 1760.0};  // E6 then A6
    constexpr double kPico = 0.35;                  // about -9 dBFS
    std::vector<std::int16_t> muestras;
    for (double tono : kTonos) {
        for (int i = 0; i < kNota; ++i) {
            const double t = static_cast<double>(i) / kFrecuencia;
            // A 3 ms rise and an exponential fall: a click-free tick.
            const double envolvente = std::min(1.0, t / 0.003) * std::exp(-t / 0.02);
            const double v = kPico * envolvente * std::sin(2 * std::numbers::pi * tono * t);
            muestras.push_back(static_cast<std::int16_t>(std::lround(v * 32767)));
        }
    }
    const auto datos = static_cast<std::uint32_t>(muestras.size() * 2);
    std::vector<std::uint8_t> b;
    b.reserve(44 + datos);
    Poner(b, "RIFF");
    Poner32(b, 36 + datos);
    Poner(b, "WAVE");
    Poner(b, "fmt ");
    Poner32(b, 16);
    Poner16(b, 1);  // PCM
    Poner16(b, 1);  // mono
    Poner32(b, kFrecuencia);
    Poner32(b, kFrecuencia * 2);
    Poner16(b, 2);
    Poner16(b, 16);
    Poner(b, "data");
    Poner32(b, datos);
    for (std::int16_t m : muestras) Poner16(b, static_cast<std::uint16_t>(m));
    return b;
}

}  // namespace polvareda
