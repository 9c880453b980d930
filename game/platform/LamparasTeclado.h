// The Caps Lock, Num Lock and Scroll Lock lamps through the X keyboard extension. libX11 is
// opened at run time: where it is missing, or the display is not X11, there are no lamps and
// the game goes on without them.
#pragma once

#include <memory>
#include <optional>

namespace polvareda {

class LamparasTeclado {
  public:
    // Nothing when libX11 or the X display cannot be opened.
    static std::unique_ptr<LamparasTeclado> AbrirX11();
    virtual ~LamparasTeclado() = default;

    // `tecla` is 20 (Caps Lock), 144 (Num Lock) or 145 (Scroll Lock); other keys: nothing.
    virtual std::optional<bool> Encendida(int tecla) = 0;
    virtual void Encender(int tecla, bool encendida) = 0;
};

}  // namespace polvareda
