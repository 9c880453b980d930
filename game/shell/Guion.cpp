// The headless script's reader: each line checked and turned into an event at its time.
#include "Guion.h"

#include <charconv>
#include <optional>
#include <span>

#include "Blancos.h"

namespace polvareda {

namespace {

// One advance may not pass more than a day; the whole script not more than a year.
constexpr std::int64_t kAvanceMaximo = 86'400'000;
constexpr std::int64_t kGuionMaximo = 365 * kAvanceMaximo;
constexpr int kCoordenadaMaxima = 100'000;

// The words of a command line; a word starting with '#' begins a comment.
std::vector<std::string_view> Palabras(std::string_view linea) {
    std::vector<std::string_view> palabras;
    std::size_t i = 0;
    while (i < linea.size()) {
        while (i < linea.size() && EsBlancoDeLinea(linea[i])) ++i;
        if (i >= linea.size() || linea[i] == '#') break;
        const std::size_t inicio = i;
        while (i < linea.size() && !EsBlancoDeLinea(linea[i])) ++i;
        palabras.push_back(linea.substr(inicio, i - inicio));
    }
    return palabras;
}

std::optional<std::int64_t> Numero(std::string_view palabra, std::int64_t minimo,
                                   std::int64_t maximo) {
    std::int64_t valor = 0;
    const auto [fin, error] =
        std::from_chars(palabra.data(), palabra.data() + palabra.size(), valor);
    if (error != std::errc{} || fin != palabra.data() + palabra.size()) return std::nullopt;
    if (valor < minimo || valor > maximo) return std::nullopt;
    return valor;
}

struct Lector {
    std::vector<std::string_view> palabras;
    std::string error;

    bool Cantidad(std::size_t minimo, std::size_t maximo, std::string_view uso) {
        const std::size_t n = palabras.size() - 1;
        if (n >= minimo && n <= maximo) return true;
        error = "expected: " + std::string(uso);
        return false;
    }

    // Word i as a number in [minimo, maximo]; absent optional words give `porDefecto`.
    std::optional<int> Entero(std::size_t i, std::int64_t minimo, std::int64_t maximo,
                              std::string_view que, std::optional<int> porDefecto = {}) {
        if (i >= palabras.size() && porDefecto) return porDefecto;
        const auto valor = Numero(palabras[i], minimo, maximo);
        if (!valor) {
            error = std::string(que) + " must be a whole number from " + std::to_string(minimo) +
                    " to " + std::to_string(maximo) + ", not '" + std::string(palabras[i]) + "'";
            return std::nullopt;
        }
        return static_cast<int>(*valor);
    }

