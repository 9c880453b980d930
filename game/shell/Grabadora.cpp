#include "Grabadora.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace polvareda {

namespace {

std::string LineaDe(const Evento& e) {
    const auto n = [](int v) { return std::to_string(v); };
    switch (e.tipo) {
        case TipoEvento::TeclaPulsada:
            return "keydown " + n(e.tecla) + " " + n(e.shift);
        case TipoEvento::TeclaSoltada:
            return "keyup " + n(e.tecla) + " " + n(e.shift);
        case TipoEvento::RatonPulsado:
            return "mousedown " + n(e.boton) + " " + n(e.x) + " " + n(e.y) + " " + n(e.shift);
        case TipoEvento::RatonSoltado:
            return "mouseup " + n(e.boton) + " " + n(e.x) + " " + n(e.y) + " " + n(e.shift);
        case TipoEvento::Cerrar:
            return "close";
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
    : real_(real), archivo_(archivo), salida_(archivo, std::ios::binary | std::ios::trunc) {
    inicioReal_ = real_.AhoraMs();
    // Whole milliseconds, written and read back as the replay's command line reads them, so
    // both runs start from the very same number.
    char hora[32];
    std::snprintf(hora, sizeof hora, "%.3f",
                  std::floor(real_.SegundosDesdeMedianoche() * 1000.0) / 1000.0);
    horaInicial_ = std::strtod(hora, nullptr);
    salida_ << "# A game recorded by Polvareda. Replay it with\n"
            << "#   Polvareda --headless --carpeta FOLDER --guion " << archivo.filename().string()
            << " --hora " << hora << "\n"
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
    if (ahora_ > ultimaLinea_) salida_ << "advance " << ahora_ - ultimaLinea_ << "\n";
    salida_.close();
    bien_ = !salida_.fail();
    // The picture on show when the last input came, for whoever checks a replay.
    if (!ultimaImagen_.Empty()) {
        std::filesystem::path imagen = archivo_;
        imagen += ".png";
        bien_ = GuardarPng(ultimaImagen_, imagen) && bien_;
    }
    return bien_;
}

double PlataformaGrabadora::SegundosDesdeMedianoche() {
    return std::fmod(horaInicial_ + static_cast<double>(ahora_) / 1000.0, 86400.0);
}

void PlataformaGrabadora::Presentar(const Imagen& lienzo, std::span<const Rect> cambios) {
    lienzo_ = &lienzo;
    real_.Presentar(lienzo, cambios);
}

std::optional<Evento> PlataformaGrabadora::EsperarEvento(std::int64_t limiteMs) {
    // Input needs room strictly inside the wait: a poll, or a wait already at its end, takes
    // none (it comes with the next wait).
    while (limiteMs > ahora_ + 1) {
        auto evento = real_.EsperarEvento(inicioReal_ + limiteMs);
        if (!evento) break;
        const std::string linea = LineaDe(*evento);
        if (linea.empty()) continue;  // mouse moves and the like change nothing in the game
        const std::int64_t real = real_.AhoraMs() - inicioReal_;
        ahora_ = std::clamp(real, ahora_ + 1, limiteMs - 1);
        if (evento->tipo == TipoEvento::MandoConectado) ++mandos_;
        if (evento->tipo == TipoEvento::MandoDesconectado && mandos_ > 0) --mandos_;
        if (lienzo_) ultimaImagen_ = *lienzo_;
        if (ahora_ > ultimaLinea_) salida_ << "advance " << ahora_ - ultimaLinea_ << "\n";
        ultimaLinea_ = ahora_;
        salida_ << linea << "\n";
        salida_.flush();
        return evento;
    }
    ahora_ = std::max(ahora_, limiteMs);
    return std::nullopt;
}

}  // namespace polvareda
