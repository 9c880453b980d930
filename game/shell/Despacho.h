// The window's event dispatch: keys and mouse to the window's handlers, the close request,
// and the requests of a headless script (end, picture, state).
#pragma once

#include "Evento.h"

namespace polvareda {

struct Modulo;

void AtenderEvento(Modulo& modulo, const Evento& evento);

}  // namespace polvareda
