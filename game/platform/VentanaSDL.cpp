// One SDL window showing the canvas fitted and centred, sending only the changed rectangles.
#include "VentanaSDL.h"

#include <algorithm>
#include <vector>

namespace polvareda {

std::unique_ptr<VentanaSDL> VentanaSDL::Abrir(const Pantalla& pantalla, Marco marco) {
    const Tamano l = pantalla.lienzo;
    if (l.ancho <= 0 || l.alto <= 0 || l.ancho > 16384 || l.alto > 16384) {
        SDL_SetError("invalid canvas size %dx%d", l.ancho, l.alto);
        return nullptr;
    }
    Uint32 banderas = SDL_WINDOW_HIDDEN;
    if (pantalla.pantallaCompleta) banderas |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (marco == Marco::SinBorde) banderas |= SDL_WINDOW_BORDERLESS;
    // The game window may be resized and switched to full screen and back (Alt+Enter).
    if (marco == Marco::Normal) banderas |= SDL_WINDOW_RESIZABLE;
    // A full-screen window starts at the display's size: without a window manager to make it
    // full screen, a canvas-sized window would show only a corner of the centred picture.
    SDL_Rect donde{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, l.ancho, l.alto};
    if (pantalla.pantallaCompleta && SDL_GetDisplayBounds(0, &donde) != 0)
        donde = SDL_Rect{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, l.ancho, l.alto};
    SDL_Window* ventana =
        SDL_CreateWindow(pantalla.titulo.c_str(), donde.x, donde.y, donde.w, donde.h, banderas);
    if (ventana == nullptr) return nullptr;
    std::unique_ptr<VentanaSDL> v(new VentanaSDL(ventana, l, pantalla.ajuste));
    // Without a renderer that can wait for the refresh the window shows as without vsync.
    if (pantalla.vsync)
        v->renderizador_.reset(SDL_CreateRenderer(ventana, -1, SDL_RENDERER_PRESENTVSYNC));
    if (pantalla.icono != nullptr && !pantalla.icono->Empty()) {
        const Imagen& icono = *pantalla.icono;
        SuperficiePtr s(SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<Pixel*>(icono.Pixels().data()), icono.Width(), icono.Height(), 32,
            icono.Width() * 4, SDL_PIXELFORMAT_RGB888));
        if (s) SDL_SetWindowIcon(ventana, s.get());
    }
    SDL_ShowWindow(ventana);
    if (!v->PrepararSuperficie()) return nullptr;
    v->RepintarTodo();
    return v;
}

VentanaSDL::VentanaSDL(SDL_Window* ventana, Tamano lienzo, AjustePantalla ajuste)
    : ventana_(ventana), copia_(lienzo.ancho, lienzo.alto), ajuste_(ajuste) {}

bool VentanaSDL::PrepararSincronizada() {
    int ancho = 0;
    int alto = 0;
    if (SDL_GetRendererOutputSize(renderizador_.get(), &ancho, &alto) != 0 || ancho <= 0 ||
        alto <= 0)
        return false;
    if (!propia_ || propia_->w != ancho || propia_->h != alto) {
        propia_.reset(SDL_CreateRGBSurfaceWithFormat(0, ancho, alto, 32, SDL_PIXELFORMAT_RGB888));
        textura_.reset(SDL_CreateTexture(renderizador_.get(), SDL_PIXELFORMAT_RGB888,
                                         SDL_TEXTUREACCESS_STREAMING, ancho, alto));
        if (!propia_ || !textura_) return false;
    }
    superficie_ = propia_.get();
    encaje_ = CalcularEncaje({ancho, alto}, Lienzo(), ajuste_);
    intermedia_.reset();
    return true;
}

bool VentanaSDL::PrepararSuperficie() {
    if (renderizador_) return PrepararSincronizada();
    superficie_ = SDL_GetWindowSurface(ventana_.get());
    if (superficie_ == nullptr) return false;
    encaje_ = CalcularEncaje({superficie_->w, superficie_->h}, Lienzo(), ajuste_);
    intermedia_.reset();
    if (superficie_->format->format != SDL_PIXELFORMAT_RGB888) {
        intermedia_.reset(SDL_CreateRGBSurfaceWithFormat(0, superficie_->w, superficie_->h, 32,
                                                         SDL_PIXELFORMAT_RGB888));
        if (!intermedia_) return false;
    }
    return true;
}

