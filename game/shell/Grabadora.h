// Recording a game (--grabar FILE): the platform of a normal run with every input event written
// down as a line of a headless script, at the millisecond of the game's clock it is handed over
// in. The script, replayed with the time of day written at its top, plays the same game again,
// bit for bit: the platform's clock keeps the headless clock's rules (see RelojJuego.h), so the
// replay hands every event to the same wait, between the same timers, in the same order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Plataforma.h"

namespace polvareda {

// The settings a recording's header names that differ from those of `textoIni`, as
// "Disparo1 49 there, 90 here"; none for a script that is not a recording.
std::vector<std::string> AjustesDistintos(std::string_view guion, std::string_view textoIni);

class PlataformaGrabadora : public Plataforma {
  public:
    // Writes to `archivo` (created or truncated); `Abierta` says whether it could be opened
    // (what cannot be written after that, the header included, makes `Cerrar` false). The
    // header names the settings of `textoIni` (Polvareda.INI) that decide the game.
    PlataformaGrabadora(Plataforma& real, const std::filesystem::path& archivo,
                        std::string_view textoIni = {});
    ~PlataformaGrabadora() override;
    // Ends the script with the time after the last input. False when any of the recording
    // could not be written. Runs once; the destructor runs it when nobody did.
    bool Cerrar();
    bool Abierta() const { return abierta_; }

    std::int64_t AhoraMs() override { return real_.AhoraMs(); }
    std::int64_t HoraInicialMs() override { return real_.HoraInicialMs(); }
    std::optional<Evento> EsperarEvento(std::int64_t limiteMs) override;
    // As many controllers as the recorded script has plugged in, so the replay counts the same.
    int Joysticks() override { return mandos_; }

    Tamano Escritorio() override { return real_.Escritorio(); }
    bool MostrarPresentacion(const Imagen& cuadro) override {
        return real_.MostrarPresentacion(cuadro);
    }
    void QuitarPresentacion() override { real_.QuitarPresentacion(); }
    bool AbrirPantalla(const Pantalla& pantalla) override { return real_.AbrirPantalla(pantalla); }
    void CerrarPantalla() override { real_.CerrarPantalla(); }
    std::string MotivoPantalla() const override { return real_.MotivoPantalla(); }
    bool AlternarPantallaCompleta() override { return real_.AlternarPantallaCompleta(); }
    std::string FechaYHora() override { return real_.FechaYHora(); }
    void Presentar(const Imagen& lienzo, std::span<const Rect> cambios) override {
        real_.Presentar(lienzo, cambios);
    }
    void PunteroOcupado(bool ocupado) override { real_.PunteroOcupado(ocupado); }
    int MostrarCursor(bool mostrar) override { return real_.MostrarCursor(mostrar); }
    void ConfinarCursor(std::optional<Rect> zona) override { real_.ConfinarCursor(zona); }
    void SalvapantallasActivo(bool activo) override { real_.SalvapantallasActivo(activo); }
    void LeerEstadoTeclas(EstadoTeclas& estado) override { real_.LeerEstadoTeclas(estado); }
    void EscribirEstadoTeclas(const EstadoTeclas& estado) override {
        real_.EscribirEstadoTeclas(estado);
    }
    bool EjecutarPrograma(const std::filesystem::path& programa,
                          const std::vector<std::string>& argumentos) override {
        return real_.EjecutarPrograma(programa, argumentos);
    }
    bool AbrirDocumento(const std::string& rutaOEnlace) override {
        return real_.AbrirDocumento(rutaOEnlace);
    }
    void Mensaje(const std::string& titulo, const std::string& texto) override {
        real_.Mensaje(titulo, texto);
    }
    void Pitido() override { real_.Pitido(); }
    std::unique_ptr<Audio> AbrirAudio(const std::filesystem::path& datos) override {
        return real_.AbrirAudio(datos);
    }

  private:
    void Avanzar(std::int64_t ahora);  // advance lines up to the game's time `ahora`

    Plataforma& real_;
    std::ofstream salida_;
    bool abierta_ = false;
    std::int64_t ultimaLinea_ = 0;  // the script's time so far
    int mandos_ = 0;
    bool cerrada_ = false;
    bool bien_ = true;
};

}  // namespace polvareda
