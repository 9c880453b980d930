// The static background `Fondo` and the pre-enlarged wall strip `Pared`.
#pragma once

#include "Graficos.h"

namespace polvareda {

// Builds `Fondo` (top bar, bottom bar, door boxes with the first three lit, the wall with three
// closed doors, the counter) at the extension's resolution, 256·m by 192·m, and turns `Pared`
// into the strip of four wall tiles with doors, enlarged once to round(352·m·s) by
// round(103·m·s) canvas pixels so the scroll copies it without stretching. Call it once, after
// the colourings are made and once the view's scale is known.
void ConstruirFondo(Graficos& g);

}  // namespace polvareda
