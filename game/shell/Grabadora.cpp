#include "Grabadora.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace polvareda {

namespace {

std::string LineaDe(const Evento& e) {
    const auto n = [](int v) { return std::to_string(v); };
    switch (e.tipo) {
        case TipoEvento::TeclaPulsada:
            // A held key's repeats replay as repeats: a held fire key must not shoot.
            return (e.repeticion ? "keyrepeat " : "keydown ") + n(e.tecla) + " " + n(e.shift);
        case TipoEvento::TeclaSoltada:
            return "keyup " + n(e.tecla) + " " + n(e.shift);
        case TipoEvento::RatonPulsado:
            return "mousedown " + n(e.boton) + " " + n(e.x) + " " + n(e.y) + " " + n(e.shift);
        case TipoEvento::RatonSoltado:
            return "mouseup " + n(e.boton) + " " + n(e.x) + " " + n(e.y) + " " + n(e.shift);
        case TipoEvento::Cerrar:
            return "close";
        case TipoEvento::FocoPerdido:
            return "focusout";
        case TipoEvento::FocoGanado:
            return "focusin";
        case TipoEvento::MandoConectado:
            return "padconnect";
        case TipoEvento::MandoDesconectado:
            return "paddisconnect";
        case TipoEvento::MandoPulsado:
        case TipoEvento::MandoSoltado:
            if (e.boton < 0 || e.boton >= kBotonesMando) return "";
            return std::string(e.tipo == TipoEvento::MandoPulsado ? "paddown " : "padup ") +
                   kNombresBotonMando[e.boton];
        case TipoEvento::MandoEje:
            if (e.boton < 0 || e.boton >= kEjesMando) return "";
            return std::string("padaxis ") + kNombresEjeMando[e.boton] + " " + n(e.x);
        default:
            return "";
    }
}

}  // namespace

PlataformaGrabadora::PlataformaGrabadora(Plataforma& real, const std::filesystem::path& archivo)
    : real_(real), salida_(archivo, std::ios::binary | std::ios::trunc) {
    // The time of day in whole milliseconds, exactly as the replay's command line reads it.
    const std::int64_t hora = real_.HoraInicialMs();
    char texto[32];
    std::snprintf(texto, sizeof texto, "%lld.%03lld", static_cast<long long>(hora / 1000),
                  static_cast<long long>(hora % 1000));
    salida_ << "# A game recorded by Polvareda. Replay it with\n"
            << "#   Polvareda --headless --carpeta FOLDER --guion " << archivo.filename().string()
            << " --hora " << texto << "\n"
            << "# on a copy of the game folder it was played in.\n";
    salida_.flush();
}

PlataformaGrabadora::~PlataformaGrabadora() {
    Cerrar();
}

bool PlataformaGrabadora::Cerrar() {
    if (cerrada_) return bien_;
    cerrada_ = true;
    // The script ends when the run did, so a replay runs as long.
    const std::int64_t ahora = real_.AhoraMs();
    if (ahora > ultimaLinea_) salida_ << "advance " << ahora - ultimaLinea_ << "\n";
    salida_.close();
    bien_ = !salida_.fail();
    return bien_;
}

std::optional<Evento> PlataformaGrabadora::EsperarEvento(std::int64_t limiteMs) {
    auto evento = real_.EsperarEvento(limiteMs);
    if (!evento) return evento;
    const std::string linea = LineaDe(*evento);
    if (linea.empty()) return evento;
    if (evento->tipo == TipoEvento::MandoConectado) ++mandos_;
    if (evento->tipo == TipoEvento::MandoDesconectado && mandos_ > 0) --mandos_;
    // Events of the same millisecond follow each other with no advance between them, so the
    // replay keeps their order.
    const std::int64_t ahora = real_.AhoraMs();
    if (ahora > ultimaLinea_) salida_ << "advance " << ahora - ultimaLinea_ << "\n";
    ultimaLinea_ = std::max(ultimaLinea_, ahora);
    salida_ << linea << "\n";
    salida_.flush();
    return evento;
}

}  // namespace polvareda
