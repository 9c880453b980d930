// What the shell knows of the game's rules: they are a part of the run with a state of their
// own, which the state line of scripted runs and the play trace show.
#pragma once

#include <string>

namespace polvareda {

class ComponenteJuego {
  public:
    virtual ~ComponenteJuego() = default;
    // Appends the play state's fields (", \"points\": 0, ...") to a state line.
    virtual void CamposEstado(std::string& json) const = 0;
};

}  // namespace polvareda
