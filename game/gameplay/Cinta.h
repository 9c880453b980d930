// The two strips the scroll moves, at the canvas's resolution: the counter `ventanilla`(1) and
// the wall `Pared`. One step is two unstretched copies to the canvas.
#pragma once

#include "Graficos.h"

namespace polvareda {

// `ventanilla`(1) made again from `ventanilla`(0), enlarged to canvas pixels.
void PrepararCinta(Graficos& g);

// One step of 8 logical pixels from `recorrido` (canvas pixels of the counter strip), left or
// right; draws both strips and returns the new position.
int PasoCinta(Graficos& g, int recorrido, bool izquierda);

}  // namespace polvareda
