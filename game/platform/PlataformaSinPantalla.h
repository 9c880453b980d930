// The headless backend: a virtual clock that jumps to the next thing due, input from a script,
// and a record of everything the game asked of the machine, for tests and scripted runs.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Plataforma.h"

namespace polvareda {

// One recorded call, e.g. {"lampara", "20=0"}, {"programa", "/x/SetUp /juego"}, {"tocar", "3 17
// 1"}. The full list of names is in PlataformaSinPantalla.cpp and AudioGrabado.cpp.
struct Llamada {
    std::string que;
    std::string detalle;
    bool operator==(const Llamada&) const = default;
};

class PlataformaSinPantalla : public Plataforma {
  public:
    // After the end of the script, FinDelGuion comes again every kRepeticionFinMs of virtual
    // time to a game that keeps waiting; after kFinesMaximos deliveries the run is considered
    // hung and EsperarEvento throws std::runtime_error instead of looping for ever.
    static constexpr std::int64_t kRepeticionFinMs = 10'000;
    static constexpr int kFinesMaximos = 100;

    // `horaInicial`: the time of day (seconds since midnight) at virtual time 0, fixed so that
    // every run is repeatable; kept in whole milliseconds (0.0005 s rounds up).
    explicit PlataformaSinPantalla(double horaInicial = 12 * 3600.0,
                                   Tamano escritorio = {1920, 1080});
    ~PlataformaSinPantalla() override;

    // Script: an event delivered when the virtual clock reaches `enMs`. Events must be queued
    // in time order (an earlier time is taken as the time of the previous event). When the
    // queue is empty, EsperarEvento delivers FinDelGuion once the clock has reached the time
    // of the last event (at once for an empty script), so a game left running always ends.
    void Encolar(std::int64_t enMs, Evento evento);
    // An event at its own time among those already queued (after any at the same time), for
    // tests that add input while the game runs; never earlier than the clock.
    void Insertar(std::int64_t enMs, Evento evento);
    void SinAudio(bool sinAudio) { sinAudio_ = sinAudio; }
    // Controllers attached at the start; queued MandoConectado and MandoDesconectado events
    // change the count as they are delivered (never below 0).
    void Joysticks(int cuantos) { joysticks_ = cuantos; }
    void FijarEstadoTeclas(const EstadoTeclas& estado) { teclas_ = estado; }  // not recorded

    const Imagen& Ventana() const { return ventana_; }  // the last presented canvas
    // Every call that changes the machine, in order. Time, Presentar and the reading calls
    // are not recorded (Presentaciones counts the presents).
    const std::vector<Llamada>& Llamadas() const;
    // Whether calls are recorded (from construction, they are). A scripted run of the game
    // has no reader for the record, which would otherwise grow with every hour it plays.
    void GuardarLlamadas(bool guardar) { registro_->guardar = guardar; }
    const EstadoTeclas& Teclas() const { return teclas_; }
    int ContadorCursor() const { return contadorCursor_; }
    bool PresentacionVisible() const { return presentacionVisible_; }
    bool PantallaAbierta() const { return pantallaAbierta_; }
    bool PantallaCompleta() const { return pantallaCompleta_; }
    const AjustePantalla& Ajuste() const { return ajuste_; }
    int Presentaciones() const { return presentaciones_; }
    int FinesEntregados() const { return finesEntregados_; }

    // Plataforma
    std::int64_t AhoraMs() override;
    std::int64_t HoraInicialMs() override { return horaInicialMs_; }
    std::string FechaYHora() override;  // 1 January 2000 at the virtual time of day
    std::optional<Evento> EsperarEvento(std::int64_t limiteMs) override;
    Tamano Escritorio() override;
    bool MostrarPresentacion(const Imagen& cuadro) override;
    void QuitarPresentacion() override;
    bool AbrirPantalla(const Pantalla& pantalla) override;
    void CerrarPantalla() override;
    void Presentar(const Imagen& lienzo, std::span<const Rect> cambios) override;
    void PunteroOcupado(bool ocupado) override;
    bool AlternarPantallaCompleta() override;
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
    std::unique_ptr<Audio> AbrirAudio(const std::filesystem::path& datos) override;
    int Joysticks() override;

    void Anotar(std::string que, std::string detalle);  // also used by the recording Audio

    // What the recording Audio shares with its platform: it may outlive the platform object.
    struct Registro {
        std::vector<Llamada> llamadas;
        std::int64_t ahora = 0;
        bool guardar = true;
        void Anotar(std::string que, std::string detalle) {
            if (guardar) llamadas.push_back({std::move(que), std::move(detalle)});
        }
    };

  private:
    struct Pendiente {
        std::int64_t enMs;
        Evento evento;
    };
    std::optional<Evento> Entregar(std::int64_t enMs, Evento evento);

    std::int64_t horaInicialMs_;
    Tamano escritorio_;
    std::shared_ptr<Registro> registro_;
    std::deque<Pendiente> guion_;
    std::int64_t ultimoGuion_ = 0;  // time of the last queued event
    std::int64_t ultimoFin_ = 0;    // time of the last FinDelGuion
    int finesEntregados_ = 0;
    bool sinAudio_ = false;
    int joysticks_ = 0;
    Imagen ventana_;
    EstadoTeclas teclas_{};
    int contadorCursor_ = 0;
    int presentaciones_ = 0;
    bool presentacionVisible_ = false;
    bool pantallaAbierta_ = false;
    bool pantallaCompleta_ = false;
    AjustePantalla ajuste_;
};

}  // namespace polvareda
