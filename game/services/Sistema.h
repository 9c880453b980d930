// The machine settings the game changes and puts back: the mouse cursor's display count and
// the keyboard's toggle keys.
#pragma once

#include <initializer_list>

#include "Plataforma.h"

namespace polvareda {

// Hide or show the cursor, asking again until the display count says so.
void OcultarCursor(Plataforma& plataforma);
void MostrarCursor(Plataforma& plataforma);

// Switch a toggle key on (1) or off and released (0): the whole keyboard state is read,
// byte `vk` changed and the whole state written back.
void ActivarTecla(Plataforma& plataforma, int vk);
void DesactivarTecla(Plataforma& plataforma, int vk);
// The same for several keys at once.
void ActivarTeclas(Plataforma& plataforma, std::initializer_list<int> vks);
void DesactivarTeclas(Plataforma& plataforma, std::initializer_list<int> vks);

}  // namespace polvareda
