// The page's canvas fitted to the browser's window, and the frame-paced wait.
#include "PaginaWeb.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

#include "Encaje.h"

namespace polvareda {
namespace {

// What the canvas holds and how it is fitted, for every later resize of the page.
Tamano lienzoPagina;
AjustePantalla ajustePagina;
bool conTamanoPagina = false;

// Resolves at the browser's next frame, or after `ms` when no frame comes (a hidden tab).
EM_ASYNC_JS(void, EsperarCuadro, (double ms), {
    await new Promise(function(listo) {
        var reloj = 0;
        var cuadro = 0;
        function fin() {
            clearTimeout(reloj);
            cancelAnimationFrame(cuadro);
            listo();
        }
        reloj = setTimeout(fin, ms);
        cuadro = requestAnimationFrame(fin);
    });
});

// The fitting is done in device pixels, where whole factors are sharp on the screen, and
// given back to the page in CSS pixels.
void Ajustar() {
    const double densidad = std::max(1.0, emscripten_get_device_pixel_ratio());
    const Tamano pagina = TamanoPagina();
    const Tamano dispositivo{static_cast<int>(std::floor(pagina.ancho * densidad)),
                             static_cast<int>(std::floor(pagina.alto * densidad))};
    const Encaje e = CalcularEncaje(dispositivo, lienzoPagina, ajustePagina);
    emscripten_set_element_css_size("#canvas", e.ancho / densidad, e.alto / densidad);
}

EM_BOOL AlCambiarPagina(int, const EmscriptenUiEvent*, void*) {
    Ajustar();
    return EM_FALSE;  // SDL hears of it too
}

}  // namespace

Tamano TamanoPagina() {
    return {EM_ASM_INT({ return document.documentElement.clientWidth; }),
            EM_ASM_INT({ return document.documentElement.clientHeight; })};
}

void AjustarLienzoAPagina(Tamano lienzo, const AjustePantalla& ajuste) {
    lienzoPagina = lienzo;
    ajustePagina = ajuste;
    Ajustar();
    if (!conTamanoPagina) {
        emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE,
                                       AlCambiarPagina);
        conTamanoPagina = true;
    }
}

bool EsperarEventoPagina(SDL_Event& evento, std::int64_t restoMs) {
    if (SDL_PollEvent(&evento) != 0) return true;
    if (restoMs <= 0) return false;
    EsperarCuadro(static_cast<double>(restoMs));
    return SDL_PollEvent(&evento) != 0;
}

}  // namespace polvareda
