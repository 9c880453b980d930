// The window's event dispatch: the desktop keys first, then every key, mouse, controller and
// focus event to the input dispatch (DespachoEntrada); the close request, and the requests of a
// headless script (end, picture, state).
#pragma once

#include "Evento.h"

namespace polvareda {

struct Modulo;

void AtenderEvento(Modulo& modulo, const Evento& evento);

}  // namespace polvareda
