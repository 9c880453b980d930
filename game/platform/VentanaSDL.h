// One window of the SDL backend: a software window surface (or, with vsync, a picture presented
// through the renderer) showing a canvas fitted to it and centred on black. Only changed
// rectangles are copied and sent to the display; an exposed or resized window is repainted
// whole from the window's own copy.
#pragma once

#include <SDL.h>

#include <memory>
#include <span>
#include <string>

#include "Encaje.h"
#include "Imagen.h"
#include "Plataforma.h"
#include "PunterosSDL.h"

namespace polvareda {

// Normal: the game window, resizable. SinBorde: the splash. Pagina: a web page's canvas, whose
// size is the game canvas's and which the page itself fits to the browser's window.
enum class Marco { Normal, SinBorde, Pagina };

class VentanaSDL {
  public:
    // Nothing when the window cannot be made; the reason is left in SDL_GetError.
    static std::unique_ptr<VentanaSDL> Abrir(const Pantalla& pantalla, Marco marco);

    void Presentar(const Imagen& lienzo, std::span<const Rect> cambios);
    void RepintarTodo();  // after the window was exposed or resized
    // Full screen, or a window of a whole multiple of the canvas that fits the display; the
    // picture is repainted at once at its new size. Returns whether it is now full screen.
    bool AlternarPantallaCompleta();

    std::uint32_t Id() const { return SDL_GetWindowID(ventana_.get()); }
    SDL_Window* Ventana() const { return ventana_.get(); }
    const Encaje& Colocacion() const { return encaje_; }
    Tamano Lienzo() const { return {copia_.Width(), copia_.Height()}; }

  private:
    VentanaSDL(SDL_Window* ventana, Tamano lienzo, AjustePantalla ajuste);
    bool PrepararSuperficie();    // (re)reads the window surface and places the canvas in it
    bool PrepararSincronizada();  // the same for the picture shown through the renderer
    void Enviar(Rect lienzo, SDL_Rect& enVentana);
    void Mostrar(std::span<const SDL_Rect> enviados);  // sends what Enviar drew

    VentanaPtr ventana_;
    Imagen copia_;                       // what the window shows, in canvas pixels
    SDL_Surface* superficie_ = nullptr;  // owned by the window
    // Window surfaces that are not 32-bit 0x00RRGGBB get the picture through this one.
    SuperficiePtr intermedia_;
    Encaje encaje_;
    AjustePantalla ajuste_;
    // With vsync the picture is drawn into `propia_`, copied to `textura_` and presented by the
    // renderer, which waits for the refresh; the window surface is then never taken.
    RenderizadorPtr renderizador_;
    TexturaPtr textura_;
    SuperficiePtr propia_;
};

}  // namespace polvareda
