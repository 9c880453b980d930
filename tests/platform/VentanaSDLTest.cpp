// The SDL window on SDL's dummy video driver: the picture reaches the window by both paths,
// the window surface and, with vsync, the renderer.
#include "VentanaSDL.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace polvareda {
namespace {

TEST(VentanaSDL, TheCanvasReachesTheWindowWithAndWithoutVsync) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    for (const bool vsync : {false, true}) {
        Pantalla pantalla;
        pantalla.lienzo = {320, 200};
        pantalla.titulo = "Polvareda";
        pantalla.vsync = vsync;
        auto v = VentanaSDL::Abrir(pantalla, Marco::Normal);
        ASSERT_NE(v, nullptr) << SDL_GetError();
        EXPECT_EQ(SDL_GetRenderer(v->Ventana()) != nullptr, vsync);
        Imagen lienzo(320, 200, 0x00C08040);
        const Rect todo{0, 0, 320, 200};
        v->Presentar(lienzo, std::span(&todo, 1));

        Uint32 centro = 0;
        const SDL_Rect punto{160, 100, 1, 1};
        if (vsync) {
            ASSERT_EQ(SDL_RenderReadPixels(SDL_GetRenderer(v->Ventana()), &punto,
                                           SDL_PIXELFORMAT_RGB888, &centro, 4),
                      0)
                << SDL_GetError();
        } else {
            SDL_Surface* s = SDL_GetWindowSurface(v->Ventana());
            ASSERT_NE(s, nullptr);
            SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB888, 0);
            ASSERT_NE(rgb, nullptr);
            centro = static_cast<const Uint32*>(rgb->pixels)[100 * rgb->pitch / 4 + 160];
            SDL_FreeSurface(rgb);
        }
        EXPECT_EQ(centro & 0xFFFFFF, 0xC08040u) << (vsync ? "vsync" : "surface");
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace polvareda
