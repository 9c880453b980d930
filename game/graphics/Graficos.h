// Everything the drawing operations need: the window's canvas, its surfaces and the view that
// maps logical pixels onto the canvas. The game window owns one.
#pragma once

#include "Lienzo.h"
#include "Superficies.h"
#include "Vista.h"

namespace polvareda {

struct Graficos {
    explicit Graficos(Lienzo& l) : lienzo(l) {}
    Lienzo& lienzo;
    Superficies superficies;
    Vista vista;
};

}  // namespace polvareda
