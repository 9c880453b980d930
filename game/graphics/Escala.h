// The window's scale: window pixels per logical pixel, a fixed-point number with four decimals
// held as its value times 10000. Products with whole numbers are exact; a window coordinate is
// rounded once, at the end, to the nearest integer and at one half to the even one.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace polvareda {

class Escala {
  public:
    static constexpr std::int64_t kUnidad = 10000;

    constexpr Escala() = default;  // 1
    static constexpr Escala Diezmilesimas(std::int64_t valor) { return Escala(valor); }
    static constexpr Escala Entera(std::int64_t valor) { return Escala(valor * kUnidad); }
    // The nearest value with four decimals (ties to even), as the old fixed-point type stored it.
    static Escala Decimal(double valor) {
        const double d = std::nearbyint(valor * kUnidad);  // default rounding: ties to even
        if (!(d >= 0.0) || d > 1e12) return Escala();      // not a usable scale: keep 1
        return Escala(static_cast<std::int64_t>(d));
    }

    constexpr std::int64_t Valor() const { return valor_; }
    double Real() const { return static_cast<double>(valor_) / kUnidad; }
    // The largest whole number not above the scale.
    constexpr Escala Entero() const { return Escala(Piso(valor_) * kUnidad); }

    // Exact product s·v, in ten-thousandths.
    constexpr std::int64_t Por(std::int64_t v) const { return valor_ * v; }
    // round(s·v), the one rounding of a window coordinate.
    constexpr int Aplicar(std::int64_t v) const { return Redondear(Por(v)); }
    // round(m·(s·v)), the window coordinate of the extension-aware copies.
    constexpr int Aplicar(int m, std::int64_t v) const { return Redondear(Por(v) * m); }

    // Ten-thousandths to the nearest integer, halves to the even one, clamped to 32 bits.
    static constexpr int Redondear(std::int64_t diezmilesimas) {
        std::int64_t q = Piso(diezmilesimas);
        const std::int64_t resto = diezmilesimas - q * kUnidad;  // 0 .. 9999
        if (resto > kUnidad / 2 || (resto == kUnidad / 2 && (q & 1) != 0)) ++q;
        if (q > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
        if (q < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
        return static_cast<int>(q);
    }

    constexpr bool operator==(const Escala&) const = default;

  private:
    constexpr explicit Escala(std::int64_t valor) : valor_(valor) {}
    static constexpr std::int64_t Piso(std::int64_t v) {
        const std::int64_t q = v / kUnidad;
        return (v % kUnidad != 0 && v < 0) ? q - 1 : q;
    }

    std::int64_t valor_ = kUnidad;
};

}  // namespace polvareda
