// What the rules use of the machine itself: the time of day, which seeds their chance, and the
// keyboard's lamps, which flash with the shots and the bomb. Nothing else of the platform.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "Plataforma.h"
#include "Sistema.h"

namespace polvareda {

class Maquina {
  public:
    explicit Maquina(Plataforma& plataforma) : plataforma_(plataforma) {}

    std::int64_t HoraDelDiaMs() { return plataforma_.HoraDelDiaMs(); }
    void EncenderLampara(int tecla) { ActivarTecla(plataforma_, tecla); }
    // The lamps of `teclas` on or off, in one keyboard write.
    void Lamparas(std::initializer_list<int> teclas, bool encendidas) {
        if (encendidas) {
            ActivarTeclas(plataforma_, teclas);
        } else {
            DesactivarTeclas(plataforma_, teclas);
        }
    }

  private:
    Plataforma& plataforma_;
};

}  // namespace polvareda
