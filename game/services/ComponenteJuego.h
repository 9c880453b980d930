// What the shell knows of the front end: a part of the run with a state of its own, which the
// state line of scripted runs and the play trace show.
#pragma once

#include <string>

namespace polvareda {

class ComponenteJuego {
  public:
    virtual ~ComponenteJuego() = default;
    // Appends the play state's fields (", \"points\": 0, ...") to a state line.
    virtual void CamposEstado(std::string& json) const = 0;
    // The attract screens hold the window: the state line's "demo" field shows it, as it shows
    // the rules' attract game.
    virtual bool AtraccionEnPantalla() const { return false; }
};

}  // namespace polvareda
