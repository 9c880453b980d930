// Conversions between Windows-1252, UTF-8 and UTF-16 for profile files saved by other editors.
#include "Codificacion.h"

#include <array>
#include <cstdint>

namespace polvareda {

namespace {

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kMarcaUtf16Le = "\xFF\xFE";
constexpr std::string_view kMarcaUtf16Be = "\xFE\xFF";
constexpr char32_t kInvalido = 0xFFFFFFFF;

// Bytes 0x80 to 0x9F of the code page; the five it leaves undefined stand for the control
// characters of the same number, as the system's own conversion has them.
constexpr std::array<char32_t, 32> k80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char A1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < k80a9F.size(); ++i) {
        if (k80a9F[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

char32_t De1252(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? k80a9F[b - 0x80u] : b;
}

// The next character of UTF-8 text from `i`; kInvalido for a broken sequence, of which one
// byte is consumed.
char32_t SiguienteUtf8(std::string_view t, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(t[i++]);
    if (b0 < 0x80) return b0;
    int resto = 0;
    char32_t c = 0;
    char32_t minimo = 0;
    if ((b0 & 0xE0) == 0xC0) {
        resto = 1, c = b0 & 0x1Fu, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        resto = 2, c = b0 & 0x0Fu, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        resto = 3, c = b0 & 0x07u, minimo = 0x10000;
    } else {
        return kInvalido;
    }
    std::size_t j = i;
    for (int k = 0; k < resto; ++k, ++j) {
        if (j >= t.size() || (static_cast<unsigned char>(t[j]) & 0xC0) != 0x80) return kInvalido;
        c = (c << 6) | (static_cast<unsigned char>(t[j]) & 0x3Fu);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kInvalido;
    i = j;
    return c;
}

void AnadirUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next character of UTF-16 text from `i`; kInvalido for a lone surrogate or a last odd
// byte.
char32_t SiguienteUtf16(std::string_view t, std::size_t& i, bool grande) {
    const auto unidad = [&](std::size_t k) -> char32_t {
        const auto a = static_cast<unsigned char>(t[k]);
        const auto b = static_cast<unsigned char>(t[k + 1]);
        return grande ? (char32_t{a} << 8 | b) : (char32_t{b} << 8 | a);
    };
    if (i + 1 >= t.size()) {
        i = t.size();
        return kInvalido;
    }
    const char32_t u = unidad(i);
    i += 2;
    if (u < 0xD800 || u > 0xDFFF) return u;
    if (u >= 0xDC00 || i + 1 >= t.size()) return kInvalido;
    const char32_t v = unidad(i);
    if (v < 0xDC00 || v > 0xDFFF) return kInvalido;
    i += 2;
    return 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00);
}

void AnadirUtf16(std::string& s, char32_t c, bool grande) {
    const auto unidad = [&](char32_t u) {
        const auto alto = static_cast<char>(u >> 8);
        const auto bajo = static_cast<char>(u & 0xFF);
        s += grande ? alto : bajo;
        s += grande ? bajo : alto;
    };
    if (c < 0x10000) {
        unidad(c);
    } else {
        unidad(0xD800 + ((c - 0x10000) >> 10));
        unidad(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

}  // namespace

Codificacion CodificacionDe(std::string_view texto) {
    if (texto.starts_with(kMarcaUtf8)) return Codificacion::Utf8ConMarca;
    if (texto.starts_with(kMarcaUtf16Le)) return Codificacion::Utf16LeConMarca;
    if (texto.starts_with(kMarcaUtf16Be)) return Codificacion::Utf16BeConMarca;
    return Codificacion::Windows1252;
}

std::string AWindows1252(std::string_view texto) {
    const Codificacion codificacion = CodificacionDe(texto);
    std::string resultado;
    if (codificacion == Codificacion::Windows1252) return std::string(texto);
    resultado.reserve(texto.size());
    if (codificacion == Codificacion::Utf8ConMarca) {
        for (std::size_t i = kMarcaUtf8.size(); i < texto.size();) {
            const char32_t c = SiguienteUtf8(texto, i);
            resultado += c == kInvalido ? '?' : A1252(c);
        }
        return resultado;
    }
    const bool grande = codificacion == Codificacion::Utf16BeConMarca;
    for (std::size_t i = 2; i < texto.size();) {
        const char32_t c = SiguienteUtf16(texto, i, grande);
        resultado += c == kInvalido ? '?' : A1252(c);
    }
    return resultado;
}

std::string Windows1252AUtf8(std::string_view texto) {
    std::string resultado;
    resultado.reserve(texto.size());
    for (const char b : texto) AnadirUtf8(resultado, De1252(static_cast<unsigned char>(b)));
    return resultado;
}

std::optional<std::string> Utf16AUtf8(std::string_view texto) {
    const Codificacion codificacion = CodificacionDe(texto);
    if (codificacion != Codificacion::Utf16LeConMarca &&
        codificacion != Codificacion::Utf16BeConMarca) {
        return std::nullopt;
    }
    const bool grande = codificacion == Codificacion::Utf16BeConMarca;
    std::string resultado(kMarcaUtf8);
    for (std::size_t i = 2; i < texto.size();) {
        const char32_t c = SiguienteUtf16(texto, i, grande);
        if (c == kInvalido) return std::nullopt;
        AnadirUtf8(resultado, c);
    }
    return resultado;
}

std::optional<std::string> Utf8AUtf16(std::string_view utf8ConMarca, Codificacion destino) {
    if (!utf8ConMarca.starts_with(kMarcaUtf8)) return std::nullopt;
    const bool grande = destino == Codificacion::Utf16BeConMarca;
    std::string resultado(grande ? kMarcaUtf16Be : kMarcaUtf16Le);
    for (std::size_t i = kMarcaUtf8.size(); i < utf8ConMarca.size();) {
        const char32_t c = SiguienteUtf8(utf8ConMarca, i);
        if (c == kInvalido) return std::nullopt;
        AnadirUtf16(resultado, c, grande);
    }
    return resultado;
}

}  // namespace polvareda
