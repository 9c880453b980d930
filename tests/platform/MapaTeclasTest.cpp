// SDL's keys turned into virtual-key codes.
#include "MapaTeclas.h"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include "Evento.h"
#include "Teclas.h"

namespace polvareda {
namespace {

struct Caso {
    SDL_Scancode scancode;
    SDL_Keycode keycode;
    int esperado;
};

// A US keyboard with Num Lock on: every key with its classic virtual-key code.
TEST(MapaTeclas, MapsTheWholePcKeyboard) {
    const Caso casos[] = {
        {SDL_SCANCODE_A, SDLK_a, 65},
        {SDL_SCANCODE_Z, SDLK_z, 90},
        {SDL_SCANCODE_M, SDLK_m, 77},
        {SDL_SCANCODE_0, SDLK_0, 48},
        {SDL_SCANCODE_1, SDLK_1, 49},
        {SDL_SCANCODE_9, SDLK_9, 57},
        {SDL_SCANCODE_LEFT, SDLK_LEFT, 37},
        {SDL_SCANCODE_UP, SDLK_UP, 38},
        {SDL_SCANCODE_RIGHT, SDLK_RIGHT, 39},
        {SDL_SCANCODE_DOWN, SDLK_DOWN, 40},
        {SDL_SCANCODE_F1, SDLK_F1, 112},
        {SDL_SCANCODE_F12, SDLK_F12, 123},
        {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 27},
        {SDL_SCANCODE_RETURN, SDLK_RETURN, 13},
        {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 13},
        {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, 8},
        {SDL_SCANCODE_TAB, SDLK_TAB, 9},
        {SDL_SCANCODE_SPACE, SDLK_SPACE, 32},
        {SDL_SCANCODE_PAUSE, SDLK_PAUSE, 19},
        {SDL_SCANCODE_SCROLLLOCK, SDLK_SCROLLLOCK, 145},
        {SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 20},
        {SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR, 144},
        {SDL_SCANCODE_PRINTSCREEN, SDLK_PRINTSCREEN, 44},
        {SDL_SCANCODE_INSERT, SDLK_INSERT, 45},
        {SDL_SCANCODE_DELETE, SDLK_DELETE, 46},
        {SDL_SCANCODE_HOME, SDLK_HOME, 36},
        {SDL_SCANCODE_END, SDLK_END, 35},
        {SDL_SCANCODE_PAGEUP, SDLK_PAGEUP, 33},
        {SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, 34},
        {SDL_SCANCODE_KP_0, SDLK_KP_0, 96},
        {SDL_SCANCODE_KP_5, SDLK_KP_5, 101},
        {SDL_SCANCODE_KP_9, SDLK_KP_9, 105},
        {SDL_SCANCODE_KP_MULTIPLY, SDLK_KP_MULTIPLY, 106},
        {SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, 107},
        {SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, 109},
        {SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, 110},
        {SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE, 111},
        {SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, 16},
        {SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, 16},
        {SDL_SCANCODE_LCTRL, SDLK_LCTRL, 17},
        {SDL_SCANCODE_RCTRL, SDLK_RCTRL, 17},
        {SDL_SCANCODE_LALT, SDLK_LALT, 18},
        {SDL_SCANCODE_RALT, SDLK_RALT, 18},
        {SDL_SCANCODE_LGUI, SDLK_LGUI, 91},
        {SDL_SCANCODE_RGUI, SDLK_RGUI, 92},
        {SDL_SCANCODE_APPLICATION, SDLK_APPLICATION, 93},
        {SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, 186},
        {SDL_SCANCODE_EQUALS, SDLK_EQUALS, 187},
        {SDL_SCANCODE_COMMA, SDLK_COMMA, 188},
        {SDL_SCANCODE_MINUS, SDLK_MINUS, 189},
        {SDL_SCANCODE_PERIOD, SDLK_PERIOD, 190},
        {SDL_SCANCODE_SLASH, SDLK_SLASH, 191},
        {SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, 192},
        {SDL_SCANCODE_LEFTBRACKET, SDLK_LEFTBRACKET, 219},
        {SDL_SCANCODE_BACKSLASH, SDLK_BACKSLASH, 220},
        {SDL_SCANCODE_RIGHTBRACKET, SDLK_RIGHTBRACKET, 221},
        {SDL_SCANCODE_APOSTROPHE, SDLK_QUOTE, 222},
        {SDL_SCANCODE_NONUSBACKSLASH, SDLK_LESS, 226},
        {SDL_SCANCODE_F13, SDLK_F13, 124},
        {SDL_SCANCODE_MUTE, SDLK_MUTE, 0},  // no code: the game never hears of it
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TeclaVirtual(c.scancode, c.keycode, KMOD_NUM), c.esperado)
            << SDL_GetScancodeName(c.scancode);
    }
}

TEST(MapaTeclas, LettersFollowTheLayoutAndTheRestFollowsThePlace) {
    // French layout: the key in the place of Q writes 'a'; the digit row writes symbols.
    EXPECT_EQ(TeclaVirtual(SDL_SCANCODE_Q, SDLK_a, 0), vk::A);
    EXPECT_EQ(TeclaVirtual(SDL_SCANCODE_1, SDLK_AMPERSAND, 0), vk::Cero + 1);
    EXPECT_EQ(TeclaVirtual(SDL_SCANCODE_SEMICOLON, SDLK_m, 0), vk::A + 12);
    // A layout without Latin letters keeps the US place.
    EXPECT_EQ(TeclaVirtual(SDL_SCANCODE_F, 0x0430, 0), vk::A + 5);
}

TEST(MapaTeclas, KeypadWithoutNumLockGivesTheNavigationKeys) {
    const Caso casos[] = {
        {SDL_SCANCODE_KP_7, SDLK_KP_7, vk::Inicio},
        {SDL_SCANCODE_KP_8, SDLK_KP_8, vk::Arriba},
        {SDL_SCANCODE_KP_9, SDLK_KP_9, vk::RePag},
        {SDL_SCANCODE_KP_4, SDLK_KP_4, vk::Izquierda},
        {SDL_SCANCODE_KP_5, SDLK_KP_5, 12},
        {SDL_SCANCODE_KP_6, SDLK_KP_6, vk::Derecha},
        {SDL_SCANCODE_KP_1, SDLK_KP_1, vk::Fin},
        {SDL_SCANCODE_KP_2, SDLK_KP_2, vk::Abajo},
        {SDL_SCANCODE_KP_3, SDLK_KP_3, vk::AvPag},
        {SDL_SCANCODE_KP_0, SDLK_KP_0, vk::Insertar},
        {SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, vk::Suprimir},
        {SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, vk::Sumar},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TeclaVirtual(c.scancode, c.keycode, 0), c.esperado)
            << SDL_GetScancodeName(c.scancode);
    }
}

TEST(MapaTeclas, ShiftStateCombinesShiftControlAndAlt) {
    EXPECT_EQ(EstadoShift(KMOD_NONE), 0);
    EXPECT_EQ(EstadoShift(KMOD_LSHIFT), kShift);
    EXPECT_EQ(EstadoShift(KMOD_RCTRL), kControl);
    EXPECT_EQ(EstadoShift(KMOD_LALT | KMOD_RSHIFT), kAlt | kShift);
    EXPECT_EQ(EstadoShift(KMOD_CAPS | KMOD_NUM), 0);  // lamps are not shift keys
}

}  // namespace
}  // namespace polvareda