void VentanaSDL::Enviar(Rect lienzo, SDL_Rect& enVentana) {
    SDL_Surface* destino = intermedia_ ? intermedia_.get() : superficie_;
    const Tamano tamano{destino->w, destino->h};
    const Rect v = Recortar(AVentana(encaje_, lienzo), tamano);
    enVentana = SDL_Rect{v.x, v.y, v.w, v.h};
    if (v.w == 0 || v.h == 0) return;
    if (SDL_MUSTLOCK(destino) && SDL_LockSurface(destino) != 0) return;
    CopiarAmpliado(copia_, lienzo, encaje_, tamano, static_cast<std::uint32_t*>(destino->pixels),
                   destino->pitch);
    if (SDL_MUSTLOCK(destino)) SDL_UnlockSurface(destino);
    if (intermedia_) SDL_BlitSurface(intermedia_.get(), &enVentana, superficie_, &enVentana);
}

void VentanaSDL::Presentar(const Imagen& lienzo, std::span<const Rect> cambios) {
    if (superficie_ == nullptr && !PrepararSuperficie()) return;
    std::vector<SDL_Rect> enviados;
    enviados.reserve(cambios.size());
    const Tamano limite{std::min(lienzo.Width(), copia_.Width()),
                        std::min(lienzo.Height(), copia_.Height())};
    for (const Rect& cambio : cambios) {
        const Rect r = Recortar(cambio, limite);
        if (r.w == 0 || r.h == 0) continue;
        for (int y = r.y; y < r.y + r.h; ++y) {
            std::copy_n(lienzo.Row(y) + r.x, r.w, copia_.Row(y) + r.x);
        }
        SDL_Rect enVentana{};
        Enviar(r, enVentana);
        if (enVentana.w > 0 && enVentana.h > 0) enviados.push_back(enVentana);
    }
    if (!enviados.empty()) Mostrar(enviados);
}

void VentanaSDL::Mostrar(std::span<const SDL_Rect> enviados) {
    if (!renderizador_) {
        SDL_UpdateWindowSurfaceRects(ventana_.get(), enviados.data(),
                                     static_cast<int>(enviados.size()));
        return;
    }
    for (const SDL_Rect& r : enviados) {
        const auto* origen =
            static_cast<const std::uint8_t*>(propia_->pixels) + r.y * propia_->pitch + r.x * 4;
        SDL_UpdateTexture(textura_.get(), &r, origen, propia_->pitch);
    }
    SDL_RenderCopy(renderizador_.get(), textura_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderizador_.get());
}

void VentanaSDL::RepintarTodo() {
    if (!PrepararSuperficie()) return;
    SDL_FillRect(superficie_, nullptr, SDL_MapRGB(superficie_->format, 0, 0, 0));
    if (intermedia_) SDL_FillRect(intermedia_.get(), nullptr, 0);
    SDL_Rect enVentana{};
    Enviar(Rect{0, 0, copia_.Width(), copia_.Height()}, enVentana);
    const SDL_Rect todo{0, 0, superficie_->w, superficie_->h};
    Mostrar(std::span(&todo, 1));
}

bool VentanaSDL::AlternarPantallaCompleta() {
    SDL_Window* v = ventana_.get();
    const bool completa = (SDL_GetWindowFlags(v) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    const int pantalla = std::max(0, SDL_GetWindowDisplayIndex(v));
    SDL_Rect zona{};
    if (completa) {
        if (SDL_SetWindowFullscreen(v, 0) != 0) return true;
        // The window: the canvas at the largest whole factor that leaves room for the
        // desktop's panels and the frame, or reduced to that room when even 1 is too large.
        if (SDL_GetDisplayUsableBounds(pantalla, &zona) != 0 &&
            SDL_GetDisplayBounds(pantalla, &zona) != 0)
            zona = SDL_Rect{0, 0, copia_.Width(), copia_.Height()};
        const Tamano sitio{std::max(1, zona.w * 9 / 10), std::max(1, zona.h * 9 / 10)};
        const Encaje e = CalcularEncaje(sitio, Lienzo(), ajuste_);
        SDL_SetWindowSize(v, e.ancho, e.alto);
        SDL_SetWindowPosition(v, SDL_WINDOWPOS_CENTERED_DISPLAY(pantalla),
                              SDL_WINDOWPOS_CENTERED_DISPLAY(pantalla));
    } else {
        // As at the start: without a window manager to make it full screen, the window
        // itself takes the display's place and size first.
        if (SDL_GetDisplayBounds(pantalla, &zona) == 0) {
            SDL_SetWindowPosition(v, zona.x, zona.y);
            SDL_SetWindowSize(v, zona.w, zona.h);
        }
        if (SDL_SetWindowFullscreen(v, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
    }
    superficie_ = nullptr;
    RepintarTodo();
    return !completa;
}

}  // namespace polvareda
