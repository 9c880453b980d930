// UTF-16 to UTF-8 and back, by hand, with unpaired surrogates turned into U+FFFD.
#include "TextoAncho.h"

namespace polvareda {

namespace {

constexpr char32_t kSustituto = 0xFFFD;

void AnadirUtf8(std::string& salida, char32_t c) {
    const auto byte = [&](char32_t b) { salida += static_cast<char>(b); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

void AnadirUtf16(std::u16string& salida, char32_t c) {
    if (c < 0x10000) {
        salida += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        salida += static_cast<char16_t>(0xD800 | (c >> 10));
        salida += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

bool EsAlto(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool EsBajo(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::string Utf8DeUtf16(std::u16string_view texto) {
    std::string salida;
    salida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char32_t c = texto[i];
        if (EsAlto(c) && i + 1 < texto.size() && EsBajo(texto[i + 1])) {
            AnadirUtf8(salida, 0x10000 + ((c - 0xD800) << 10) + (texto[i + 1] - 0xDC00));
            ++i;
        } else {
            AnadirUtf8(salida, EsAlto(c) || EsBajo(c) ? kSustituto : c);
        }
    }
    return salida;
}

std::u16string Utf16DeUtf8(std::string_view texto) {
    std::u16string salida;
    salida.reserve(texto.size());
    std::size_t i = 0;
    while (i < texto.size()) {
        const auto b = static_cast<unsigned char>(texto[i]);
        // The length the lead byte announces and the smallest value that length may carry.
        std::size_t largo = 0;
        char32_t c = 0, minimo = 0;
        if (b < 0x80) {
            largo = 1, c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            largo = 2, c = b & 0x1F, minimo = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            largo = 3, c = b & 0x0F, minimo = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            largo = 4, c = b & 0x07, minimo = 0x10000;
        } else {
            AnadirUtf16(salida, kSustituto);
            ++i;
            continue;
        }
        std::size_t j = 1;
        for (; j < largo && i + j < texto.size(); ++j) {
            const auto s = static_cast<unsigned char>(texto[i + j]);
            if ((s & 0xC0) != 0x80) break;
            c = (c << 6) | (s & 0x3F);
        }
        if (j < largo || c < minimo || c > 0x10FFFF || EsAlto(c) || EsBajo(c)) {
            // A cut or malformed sequence: one substitute, and reading goes on after the
            // bytes that still belonged to it.
            AnadirUtf16(salida, kSustituto);
            i += j;
            continue;
        }
        AnadirUtf16(salida, c);
        i += largo;
    }
    return salida;
}

}  // namespace polvareda
