#include "EventosSDL.h"

#include <gtest/gtest.h>

#include "Teclas.h"

namespace polvareda {
namespace {

const Encaje kTriple{3, 16, 12};  // 256 x 192 on 800 x 600

SDL_Event Tecla(Uint32 tipo, SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod) {
    SDL_Event e{};
    e.type = tipo;
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = keycode;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event Boton(Uint32 tipo, Uint8 boton, int x, int y) {
    SDL_Event e{};
    e.type = tipo;
    e.button.button = boton;
    e.button.x = x;
    e.button.y = y;
    return e;
}

TEST(EventosSDL, KeysArriveAsVirtualKeysWithTheirShiftState) {
    const auto pulsada = TraducirEvento(
        Tecla(SDL_KEYDOWN, SDL_SCANCODE_X, SDLK_x, KMOD_LSHIFT | KMOD_RCTRL), kTriple);
    ASSERT_TRUE(pulsada.has_value());
    EXPECT_EQ(pulsada->tipo, TipoEvento::TeclaPulsada);
    EXPECT_EQ(pulsada->tecla, 'X');
    EXPECT_EQ(pulsada->shift, kShift | kControl);
    const auto soltada = TraducirEvento(Tecla(SDL_KEYUP, SDL_SCANCODE_F5, SDLK_F5, 0), kTriple);
    ASSERT_TRUE(soltada.has_value());
    EXPECT_EQ(soltada->tipo, TipoEvento::TeclaSoltada);
    EXPECT_EQ(soltada->tecla, vk::F1 + 4);
    EXPECT_FALSE(TraducirEvento(Tecla(SDL_KEYDOWN, SDL_SCANCODE_MUTE, SDLK_MUTE, 0), kTriple));
}

TEST(EventosSDL, MouseButtonsArriveInCanvasPixels) {
    const auto izquierdo =
        TraducirEvento(Boton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 19, 18), kTriple);
    ASSERT_TRUE(izquierdo.has_value());
    EXPECT_EQ(izquierdo->tipo, TipoEvento::RatonPulsado);
    EXPECT_EQ(izquierdo->boton, kBotonIzquierdo);
    EXPECT_EQ(izquierdo->x, 1);
    EXPECT_EQ(izquierdo->y, 2);
    const auto central =
        TraducirEvento(Boton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 799, 0), kTriple);
    ASSERT_TRUE(central.has_value());
    EXPECT_EQ(central->tipo, TipoEvento::RatonSoltado);
    EXPECT_EQ(central->boton, kBotonCentral);
    EXPECT_EQ(central->x, 261);  // right of the canvas, in the black border
    EXPECT_EQ(central->y, -4);
    EXPECT_EQ(TraducirEvento(Boton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 0, 0), kTriple)->boton,
              kBotonDerecho);
    EXPECT_FALSE(TraducirEvento(Boton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 20, 20), kTriple));

    SDL_Event movido{};
    movido.type = SDL_MOUSEMOTION;
    movido.motion.x = 16 + 3 * 255;
    movido.motion.y = 12 + 3 * 191 + 2;
    movido.motion.state = SDL_BUTTON_LMASK | SDL_BUTTON_RMASK;
    const auto m = TraducirEvento(movido, kTriple);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->tipo, TipoEvento::RatonMovido);
    EXPECT_EQ(m->x, 255);
    EXPECT_EQ(m->y, 191);
    EXPECT_EQ(m->boton, kBotonIzquierdo | kBotonDerecho);
}

TEST(EventosSDL, ClosingTheWindowOrTheProgramIsCerrar) {
    SDL_Event salir{};
    salir.type = SDL_QUIT;
    EXPECT_EQ(TraducirEvento(salir, kTriple)->tipo, TipoEvento::Cerrar);
    SDL_Event ventana{};
    ventana.type = SDL_WINDOWEVENT;
    ventana.window.event = SDL_WINDOWEVENT_CLOSE;
    EXPECT_EQ(TraducirEvento(ventana, kTriple)->tipo, TipoEvento::Cerrar);
    ventana.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_FALSE(TraducirEvento(ventana, kTriple).has_value());
}

}  // namespace
}  // namespace polvareda
