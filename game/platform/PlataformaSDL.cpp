// The real backend on SDL: windows, the event pump, cursor, screen saver, keyboard lamps,
// other programs, messages and devices.
#include <SDL.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "AudioSDL.h"
#include "EventosSDL.h"
#include "LamparasTeclado.h"
#include "MandosSDL.h"
#include "MapaTeclas.h"
#include "Plataforma.h"
#include "Procesos.h"
#include "PunterosSDL.h"
#include "RelojJuego.h"
#include "Teclas.h"
#include "VentanaSDL.h"
#ifdef __EMSCRIPTEN__
#include "PaginaWeb.h"
#endif

namespace polvareda {
namespace {

// SDL itself, from the first window to the last user (the platform or the sound device).
struct VidaSDL {
    VidaSDL() = default;
    VidaSDL(const VidaSDL&) = delete;
    VidaSDL& operator=(const VidaSDL&) = delete;
    ~VidaSDL() { SDL_Quit(); }
};

#ifdef __EMSCRIPTEN__
// The game runs in a web page: one canvas, which the page fits to the browser's window.
constexpr bool kEnPagina = true;
#else
constexpr bool kEnPagina = false;
#endif

constexpr int kLamparas[] = {vk::BloqMayus, vk::BloqNum, vk::BloqDespl};

// The local time of day and date of `t`, with the thread-safe call each system has.
std::tm HoraLocal(std::time_t t) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return local;
}

int ModificadorDeLampara(int tecla) {
    switch (tecla) {
        case vk::BloqMayus:
            return KMOD_CAPS;
        case vk::BloqNum:
            return KMOD_NUM;
        default:
            return KMOD_SCROLL;
    }
}

// The time of day on the real clock, in whole milliseconds since local midnight.
std::int64_t HoraLocalMs() {
    const auto ahora = std::chrono::system_clock::now();
    const std::tm local = HoraLocal(std::chrono::system_clock::to_time_t(ahora));
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(ahora.time_since_epoch()) % 1000;
    return ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000LL + ms.count();
}

// The display's size in pixels; in a web page, the page's.
Tamano TamanoEscritorio() {
#ifdef __EMSCRIPTEN__
    return TamanoPagina();
#else
    SDL_DisplayMode modo{};
    if (SDL_GetDesktopDisplayMode(0, &modo) != 0) return {};
    return {modo.w, modo.h};
#endif
}

// The game's window. In a web page, the page's canvas holding the game's canvas pixel for
// pixel, which the page fits to the browser's window: the page decides about full screen.
std::unique_ptr<VentanaSDL> AbrirVentanaJuego(const Pantalla& pantalla) {
#ifdef __EMSCRIPTEN__
    Pantalla enPagina = pantalla;
    enPagina.pantallaCompleta = false;
    enPagina.ajuste = {};
    auto ventana = VentanaSDL::Abrir(enPagina, Marco::Pagina);
    if (ventana) AjustarLienzoAPagina(pantalla.lienzo, pantalla.ajuste);
    return ventana;
#else
    return VentanaSDL::Abrir(pantalla, Marco::Normal);
#endif
}

class PlataformaSDL : public Plataforma, private FuenteReal {
  public:
    explicit PlataformaSDL(std::shared_ptr<VidaSDL> vida)
        : vida_(std::move(vida)),
          inicioReal_(static_cast<std::int64_t>(SDL_GetTicks64())),
          horaInicialMs_(HoraLocalMs() % kMsPorDia) {
        const char* driver = SDL_GetCurrentVideoDriver();
        if (driver != nullptr && std::string_view(driver) == "x11") {
            lamparas_ = LamparasTeclado::AbrirX11();
        }
    }

    ~PlataformaSDL() override {
        // Windows go before SDL does; the pointer is the system's own again.
        pantalla_.reset();
        presentacion_.reset();
        SDL_SetCursor(SDL_GetDefaultCursor());
    }

    std::int64_t AhoraMs() override { return reloj_.AhoraMs(); }
    std::int64_t HoraInicialMs() override { return horaInicialMs_; }

    std::string FechaYHora() override {
        const std::tm local = HoraLocal(std::time(nullptr));
        char texto[32];
        if (std::strftime(texto, sizeof texto, "%Y%m%d-%H%M%S", &local) == 0) return "";
        return texto;
    }

    std::optional<Evento> EsperarEvento(std::int64_t limiteMs) override {
        return reloj_.EsperarEvento(*this, limiteMs);
    }

    Tamano Escritorio() override { return TamanoEscritorio(); }

    bool MostrarPresentacion(const Imagen& cuadro) override {
        // A web page has one canvas, the game's: the splash would take it from the game.
        if (kEnPagina) return false;
        presentacion_ = VentanaSDL::Abrir(
            Pantalla{{cuadro.Width(), cuadro.Height()}, false, "", nullptr, {}}, Marco::SinBorde);
        if (!presentacion_) return false;
        const Rect todo{0, 0, cuadro.Width(), cuadro.Height()};
        presentacion_->Presentar(cuadro, std::span(&todo, 1));
        AtenderVentanasPendientes();
        return true;
    }

