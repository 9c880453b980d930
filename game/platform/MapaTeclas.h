// From SDL's key identification to the classic virtual-key codes the game speaks. Plain ints
// so that the header stays free of SDL: `scancode` is an SDL_Scancode, `keycode` an
// SDL_Keycode, `modificadores` an SDL_Keymod.
#pragma once

namespace polvareda {

// Keys are taken by their place on the keyboard (digits, punctuation, keypad, function and
// control keys), as a US keyboard names them; letters follow the layout, so a French 'A' key
// is 'A'. With Num Lock off the keypad gives the navigation keys, as it did on the classic
// platform. 0 for a key that has no virtual-key code.
int TeclaVirtual(int scancode, int keycode, int modificadores);

// The game's shift state: 1 shift, 2 control, 4 alt.
int EstadoShift(int modificadores);

}  // namespace polvareda
