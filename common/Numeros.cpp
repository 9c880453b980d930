// Number text as the game's files hold it.
#include "Numeros.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace polvareda {

namespace {

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}
bool EsExponente(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}
bool EsBlancoVal(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

// A decimal number taken apart: the digits of the mantissa with the position of the point,
// and the exponent. Both readers below fill it and hand it to Componer.
struct NumeroDecimal {
    bool negativo = false;
    std::string digitos;             // integer and fraction digits, point left out
    std::size_t digitosEnteros = 0;  // how many of them stand before the point
    bool negativoExponente = false;
    std::string digitosExponente;
};

// Saturates rather than overflows: an exponent beyond a billion is out of every range anyway.
long long ValorExponente(const std::string& digitos) {
    long long valor = 0;
    for (char c : digitos) {
        valor = valor * 10 + (c - '0');
        if (valor > 1'000'000'000) return 1'000'000'000;
    }
    return valor;
}

// Decimal text to double independently of the process locale (the setup program runs under
// the desktop's locale, where the decimal point may be a comma). A value too large for a double
// gives an infinity of its sign; one too small gives zero.
double Componer(const NumeroDecimal& n) {
    if (n.digitos.empty()) return 0;
    std::string texto = n.digitos.substr(0, n.digitosEnteros);
    if (texto.empty()) texto = "0";
    if (n.digitosEnteros < n.digitos.size()) {
        texto += '.';
        texto += n.digitos.substr(n.digitosEnteros);
    }
    if (!n.digitosExponente.empty()) {
        texto += n.negativoExponente ? "e-" : "e";
        texto += n.digitosExponente;
    }
    double valor = 0;
#ifdef __EMSCRIPTEN__
    // The web build's C++ library reads no floating-point text; its C library reads the same
    // digits the same way in every locale.
    errno = 0;
    char* fin = nullptr;
    valor = std::strtod(texto.c_str(), &fin);
    const std::errc error = errno == ERANGE ? std::errc::result_out_of_range : std::errc{};
#else
    auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor,
                                        std::chars_format::general);
#endif
    if (error == std::errc::result_out_of_range) {
        // The decimal magnitude tells an overflow from an underflow.
        const std::size_t primero = n.digitos.find_first_not_of('0');
        if (primero == std::string::npos) {
            valor = 0;
        } else {
            const long long exponente = ValorExponente(n.digitosExponente);
            const long long magnitud = static_cast<long long>(n.digitosEnteros) -
                                       static_cast<long long>(primero) +
                                       (n.negativoExponente ? -exponente : exponente);
            valor = magnitud > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    } else if (error != std::errc{}) {
        valor = 0;
    }
    static_cast<void>(fin);
    return n.negativo ? -valor : valor;
}

// &H and &O numbers: up to four digits' worth of value is a 16-bit integer and up to eight hex
// digits' worth a 32-bit one, so "&HFFFF" is -1 as the game's language always read it. A value
// beyond 32 bits is kept as the plain unsigned number instead of failing.
double ValBase(std::string_view texto, std::size_t i, unsigned base) {
    std::uint64_t valor = 0;
    bool desbordado = false;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (EsBlancoVal(c)) continue;
        unsigned cifra = 0;
        if (EsDigito(c)) {
            cifra = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            cifra = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            cifra = static_cast<unsigned>(c - 'A' + 10);
        } else {
            break;
        }
        if (cifra >= base) break;
        if (valor > (std::numeric_limits<std::uint64_t>::max() - cifra) / base) {
            desbordado = true;
        } else {
            valor = valor * base + cifra;
        }
    }
    if (desbordado) return std::numeric_limits<double>::infinity();
    if (valor <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(valor));
    if (valor <= 0xFFFFFFFF) return static_cast<std::int32_t>(static_cast<std::uint32_t>(valor));
    return static_cast<double>(valor);
}

template <typename Entero>
std::optional<Entero> Redondear(double valor) {
    if (!std::isfinite(valor)) return std::nullopt;
    double entero = std::floor(valor);
    const double resto = valor - entero;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(entero, 2.0) != 0.0)) entero += 1;
    if (entero < static_cast<double>(std::numeric_limits<Entero>::min()) ||
        entero > static_cast<double>(std::numeric_limits<Entero>::max())) {
        return std::nullopt;
    }
    return static_cast<Entero>(entero);
}

// Reads an optional sign and the digits around at most one decimal point into `n`, starting at
// `i`; returns where it stopped. Val passes over blanks among the digits, the conversion of a
// text does not.
std::size_t LeerMantisa(std::string_view texto, std::size_t i, bool saltarBlancos,
                        NumeroDecimal& n) {
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
        n.negativo = texto[i] == '-';
        ++i;
    }
    bool punto = false;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (saltarBlancos && EsBlancoVal(c)) continue;
        if (EsDigito(c)) {
            n.digitos += c;
            if (!punto) ++n.digitosEnteros;
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
    }
    return i;
}

}  // namespace

double Val(std::string_view texto) {
    std::size_t i = 0;
    auto saltarBlancos = [&] {
        while (i < texto.size() && EsBlancoVal(texto[i])) ++i;
    };
    saltarBlancos();
    if (i + 1 < texto.size() && texto[i] == '&') {
        const char prefijo = texto[i + 1];
        if (prefijo == 'h' || prefijo == 'H') return ValBase(texto, i + 2, 16);
        if (prefijo == 'o' || prefijo == 'O') return ValBase(texto, i + 2, 8);
        return 0;
    }

    NumeroDecimal n;
    i = LeerMantisa(texto, i, true, n);
    if (!n.digitos.empty() && i < texto.size() && EsExponente(texto[i])) {
        ++i;
        saltarBlancos();
        if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
            n.negativoExponente = texto[i] == '-';
            ++i;
        }
        for (; i < texto.size(); ++i) {
            if (EsBlancoVal(texto[i])) continue;
            if (!EsDigito(texto[i])) break;
            n.digitosExponente += texto[i];
        }
    }
    return Componer(n);
}

std::optional<std::int16_t> EnteroCorto(double valor) {
    return Redondear<std::int16_t>(valor);
}

std::optional<std::int32_t> EnteroLargo(double valor) {
    return Redondear<std::int32_t>(valor);
}

std::optional<std::int16_t> EnteroCorto(std::string_view texto) {
    while (!texto.empty() && EsBlanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EsBlanco(texto.back())) texto.remove_suffix(1);

    NumeroDecimal n;
    std::size_t i = LeerMantisa(texto, 0, false, n);
    if (n.digitos.empty()) return std::nullopt;
    if (i < texto.size() && EsExponente(texto[i])) {
        ++i;
        if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
            n.negativoExponente = texto[i] == '-';
            ++i;
        }
        while (i < texto.size() && EsDigito(texto[i])) n.digitosExponente += texto[i++];
        if (n.digitosExponente.empty()) return std::nullopt;
    }
    if (i != texto.size()) return std::nullopt;
    return EnteroCorto(Componer(n));
}

std::string Str(std::int64_t valor) {
    return valor < 0 ? std::to_string(valor) : " " + std::to_string(valor);
}

std::string LTrim(std::string_view texto) {
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    return std::string(texto);
}

}  // namespace polvareda
