// The Qt key table. Kept beside the game's own (SDL) table in spirit: a test checks that both
// give the same code for the same key.
#include "TeclasQt.h"

#include <QGuiApplication>

namespace polvareda::setup {

namespace {

// Keys the game takes by their place: the digit row and the punctuation of the typing block,
// by their X11 key codes (the evdev code plus 8), so that a French '&' key is still '1'.
int PorPosicionX11(unsigned codigo) {
    if (codigo >= 10 && codigo <= 18) return '1' + static_cast<int>(codigo - 10);
    switch (codigo) {
        case 19:
            return '0';
        case 20:
            return 189;  // - _
        case 21:
            return 187;  // = +
        case 34:
            return 219;  // [ {
        case 35:
            return 221;  // ] }
        case 47:
            return 186;  // ; :
        case 48:
            return 222;  // ' "
        case 49:
            return 192;  // ` ~
        case 51:
            return 220;  // \ |
        case 59:
            return 188;  // , <
        case 60:
            return 190;  // . >
        case 61:
            return 191;  // / ?
        case 94:
            return 226;  // the extra key left of Z
        default:
            return 0;
    }
}

int Numerico(int tecla) {
    if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9) return 96 + (tecla - Qt::Key_0);
    switch (tecla) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return 13;
        // Num Lock off: the keypad's navigation keys, as the game counts them.
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Clear:
            return 12;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_NumLock:
            return 144;
        default:
            return 0;
    }
}

int PorTecla(int tecla) {
    if (tecla >= Qt::Key_A && tecla <= Qt::Key_Z) return 'A' + (tecla - Qt::Key_A);
    if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9) return '0' + (tecla - Qt::Key_0);
    if (tecla >= Qt::Key_F1 && tecla <= Qt::Key_F24) return 112 + (tecla - Qt::Key_F1);
    switch (tecla) {
        // The shifted digits of a US keyboard are still their digit keys.
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_At:
            return '2';
        case Qt::Key_NumberSign:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
        case Qt::Key_AsciiCircum:
            return '6';
        case Qt::Key_Ampersand:
            return '7';
        case Qt::Key_Asterisk:
            return '8';
        case Qt::Key_ParenLeft:
            return '9';
        case Qt::Key_ParenRight:
            return '0';
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Clear:
            return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Print:
        case Qt::Key_SysReq:
            return 44;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return 91;
        case Qt::Key_Super_R:
            return 92;
        case Qt::Key_Menu:
            return 93;
        case Qt::Key_NumLock:
            return 144;
        case Qt::Key_ScrollLock:
            return 145;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return 186;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return 187;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return 188;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return 189;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return 190;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return 191;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return 192;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return 219;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return 220;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return 221;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return 222;
        default:
            return 0;
    }
}

}  // namespace

int TeclaVirtual(int tecla, Qt::KeyboardModifiers modificadores, unsigned codigoX11) {
    if (modificadores & Qt::KeypadModifier) {
        if (const int vk = Numerico(tecla)) return vk;
    }
    if (tecla >= Qt::Key_A && tecla <= Qt::Key_Z) return PorTecla(tecla);
    if (const int vk = PorPosicionX11(codigoX11)) return vk;
    return PorTecla(tecla);
}

int TeclaVirtual(const QKeyEvent& evento) {
    // Only the X11 platform's native scan codes are X11 key codes.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return TeclaVirtual(evento.key(), evento.modifiers(), x11 ? evento.nativeScanCode() : 0);
}

int EstadoShift(Qt::KeyboardModifiers modificadores) {
    int estado = 0;
    if (modificadores & Qt::ShiftModifier) estado |= 1;
    if (modificadores & Qt::ControlModifier) estado |= 2;
    if (modificadores & Qt::AltModifier) estado |= 4;
    return estado;
}

}  // namespace polvareda::setup
