// The one door between the game and the machine. The game never sees SDL: it talks to this
// interface, which has a real backend (SDL) and a headless one for tests and scripted runs.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Audio.h"
#include "Evento.h"
#include "Imagen.h"

namespace polvareda {

struct Tamano {
    int ancho = 0;
    int alto = 0;
    bool operator==(const Tamano&) const = default;
};

// How the canvas is fitted to its window. `nitido`: whole enlargement factors only (else the
// largest fractional size that fits). `proporcion`: 0 x 0 shows square pixels; 4 x 3 shows
// the whole canvas at 4:3, as a 320 x 200 screen looked on the monitors it was drawn for.
struct AjustePantalla {
    bool nitido = true;
    Tamano proporcion{0, 0};
    bool operator==(const AjustePantalla&) const = default;
};

// How the game's picture reaches the display. The game draws into a canvas of
// `lienzo` pixels ("the screen" of the old full-screen modes); the platform shows it centred
// on black, fitted by `ajuste`, over the whole display when `pantallaCompleta`, else in a
// resizable window. The display's own mode never changes.
struct Pantalla {
    Tamano lienzo;
    bool pantallaCompleta = false;
    std::string titulo;
    const Imagen* icono = nullptr;
    AjustePantalla ajuste;
    // Each picture waits for the display's refresh before it shows ([Pantalla] VSync), so the
    // scrolling wall never tears; without it the window's plain memory is sent at once.
    bool vsync = false;
};

// The keyboard state of the classic platform: one byte per virtual-key code; bit 0x80 is
// "held", bit 0x01 of a toggle key (20 Caps Lock, 144 Num Lock, 145 Scroll Lock) its lamp.
using EstadoTeclas = std::array<std::uint8_t, 256>;

class Plataforma {
  public:
    virtual ~Plataforma() = default;

    // --- time ---
    // The game's one clock, in whole milliseconds: the time of day the run started at, and the
    // milliseconds since. It moves only inside EsperarEvento: to a wait's deadline when the
    // wait ends (exactly, however late the process woke up), or to the millisecond an event
    // is handed over. Both backends keep these rules, so a recorded run replays exactly.
    static constexpr std::int64_t kMsPorDia = 86'400'000;
    virtual std::int64_t AhoraMs() = 0;        // since the run started
    virtual std::int64_t HoraInicialMs() = 0;  // the time of day at AhoraMs 0, 0 to kMsPorDia - 1
    std::int64_t HoraDelDiaMs() { return (HoraInicialMs() + AhoraMs()) % kMsPorDia; }
    virtual std::string FechaYHora() = 0;  // local date and time as YYYYMMDD-HHMMSS

    // Waits for the next event. Returns nothing once `limiteMs` (a value of AhoraMs) has come.
    // It sleeps; it never spins. The headless backend jumps its clock instead of sleeping.
    virtual std::optional<Evento> EsperarEvento(std::int64_t limiteMs) = 0;

    // --- windows ---
    virtual Tamano Escritorio() = 0;                             // the display's size in pixels
    virtual bool MostrarPresentacion(const Imagen& cuadro) = 0;  // the small splash window
    virtual void QuitarPresentacion() = 0;
    virtual bool AbrirPantalla(const Pantalla& pantalla) = 0;  // the game window
    // Why the last AbrirPantalla failed, in the system's own words; empty when it gave none.
    virtual std::string MotivoPantalla() const { return {}; }
    virtual void CerrarPantalla() = 0;
    // Shows the changed rectangles of the canvas (in canvas pixels). The canvas must have the
    // size given to AbrirPantalla.
    virtual void Presentar(const Imagen& lienzo, std::span<const Rect> cambios) = 0;
    virtual void PunteroOcupado(bool ocupado) = 0;  // hourglass pointer on the splash
    // Switches the game window between full screen and a window at once, the canvas and
    // everything on it kept; returns whether it is now full screen.
    virtual bool AlternarPantallaCompleta() = 0;

    // --- cursor, screen saver, keyboard lamps ---
    // Returns the display count like the classic call: >= 0 shown, < 0 hidden.
    virtual int MostrarCursor(bool mostrar) = 0;
    virtual void ConfinarCursor(std::optional<Rect> zona) = 0;  // in canvas pixels; none frees
    virtual void SalvapantallasActivo(bool activo) = 0;         // true: no screen saver may start
    virtual void LeerEstadoTeclas(EstadoTeclas& estado) = 0;
    virtual void EscribirEstadoTeclas(const EstadoTeclas& estado) = 0;  // sets the lamps

    // --- other programs and messages ---
    virtual bool EjecutarPrograma(const std::filesystem::path& programa,
                                  const std::vector<std::string>& argumentos) = 0;
    virtual bool AbrirDocumento(const std::string& rutaOEnlace) = 0;
    virtual void Mensaje(const std::string& titulo, const std::string& texto) = 0;
    virtual void Pitido() = 0;

    // --- devices ---
    // nullptr when there is no sound device. `datos` is the game's data folder: a device that
    // plays the pieces rendered ahead finds them there.
    virtual std::unique_ptr<Audio> AbrirAudio(const std::filesystem::path& datos) = 0;
    virtual int Joysticks() = 0;  // attached game controllers
};

// The real backend. Returns nullptr, with `error` set to one clear line, when there is no display.
std::unique_ptr<Plataforma> CrearPlataformaSDL(std::string& error);

// Picture files: PNG, GIF and BMP in; PNG out. Used by both backends and by the graphics.
std::optional<Imagen> DecodificarImagen(std::span<const std::uint8_t> bytes);
std::optional<Imagen> CargarImagen(const std::filesystem::path& archivo);
bool GuardarPng(const Imagen& imagen, const std::filesystem::path& archivo);

}  // namespace polvareda
