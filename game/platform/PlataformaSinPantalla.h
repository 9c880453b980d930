// The headless backend: a virtual clock that jumps to the next thing due, input from a script,
// and a record of everything the game asked of the machine, for tests and scripted runs.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "Plataforma.h"

namespace polvareda {

// One recorded call, e.g. {"lampara", "20=0"}, {"programa", "/x/SetUp /juego"}, {"tocar", "3 17 1"}.
struct Llamada {
    std::string que;
    std::string detalle;
};

class PlataformaSinPantalla : public Plataforma {
public:
    // `horaInicial`: the time of day (seconds since midnight) at virtual time 0, fixed so that
    // every run is repeatable.
    explicit PlataformaSinPantalla(double horaInicial = 12 * 3600.0, Tamano escritorio = {1920, 1080});

    // Script: an event delivered when the virtual clock reaches `enMs`. Events must be queued
    // in time order. When the queue is empty, EsperarEvento delivers FinDelGuion once the clock
    // passes the time of the last event (so a game left running always ends).
    void Encolar(std::int64_t enMs, Evento evento);
    void SinAudio(bool sinAudio) { sinAudio_ = sinAudio; }
    void Joysticks(int cuantos) { joysticks_ = cuantos; }

    const Imagen& Ventana() const { return ventana_; }  // the last presented canvas
    const std::vector<Llamada>& Llamadas() const { return llamadas_; }
    const EstadoTeclas& Teclas() const { return teclas_; }
    int ContadorCursor() const { return contadorCursor_; }
    bool PresentacionVisible() const { return presentacionVisible_; }
    bool PantallaAbierta() const { return pantallaAbierta_; }

    // Plataforma
    std::int64_t AhoraMs() override;
    double SegundosDesdeMedianoche() override;
    std::optional<Evento> EsperarEvento(std::int64_t limiteMs) override;
    Tamano Escritorio() override;
    bool MostrarPresentacion(const Imagen& cuadro) override;
    void QuitarPresentacion() override;
    bool AbrirPantalla(const Pantalla& pantalla) override;
    void CerrarPantalla() override;
    void Presentar(const Imagen& lienzo, std::span<const Rect> cambios) override;
    void PunteroOcupado(bool ocupado) override;
    int MostrarCursor(bool mostrar) override;
    void ConfinarCursor(std::optional<Rect> zona) override;
    void SalvapantallasActivo(bool activo) override;
    void LeerEstadoTeclas(EstadoTeclas& estado) override;
    void EscribirEstadoTeclas(const EstadoTeclas& estado) override;
    bool EjecutarPrograma(const std::filesystem::path& programa,
                          const std::vector<std::string>& argumentos) override;
    bool AbrirDocumento(const std::string& rutaOEnlace) override;
    void Mensaje(const std::string& titulo, const std::string& texto) override;
    void Pitido() override;
    std::unique_ptr<Audio> AbrirAudio() override;
    int Joysticks() override;

    void Anotar(std::string que, std::string detalle);  // also used by the recording Audio

private:
    struct Pendiente {
        std::int64_t enMs;
        Evento evento;
    };
    double horaInicial_;
    Tamano escritorio_;
    std::int64_t ahora_ = 0;
    std::deque<Pendiente> guion_;
    bool finEntregado_ = false;
    bool sinAudio_ = false;
    int joysticks_ = 0;
    Imagen ventana_;
    std::vector<Llamada> llamadas_;
    EstadoTeclas teclas_{};
    int contadorCursor_ = 0;
    bool presentacionVisible_ = false;
    bool pantallaAbierta_ = false;
};

}  // namespace polvareda
