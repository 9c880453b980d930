// The SDL window on SDL's dummy video driver, with vsync: the picture goes through the renderer.
#include "VentanaSDL.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "Entorno.h"

namespace polvareda {
namespace {

TEST(VentanaSDL, WithVsyncTheCanvasReachesTheWindowThroughTheRenderer) {
    prueba::PonerVariable("SDL_VIDEODRIVER", "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    Pantalla pantalla;
    pantalla.lienzo = {320, 200};
    pantalla.vsync = true;
    auto v = VentanaSDL::Abrir(pantalla, Marco::Normal);
    ASSERT_NE(v, nullptr) << SDL_GetError();
    ASSERT_NE(SDL_GetRenderer(v->Ventana()), nullptr);
    const Rect todo{0, 0, 320, 200};
    v->Presentar(Imagen(320, 200, 0x00C08040), std::span(&todo, 1));
    Uint32 centro = 0;
    const SDL_Rect punto{160, 100, 1, 1};
    EXPECT_EQ(SDL_RenderReadPixels(SDL_GetRenderer(v->Ventana()), &punto, SDL_PIXELFORMAT_RGB888,
                                   &centro, 4),
              0);
    EXPECT_EQ(centro & 0xFFFFFF, 0xC08040u);
    v.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace polvareda