    void QuitarPresentacion() override { presentacion_.reset(); }

    bool AbrirPantalla(const Pantalla& pantalla) override {
        pantalla_ = AbrirVentanaJuego(pantalla);
        if (!pantalla_) {
            motivoPantalla_ = SDL_GetError();
            return false;
        }
        AplicarConfinamiento();
        AtenderVentanasPendientes();
        return true;
    }

    std::string MotivoPantalla() const override { return motivoPantalla_; }

    void CerrarPantalla() override { pantalla_.reset(); }

    void Presentar(const Imagen& lienzo, std::span<const Rect> cambios) override {
        if (pantalla_) pantalla_->Presentar(lienzo, cambios);
    }

    bool AlternarPantallaCompleta() override {
        // The page decides about full screen, not the game.
        if (!pantalla_ || kEnPagina) return false;
        const bool completa = pantalla_->AlternarPantallaCompleta();
        AplicarConfinamiento();
        return completa;
    }

    void PunteroOcupado(bool ocupado) override {
        if (ocupado && !espera_) espera_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT));
        SDL_SetCursor(ocupado && espera_ ? espera_.get() : SDL_GetDefaultCursor());
    }

    int MostrarCursor(bool mostrar) override {
        contadorCursor_ += mostrar ? 1 : -1;
        SDL_ShowCursor(contadorCursor_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
        return contadorCursor_;
    }

    void ConfinarCursor(std::optional<Rect> zona) override {
        confinamiento_ = zona;
        AplicarConfinamiento();
    }

    void SalvapantallasActivo(bool activo) override {
        if (activo) {
            SDL_DisableScreenSaver();
        } else {
            SDL_EnableScreenSaver();
        }
    }

    void LeerEstadoTeclas(EstadoTeclas& estado) override {
        estado.fill(0);
        int cuantas = 0;
        const Uint8* pulsadas = SDL_GetKeyboardState(&cuantas);
        const int modificadores = SDL_GetModState();
        for (int sc = 0; sc < cuantas; ++sc) {
            if (!pulsadas[sc]) continue;
            const int tecla = TeclaVirtual(
                sc, SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sc)), modificadores);
            if (tecla > 0 && tecla < 256) estado[static_cast<std::size_t>(tecla)] |= 0x80;
        }
        for (int tecla : kLamparas) {
            std::optional<bool> encendida;
            if (lamparas_) encendida = lamparas_->Encendida(tecla);
            if (!encendida) encendida = (modificadores & ModificadorDeLampara(tecla)) != 0;
            if (*encendida) estado[static_cast<std::size_t>(tecla)] |= 0x01;
        }
    }

    void EscribirEstadoTeclas(const EstadoTeclas& estado) override {
        int modificadores = SDL_GetModState();
        for (int tecla : kLamparas) {
            const bool encender = (estado[static_cast<std::size_t>(tecla)] & 1) != 0;
            if (lamparas_ && lamparas_->Encendida(tecla) != encender) {
                lamparas_->Encender(tecla, encender);
            }
            const int bit = ModificadorDeLampara(tecla);
            modificadores = encender ? (modificadores | bit) : (modificadores & ~bit);
        }
        SDL_SetModState(static_cast<SDL_Keymod>(modificadores));
    }

    bool EjecutarPrograma(const std::filesystem::path& programa,
                          const std::vector<std::string>& argumentos) override {
        return LanzarPrograma(programa, argumentos);
    }

    bool AbrirDocumento(const std::string& rutaOEnlace) override {
        return AbrirConEscritorio(rutaOEnlace);
    }

    void Mensaje(const std::string& titulo, const std::string& texto) override {
        std::fprintf(stderr, "%s: %s\n", titulo.c_str(), texto.c_str());
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, titulo.c_str(), texto.c_str(),
                                 pantalla_ ? pantalla_->Ventana() : nullptr);
    }

    void Pitido() override {
        std::fputs("\a", stderr);
        std::fflush(stderr);
    }

    std::unique_ptr<Audio> AbrirAudio(const std::filesystem::path& datos) override {
        std::filesystem::path carpeta;
        if (char* base = SDL_GetBasePath()) {
            carpeta = std::filesystem::u8path(base);
            SDL_free(base);
        }
        return AbrirAudioSDL(carpeta, vida_, datos);
    }

    int Joysticks() override { return mandos_.Cuantos(); }

  private:
    std::int64_t RealMs() override {
        return static_cast<std::int64_t>(SDL_GetTicks64()) - inicioReal_;
    }

    std::optional<Evento> Siguiente(std::int64_t hastaMs) override {
        for (;;) {
            SDL_Event e;
            const std::int64_t resto = hastaMs - RealMs();
            // The wait ends at the deadline or at the first event: the thread sleeps in between.
#ifdef __EMSCRIPTEN__
            const bool hay = EsperarEventoPagina(e, resto);
#else
            const bool hay =
                resto <= 0 ? SDL_PollEvent(&e) != 0
                           : SDL_WaitEventTimeout(
                                 &e, static_cast<int>(std::min<std::int64_t>(resto, INT_MAX))) != 0;
#endif
            if (!hay) {
                if (RealMs() >= hastaMs) return std::nullopt;
                continue;
            }
            if (e.type == SDL_WINDOWEVENT) {
                AtenderVentana(e.window);
                // Focus counts for the game window only: the splash comes and goes by itself.
                const bool foco = e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                                  e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
                if (foco && (!pantalla_ || pantalla_->Id() != e.window.windowID)) continue;
            }
            if (!mandos_.Atender(e)) continue;
            const Encaje encaje = pantalla_ ? pantalla_->Colocacion() : Encaje{};
            auto evento = TraducirEvento(e, encaje);
            // The game has no use for the pointer's movements, and a recorded run does not
            // keep them: they must not move the game's clock either.
            if (evento && evento->tipo != TipoEvento::RatonMovido) return evento;
        }
    }

    void AtenderVentana(const SDL_WindowEvent& w) {
        if (w.event != SDL_WINDOWEVENT_EXPOSED && w.event != SDL_WINDOWEVENT_SIZE_CHANGED) return;
        for (auto* ventana : {pantalla_.get(), presentacion_.get()}) {
            if (ventana != nullptr && ventana->Id() == w.windowID) ventana->RepintarTodo();
        }
        if (pantalla_ && w.event == SDL_WINDOWEVENT_SIZE_CHANGED) AplicarConfinamiento();
    }

    // A new window is mapped a moment after it is made; repaint it when that happens even if
    // the game does not pump events for a while. Other events stay queued, in order.
    void AtenderVentanasPendientes() {
        SDL_PumpEvents();
        SDL_Event e;
        std::vector<SDL_Event> resto;
        while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) == 1) {
            AtenderVentana(e.window);
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) resto.push_back(e);
        }
        for (auto& r : resto) SDL_PushEvent(&r);
    }

    void AplicarConfinamiento() {
        // In a browser the pointer may only be locked, which would take it from the player.
        if (!pantalla_ || kEnPagina) return;
        SDL_Window* ventana = pantalla_->Ventana();
        if (!confinamiento_) {
            SDL_SetWindowMouseRect(ventana, nullptr);
            SDL_SetWindowMouseGrab(ventana, SDL_FALSE);
            return;
        }
        const Rect r = AVentana(pantalla_->Colocacion(), *confinamiento_);
        const SDL_Rect zona{r.x, r.y, r.w, r.h};
        if (SDL_SetWindowMouseRect(ventana, &zona) != 0) SDL_SetWindowMouseGrab(ventana, SDL_TRUE);
    }

    std::shared_ptr<VidaSDL> vida_;
    std::int64_t inicioReal_;     // SDL's clock when the run started
    std::int64_t horaInicialMs_;  // the time of day then
    RelojJuego reloj_;
    MandosSDL mandos_;  // after vida_: the controllers close before SDL goes
    std::unique_ptr<VentanaSDL> presentacion_;
    std::unique_ptr<VentanaSDL> pantalla_;
    std::unique_ptr<LamparasTeclado> lamparas_;
    CursorPtr espera_;
    std::optional<Rect> confinamiento_;
    int contadorCursor_ = 0;
    std::string motivoPantalla_;
};

}  // namespace

