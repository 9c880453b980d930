// SDL's scancodes and keycodes turned into the virtual-key codes the game speaks.
#include "MapaTeclas.h"

#include <SDL.h>

#include "Evento.h"
#include "Teclas.h"

namespace polvareda {
namespace {

int TeclaNumerica(int scancode, bool bloqNum) {
    if (scancode == SDL_SCANCODE_KP_0) return bloqNum ? vk::Numerico0 : vk::Insertar;
    if (scancode == SDL_SCANCODE_KP_PERIOD) return bloqNum ? vk::Decimal : vk::Suprimir;
    const int digito = scancode - SDL_SCANCODE_KP_1 + 1;  // 1..9
    if (bloqNum) return vk::Numerico0 + digito;
    static constexpr int kNavegacion[9] = {vk::Fin,     vk::Abajo,  vk::AvPag,  vk::Izquierda, 12,
                                           vk::Derecha, vk::Inicio, vk::Arriba, vk::RePag};
    return kNavegacion[digito - 1];  // 12: the classic "clear" key on the keypad's 5
}

int PorPosicion(int scancode) {
    switch (scancode) {
        case SDL_SCANCODE_RETURN:
            return vk::Intro;
        case SDL_SCANCODE_ESCAPE:
            return vk::Escape;
        case SDL_SCANCODE_BACKSPACE:
            return vk::Retroceso;
        case SDL_SCANCODE_TAB:
            return vk::Tabulador;
        case SDL_SCANCODE_SPACE:
            return vk::Espacio;
        case SDL_SCANCODE_MINUS:
            return vk::Guion;
        case SDL_SCANCODE_EQUALS:
            return vk::Igual;
        case SDL_SCANCODE_LEFTBRACKET:
            return vk::CorcheteAbre;
        case SDL_SCANCODE_RIGHTBRACKET:
            return vk::CorcheteCierra;
        case SDL_SCANCODE_BACKSLASH:
            return vk::BarraInversa;
        case SDL_SCANCODE_NONUSHASH:
            return vk::BarraInversa;
        case SDL_SCANCODE_SEMICOLON:
            return vk::PuntoYComa;
        case SDL_SCANCODE_APOSTROPHE:
            return vk::Apostrofo;
        case SDL_SCANCODE_GRAVE:
            return vk::Acento;
        case SDL_SCANCODE_COMMA:
            return vk::Coma;
        case SDL_SCANCODE_PERIOD:
            return vk::Punto;
        case SDL_SCANCODE_SLASH:
            return vk::Barra;
        case SDL_SCANCODE_NONUSBACKSLASH:
            return vk::Menor;
        case SDL_SCANCODE_CAPSLOCK:
            return vk::BloqMayus;
        case SDL_SCANCODE_PRINTSCREEN:
            return vk::ImprPant;
        case SDL_SCANCODE_SYSREQ:
            return vk::ImprPant;
        case SDL_SCANCODE_SCROLLLOCK:
            return vk::BloqDespl;
        case SDL_SCANCODE_PAUSE:
            return vk::Pausa;
        case SDL_SCANCODE_INSERT:
            return vk::Insertar;
        case SDL_SCANCODE_HOME:
            return vk::Inicio;
        case SDL_SCANCODE_PAGEUP:
            return vk::RePag;
        case SDL_SCANCODE_DELETE:
            return vk::Suprimir;
        case SDL_SCANCODE_END:
            return vk::Fin;
        case SDL_SCANCODE_PAGEDOWN:
            return vk::AvPag;
        case SDL_SCANCODE_RIGHT:
            return vk::Derecha;
        case SDL_SCANCODE_LEFT:
            return vk::Izquierda;
        case SDL_SCANCODE_DOWN:
            return vk::Abajo;
        case SDL_SCANCODE_UP:
            return vk::Arriba;
        case SDL_SCANCODE_NUMLOCKCLEAR:
            return vk::BloqNum;
        case SDL_SCANCODE_KP_DIVIDE:
            return vk::Dividir;
        case SDL_SCANCODE_KP_MULTIPLY:
            return vk::Multiplicar;
        case SDL_SCANCODE_KP_MINUS:
            return vk::Restar;
        case SDL_SCANCODE_KP_PLUS:
            return vk::Sumar;
        case SDL_SCANCODE_KP_ENTER:
            return vk::Intro;
        case SDL_SCANCODE_APPLICATION:
            return vk::Aplicaciones;
        case SDL_SCANCODE_LCTRL:
        case SDL_SCANCODE_RCTRL:
            return vk::Control;
        case SDL_SCANCODE_LSHIFT:
        case SDL_SCANCODE_RSHIFT:
            return vk::Mayusculas;
        case SDL_SCANCODE_LALT:
        case SDL_SCANCODE_RALT:
            return vk::Alt;
        case SDL_SCANCODE_LGUI:
            return vk::WindowsIzq;
        case SDL_SCANCODE_RGUI:
            return vk::WindowsDer;
        default:
            break;
    }
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return vk::A + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return vk::Cero + 1 + (scancode - SDL_SCANCODE_1);
    }
    if (scancode == SDL_SCANCODE_0) return vk::Cero;
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        return vk::F1 + (scancode - SDL_SCANCODE_F1);
    }
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) {
        return vk::F1 + 12 + (scancode - SDL_SCANCODE_F13);
    }
    return 0;
}

// The keys of the typing block whose meaning follows the layout: letters and punctuation.
bool EnBloqueDeLetras(int scancode) {
    return (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) ||
           (scancode >= SDL_SCANCODE_MINUS && scancode <= SDL_SCANCODE_SLASH) ||
           scancode == SDL_SCANCODE_NONUSBACKSLASH;
}

}  // namespace

int TeclaVirtual(int scancode, int keycode, int modificadores) {
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_PERIOD &&
        scancode != SDL_SCANCODE_KP_ENTER) {
        return TeclaNumerica(scancode, (modificadores & KMOD_NUM) != 0);
    }
    if (EnBloqueDeLetras(scancode) && keycode >= 'a' && keycode <= 'z') {
        return vk::A + (keycode - 'a');
    }
    return PorPosicion(scancode);
}

int EstadoShift(int modificadores) {
    int shift = 0;
    if (modificadores & KMOD_SHIFT) shift |= kShift;
    if (modificadores & KMOD_CTRL) shift |= kControl;
    if (modificadores & KMOD_ALT) shift |= kAlt;
    return shift;
}

}  // namespace polvareda
