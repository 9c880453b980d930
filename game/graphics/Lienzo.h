// The window's picture: one pixel buffer the size of the game's canvas ("the screen"), into
// which every drawing operation writes, with the list of rectangles changed since the last
// time the screen caught up. Only those rectangles travel to the display.
#pragma once

#include <vector>

#include "Imagen.h"

namespace polvareda {

class Lienzo {
  public:
    // A black canvas of the given size; everything counts as changed.
    void Redimensionar(int ancho, int alto);
    int Ancho() const { return imagen_.Width(); }
    int Alto() const { return imagen_.Height(); }

    Imagen& Pixeles() { return imagen_; }
    const Imagen& Pixeles() const { return imagen_; }

    // Records a changed rectangle (clipped to the canvas; empty ones are ignored).
    void Marcar(Rect zona);
    // Fills a rectangle (or the whole canvas) with a colour and records it.
    void Rellenar(Rect zona, Pixel color);
    void Borrar() { Rellenar({0, 0, Ancho(), Alto()}, 0); }

    bool HayCambios() const { return !cambios_.empty(); }
    // The changed rectangles since the last call, merged where they overlap; clears the list.
    std::vector<Rect> TomarCambios();

    // Persistent drawing: the screen shows the picture only when the code refreshes it
    // (Refrescar); direct drawing: the screen catches up after every handler.
    bool Persistente() const { return persistente_; }
    void Persistente(bool persistente) { persistente_ = persistente; }
    void Refrescar() { refrescoPedido_ = true; }
    // True when the pump should present now: direct mode with changes, or a refresh asked for.
    bool DebePresentar() const { return HayCambios() && (!persistente_ || refrescoPedido_); }
    void Presentado() { refrescoPedido_ = false; }

  private:
    Imagen imagen_;
    std::vector<Rect> cambios_;
    bool persistente_ = false;
    bool refrescoPedido_ = false;
};

}  // namespace polvareda