std::unique_ptr<Plataforma> CrearPlataformaSDL(std::string& error) {
    // SDL would keep the screen saver away from the start; the game decides that itself.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The window surface in plain memory: SDL would otherwise back it with a texture, which on
    // machines without a graphics card is drawn by the processor at many times the cost of
    // sending the changed rectangles (the environment variable still overrides this).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
#if defined(__unix__) && !defined(__APPLE__) && !defined(__EMSCRIPTEN__)
    // With no desktop session at all, say so plainly instead of letting every video driver
    // probe and print its own complaint first.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("SDL_VIDEODRIVER") == nullptr) {
        error = "Cannot open the display: no graphical desktop was found";
        return nullptr;
    }
#endif
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = std::string("Cannot open the display: ") + SDL_GetError();
        SDL_Quit();
        return nullptr;
    }
    // Without a display SDL falls back to drivers that draw nowhere; only take those when
    // somebody asked for them by name.
    const std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    const char* pedido = std::getenv("SDL_VIDEODRIVER");
    if ((driver == "offscreen" || driver == "dummy") && (pedido == nullptr || driver != pedido)) {
        error = "Cannot open the display: no graphical desktop was found";
        SDL_Quit();
        return nullptr;
    }
    return std::make_unique<PlataformaSDL>(std::make_shared<VidaSDL>());
}

}  // namespace polvareda
