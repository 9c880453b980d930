// Recorded calls: "presentacion" "<w>x<h>", "quitar_presentacion" "", "pantalla" "<w>x<h>
// completa|ventana[ 4:3][ relleno]", "pantalla_completa" "1|0" (Alt+Enter), "cerrar_pantalla" "",
// "puntero_ocupado" "1|0", "cursor" "<count>", "confinar" "<x> <y> <w> <h>" or "libre",
// "salvapantallas" "1|0", "lampara" "<vk>=1|0" (only when a lamp changes), "programa" "<path>
// <args...>", "documento" "<path or link>", "mensaje" "<title>: <text>", "pitido" "", "audio"
// "abrir|sin dispositivo".
#include "PlataformaSinPantalla.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "AudioGrabado.h"
#include "Encaje.h"
#include "Teclas.h"

namespace polvareda {
namespace {

constexpr int kLadoMaximo = 16384;

std::string Tamanos(int ancho, int alto) {
    return std::to_string(ancho) + "x" + std::to_string(alto);
}

}  // namespace

PlataformaSinPantalla::PlataformaSinPantalla(double horaInicial, Tamano escritorio)
    : horaInicialMs_(std::llround(horaInicial * 1000.0) % kMsPorDia),
      escritorio_(escritorio),
      registro_(std::make_shared<Registro>()) {}

PlataformaSinPantalla::~PlataformaSinPantalla() = default;

const std::vector<Llamada>& PlataformaSinPantalla::Llamadas() const {
    return registro_->llamadas;
}

void PlataformaSinPantalla::Anotar(std::string que, std::string detalle) {
    registro_->Anotar(std::move(que), std::move(detalle));
}

void PlataformaSinPantalla::Encolar(std::int64_t enMs, Evento evento) {
    enMs = std::max(enMs, ultimoGuion_);
    ultimoGuion_ = enMs;
    guion_.push_back({enMs, std::move(evento)});
}

void PlataformaSinPantalla::Insertar(std::int64_t enMs, Evento evento) {
    enMs = std::max(enMs, registro_->ahora);
    auto donde = std::find_if(guion_.begin(), guion_.end(),
                              [enMs](const Pendiente& p) { return p.enMs > enMs; });
    guion_.insert(donde, {enMs, std::move(evento)});
    ultimoGuion_ = std::max(ultimoGuion_, enMs);
}

std::int64_t PlataformaSinPantalla::AhoraMs() {
    return registro_->ahora;
}

std::string PlataformaSinPantalla::FechaYHora() {
    const auto s = static_cast<int>(HoraDelDiaMs() / 1000);
    char texto[32];
    std::snprintf(texto, sizeof texto, "20000101-%02d%02d%02d", s / 3600 % 24, s / 60 % 60, s % 60);
    return texto;
}

std::optional<Evento> PlataformaSinPantalla::Entregar(std::int64_t enMs, Evento evento) {
    registro_->ahora = std::max(registro_->ahora, enMs);
    const bool tecla =
        evento.tipo == TipoEvento::TeclaPulsada || evento.tipo == TipoEvento::TeclaSoltada;
    if (tecla && evento.tecla >= 0 && evento.tecla < 256) {
        auto& byte = teclas_[static_cast<std::size_t>(evento.tecla)];
        byte = evento.tipo == TipoEvento::TeclaPulsada ? (byte | 0x80) : (byte & 0x7F);
    }
    // Plugging changes the count before the game hears of it, as on the machine.
    if (evento.tipo == TipoEvento::MandoConectado) ++joysticks_;
    if (evento.tipo == TipoEvento::MandoDesconectado) joysticks_ = std::max(0, joysticks_ - 1);
    return evento;
}

std::optional<Evento> PlataformaSinPantalla::EsperarEvento(std::int64_t limiteMs) {
    std::int64_t& ahora = registro_->ahora;
    // A deadline already past still lets due events through, like a poll.
    const std::int64_t tope = std::max(limiteMs, ahora);
    if (!guion_.empty()) {
        if (guion_.front().enMs > tope) {
            ahora = tope;
            return std::nullopt;
        }
        Pendiente siguiente = std::move(guion_.front());
        guion_.pop_front();
        return Entregar(siguiente.enMs, std::move(siguiente.evento));
    }
    const std::int64_t debido =
        finesEntregados_ == 0 ? ultimoGuion_ : ultimoFin_ + kRepeticionFinMs;
    if (debido > tope) {
        ahora = tope;
        return std::nullopt;
    }
    if (finesEntregados_ >= kFinesMaximos) {
        throw std::runtime_error(
            "headless run: the script ended long ago and the game still waits");
    }
    ++finesEntregados_;
    ultimoFin_ = std::max(ahora, debido);
    Evento fin;
    fin.tipo = TipoEvento::FinDelGuion;
    return Entregar(ultimoFin_, std::move(fin));
}

Tamano PlataformaSinPantalla::Escritorio() {
    return escritorio_;
}

bool PlataformaSinPantalla::MostrarPresentacion(const Imagen& cuadro) {
    Anotar("presentacion", Tamanos(cuadro.Width(), cuadro.Height()));
    presentacionVisible_ = !cuadro.Empty();
    return presentacionVisible_;
}

void PlataformaSinPantalla::QuitarPresentacion() {
    Anotar("quitar_presentacion", "");
    presentacionVisible_ = false;
}

bool PlataformaSinPantalla::AbrirPantalla(const Pantalla& pantalla) {
    const Tamano l = pantalla.lienzo;
    const AjustePantalla& a = pantalla.ajuste;
    Anotar("pantalla", Tamanos(l.ancho, l.alto) +
                           (pantalla.pantallaCompleta ? " completa" : " ventana") +
                           (a.proporcion.ancho > 0 ? " " + std::to_string(a.proporcion.ancho) +
                                                         ":" + std::to_string(a.proporcion.alto)
                                                   : "") +
                           (a.nitido ? "" : " relleno"));
    if (l.ancho <= 0 || l.alto <= 0 || l.ancho > kLadoMaximo || l.alto > kLadoMaximo) return false;
    pantallaCompleta_ = pantalla.pantallaCompleta;
    ajuste_ = a;
    ventana_ = Imagen(l.ancho, l.alto);
    pantallaAbierta_ = true;
    return true;
}

void PlataformaSinPantalla::CerrarPantalla() {
    Anotar("cerrar_pantalla", "");
    pantallaAbierta_ = false;
}

void PlataformaSinPantalla::Presentar(const Imagen& lienzo, std::span<const Rect> cambios) {
    if (!pantallaAbierta_) return;
    ++presentaciones_;
    const Tamano limite{std::min(lienzo.Width(), ventana_.Width()),
                        std::min(lienzo.Height(), ventana_.Height())};
    for (const Rect& cambio : cambios) {
        const Rect r = Recortar(cambio, limite);
        for (int y = r.y; y < r.y + r.h; ++y) {
            std::copy_n(lienzo.Row(y) + r.x, r.w, ventana_.Row(y) + r.x);
        }
    }
}

bool PlataformaSinPantalla::AlternarPantallaCompleta() {
    if (!pantallaAbierta_) return false;
    pantallaCompleta_ = !pantallaCompleta_;
    Anotar("pantalla_completa", pantallaCompleta_ ? "1" : "0");
    return pantallaCompleta_;
}

void PlataformaSinPantalla::PunteroOcupado(bool ocupado) {
    Anotar("puntero_ocupado", ocupado ? "1" : "0");
}

int PlataformaSinPantalla::MostrarCursor(bool mostrar) {
    contadorCursor_ += mostrar ? 1 : -1;
    Anotar("cursor", std::to_string(contadorCursor_));
    return contadorCursor_;
}

void PlataformaSinPantalla::ConfinarCursor(std::optional<Rect> zona) {
    if (!zona) {
        Anotar("confinar", "libre");
        return;
    }
    Anotar("confinar", std::to_string(zona->x) + " " + std::to_string(zona->y) + " " +
                           std::to_string(zona->w) + " " + std::to_string(zona->h));
}

void PlataformaSinPantalla::SalvapantallasActivo(bool activo) {
    Anotar("salvapantallas", activo ? "1" : "0");
}

void PlataformaSinPantalla::LeerEstadoTeclas(EstadoTeclas& estado) {
    estado = teclas_;
}

void PlataformaSinPantalla::EscribirEstadoTeclas(const EstadoTeclas& estado) {
    for (int vk : {vk::BloqMayus, vk::BloqNum, vk::BloqDespl}) {
        const auto i = static_cast<std::size_t>(vk);
        if ((estado[i] & 1) != (teclas_[i] & 1)) {
            Anotar("lampara", std::to_string(vk) + "=" + ((estado[i] & 1) ? "1" : "0"));
        }
    }
    teclas_ = estado;
}

bool PlataformaSinPantalla::EjecutarPrograma(const std::filesystem::path& programa,
                                             const std::vector<std::string>& argumentos) {
    std::string linea = programa.generic_string();
    for (const auto& argumento : argumentos) linea += " " + argumento;
    Anotar("programa", linea);
    return true;
}

bool PlataformaSinPantalla::AbrirDocumento(const std::string& rutaOEnlace) {
    Anotar("documento", rutaOEnlace);
    return true;
}

void PlataformaSinPantalla::Mensaje(const std::string& titulo, const std::string& texto) {
    Anotar("mensaje", titulo + ": " + texto);
}

void PlataformaSinPantalla::Pitido() {
    Anotar("pitido", "");
}

std::unique_ptr<Audio> PlataformaSinPantalla::AbrirAudio(const std::filesystem::path&) {
    Anotar("audio", sinAudio_ ? "sin dispositivo" : "abrir");
    if (sinAudio_) return nullptr;
    return std::make_unique<AudioGrabado>(registro_);
}

int PlataformaSinPantalla::Joysticks() {
    return joysticks_;
}

}  // namespace polvareda
