// What the score panel asks of the game window: its sounds, its music and a wait that keeps
// the window handling events.
#pragma once

#include "BucleEventos.h"
#include "Panel.h"
#include "Sonidos.h"

namespace polvareda {

class ServiciosVentana : public ServiciosPanel {
  public:
    ServiciosVentana(Sonidos& sonidos, BucleEventos& bucle) : sonidos_(sonidos), bucle_(bucle) {}

    void PararEfecto(int efecto) override { sonidos_.Parar(efecto); }
    void TocarEfectoDesdeElPrincipio(int efecto) override {
        sonidos_.Parar(efecto);
        sonidos_.Rebobinar(efecto);
        sonidos_.Tocar(efecto);
    }
    void TocarTema(int tema) override { sonidos_.TocarTema(tema); }
    void Esperar(int ms) override { bucle_.Esperar(ms, ""); }

  private:
    Sonidos& sonidos_;
    BucleEventos& bucle_;
};

}  // namespace polvareda