    // Word i as one of `nombres` (exactly, lower case): its index.
    std::optional<int> Nombre(std::size_t i, std::span<const char* const> nombres,
                              std::string_view que) {
        for (std::size_t n = 0; n < nombres.size(); ++n) {
            if (palabras[i] == nombres[n]) return static_cast<int>(n);
        }
        error = std::string(que) + " must be one of";
        for (const char* nombre : nombres) error += std::string(" ") + nombre;
        error += ", not '" + std::string(palabras[i]) + "'";
        return std::nullopt;
    }
};

}  // namespace

std::variant<Guion, ErrorGuion> LeerGuion(std::string_view texto) {
    Guion guion;
    int numero = 0;
    int mandos = 0;  // controllers connected by the script so far; a run starts with none
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        std::size_t fin = texto.find('\n', inicio);
        if (fin == std::string_view::npos) fin = texto.size();
        const std::string_view linea = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
        ++numero;

        Lector l{Palabras(linea), {}};
        if (l.palabras.empty()) continue;
        const std::string_view orden = l.palabras[0];
        auto fallo = [&](std::string mensaje) { return ErrorGuion{numero, std::move(mensaje)}; };
        // The rest of the line after the command word: a file name may hold blanks.
        auto resto = [&] {
            const auto pos = static_cast<std::size_t>(orden.data() - linea.data()) + orden.size();
            return std::string(RecortarBlancos(linea.substr(pos)));
        };
        Evento evento;

        if (orden == "advance") {
            if (!l.Cantidad(1, 1, "advance MILLISECONDS")) return fallo(l.error);
            const auto ms = Numero(l.palabras[1], 0, kAvanceMaximo);
            if (!ms)
                return fallo("advance takes a whole number of milliseconds from 0 to " +
                             std::to_string(kAvanceMaximo));
            guion.finMs += *ms;
            if (guion.finMs > kGuionMaximo) return fallo("the script runs longer than a year");
            continue;
        } else if (orden == "keydown" || orden == "keyup" || orden == "keyrepeat") {
            if (!l.Cantidad(1, 2, std::string(orden) + " VK [SHIFT]")) return fallo(l.error);
            const auto tecla = l.Entero(1, 0, 255, "VK");
            const auto shift = tecla ? l.Entero(2, 0, 7, "SHIFT", 0) : std::nullopt;
            if (!shift) return fallo(l.error);
            evento.tipo = orden == "keyup" ? TipoEvento::TeclaSoltada : TipoEvento::TeclaPulsada;
            evento.repeticion = orden == "keyrepeat";  // a held key's repeated key-down
            evento.tecla = *tecla;
            evento.shift = *shift;
        } else if (orden == "mousedown" || orden == "mouseup") {
            if (!l.Cantidad(3, 4, std::string(orden) + " BUTTON X Y [SHIFT]"))
                return fallo(l.error);
            const auto boton = l.Entero(1, 1, 4, "BUTTON");
            if (boton && *boton == 3) return fallo("BUTTON must be 1, 2 or 4");
            const auto x =
                boton ? l.Entero(2, -kCoordenadaMaxima, kCoordenadaMaxima, "X") : std::nullopt;
            const auto y =
                x ? l.Entero(3, -kCoordenadaMaxima, kCoordenadaMaxima, "Y") : std::nullopt;
            const auto shift = y ? l.Entero(4, 0, 7, "SHIFT", 0) : std::nullopt;
            if (!shift) return fallo(l.error);
            evento.tipo =
                orden == "mousedown" ? TipoEvento::RatonPulsado : TipoEvento::RatonSoltado;
            evento.boton = *boton;
            evento.x = *x;
            evento.y = *y;
            evento.shift = *shift;
        } else if (orden == "png") {
            evento.tipo = TipoEvento::VolcarImagen;
            evento.archivo = resto();
            if (evento.archivo.empty()) return fallo("expected: png FILE");
        } else if (orden == "state") {
            evento.tipo = TipoEvento::VolcarEstado;
            evento.archivo = resto();
        } else if (orden == "sound" || orden == "music") {
            const bool efecto = orden == "sound";
            if (!l.Cantidad(1, 1, efecto ? "sound EFFECT" : "music PIECE")) return fallo(l.error);
            const auto cual = efecto ? l.Entero(1, 0, 23, "EFFECT") : l.Entero(1, 1, 3, "PIECE");
            if (!cual) return fallo(l.error);
            evento.tipo = efecto ? TipoEvento::TocarEfecto : TipoEvento::TocarMusica;
            evento.tecla = *cual;
        } else if (orden == "padconnect" || orden == "paddisconnect") {
            if (!l.Cantidad(0, 0, orden)) return fallo(l.error);
            const bool conectar = orden == "padconnect";
            if (!conectar && mandos == 0) return fallo("paddisconnect: no controller is connected");
            mandos += conectar ? 1 : -1;
            evento.tipo = conectar ? TipoEvento::MandoConectado : TipoEvento::MandoDesconectado;
        } else if (orden == "paddown" || orden == "padup" || orden == "padaxis") {
            const bool eje = orden == "padaxis";
            if (!l.Cantidad(eje ? 2 : 1, eje ? 2 : 1,
                            eje ? "padaxis AXIS VALUE" : std::string(orden) + " BUTTON"))
                return fallo(l.error);
            const auto cual = eje ? l.Nombre(1, kNombresEjeMando, "AXIS")
                                  : l.Nombre(1, kNombresBotonMando, "BUTTON");
            const auto valor = cual && eje ? l.Entero(2, -32768, 32767, "VALUE") : cual;
            if (!valor) return fallo(l.error);
            // Buttons and sticks only speak while a controller is there, as on the machine.
            if (mandos == 0)
                return fallo(std::string(orden) +
                             ": no controller is connected (padconnect first)");
            evento.tipo = eje                  ? TipoEvento::MandoEje
                          : orden == "paddown" ? TipoEvento::MandoPulsado
                                               : TipoEvento::MandoSoltado;
            evento.boton = *cual;
            if (eje) evento.x = *valor;
        } else if (orden == "focusout" || orden == "focusin") {
            if (!l.Cantidad(0, 0, orden)) return fallo(l.error);
            evento.tipo = orden == "focusout" ? TipoEvento::FocoPerdido : TipoEvento::FocoGanado;
        } else if (orden == "close") {
            if (!l.Cantidad(0, 0, "close")) return fallo(l.error);
            evento.tipo = TipoEvento::Cerrar;
        } else {
            return fallo("unknown command '" + std::string(orden) + "'");
        }
        guion.pasos.push_back({guion.finMs, std::move(evento)});
    }
    return guion;
}

}  // namespace polvareda
