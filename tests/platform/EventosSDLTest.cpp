// SDL's events turned into the game's.
#include "EventosSDL.h"

#include <gtest/gtest.h>

#include "Teclas.h"

namespace polvareda {
namespace {

const Encaje kTriple{16, 12, 768, 576, {256, 192}};  // 256 x 192 on 800 x 600, factor 3

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

SDL_Event Mando(Uint32 tipo, Uint8 cual, Sint16 valor = 0) {
    SDL_Event e{};
    e.type = tipo;
    if (tipo == SDL_CONTROLLERAXISMOTION) {
        e.caxis.axis = cual;
        e.caxis.value = valor;
    } else {
        e.cbutton.button = cual;
    }
    return e;
}

TEST(EventosSDL, ControllerButtonsAndAxesArriveByTheirNames) {
    // Every button the game names, checked name by name against SDL's own names for them.
    for (int b = 0; b < kBotonesMando; ++b) {
        const auto sdl = SDL_GameControllerGetButtonFromString(kNombresBotonMando[b]);
        ASSERT_NE(sdl, SDL_CONTROLLER_BUTTON_INVALID) << kNombresBotonMando[b];
        const auto pulsado =
            TraducirEvento(Mando(SDL_CONTROLLERBUTTONDOWN, static_cast<Uint8>(sdl)), kTriple);
        ASSERT_TRUE(pulsado.has_value()) << kNombresBotonMando[b];
        EXPECT_EQ(pulsado->tipo, TipoEvento::MandoPulsado);
        EXPECT_EQ(pulsado->boton, b) << kNombresBotonMando[b];
        EXPECT_EQ(
            TraducirEvento(Mando(SDL_CONTROLLERBUTTONUP, static_cast<Uint8>(sdl)), kTriple)->tipo,
            TipoEvento::MandoSoltado);
    }
    for (auto otro : {SDL_CONTROLLER_BUTTON_MISC1, SDL_CONTROLLER_BUTTON_PADDLE1,
                      SDL_CONTROLLER_BUTTON_TOUCHPAD, SDL_CONTROLLER_BUTTON_MAX}) {
        EXPECT_FALSE(
            TraducirEvento(Mando(SDL_CONTROLLERBUTTONDOWN, static_cast<Uint8>(otro)), kTriple));
    }

    for (int a = 0; a < kEjesMando; ++a) {
        const auto sdl = SDL_GameControllerGetAxisFromString(kNombresEjeMando[a]);
        ASSERT_NE(sdl, SDL_CONTROLLER_AXIS_INVALID) << kNombresEjeMando[a];
        for (Sint16 valor : {Sint16{-32768}, Sint16{0}, Sint16{32767}}) {
            const auto eje = TraducirEvento(
                Mando(SDL_CONTROLLERAXISMOTION, static_cast<Uint8>(sdl), valor), kTriple);
            ASSERT_TRUE(eje.has_value());
            EXPECT_EQ(eje->tipo, TipoEvento::MandoEje);
            EXPECT_EQ(eje->boton, a) << kNombresEjeMando[a];
            EXPECT_EQ(eje->x, valor);
        }
    }
    EXPECT_FALSE(
        TraducirEvento(Mando(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLER_AXIS_MAX, 5), kTriple));

    EXPECT_EQ(TraducirEvento(Mando(SDL_CONTROLLERDEVICEADDED, 0), kTriple)->tipo,
              TipoEvento::MandoConectado);
    EXPECT_EQ(TraducirEvento(Mando(SDL_CONTROLLERDEVICEREMOVED, 0), kTriple)->tipo,
              TipoEvento::MandoDesconectado);
    // The raw joystick underneath speaks too; the game hears only the controller.
    EXPECT_FALSE(TraducirEvento(Mando(SDL_JOYBUTTONDOWN, 0), kTriple));
}

}  // namespace
}  // namespace polvareda
