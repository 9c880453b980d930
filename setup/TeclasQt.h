// From Qt's key events to the virtual-key codes the game reads from its configuration, so
// that a key captured here is the key the game reacts to. The rules follow the game's own
// map: letters by what the layout prints on them, every other key by its place on the
// keyboard (a US keyboard's names), the keypad apart from the rest.
#pragma once

#include <QKeyEvent>

namespace polvareda::setup {

// `tecla` is a Qt::Key, `modificadores` the event's modifiers (the keypad flag counts),
// `codigoX11` the X11 key code of the key's place, or 0 where the platform has none.
// 0 for a key without a virtual-key code.
int TeclaVirtual(int tecla, Qt::KeyboardModifiers modificadores, unsigned codigoX11);
int TeclaVirtual(const QKeyEvent& evento);

// The shift state as the key handlers count it: 1 Shift, 2 Control, 4 Alt.
int EstadoShift(Qt::KeyboardModifiers modificadores);

}  // namespace polvareda::setup
