// The busy indicator.
#include "Reloj.h"

namespace polvareda {

namespace {

Rect Lugar(const Graficos& g) {
    const Vista& v = g.vista;
    // The visible area is the logical picture plus its margins on both sides.
    const int ancho = v.escala.Aplicar(v.factorXGA, 256 + 2 * v.margenX);
    const int alto = v.escala.Aplicar(v.factorXGA, 192 + 2 * v.margenY);
    return {v.origenX + ancho - (v.margenX + 40), v.origenY + alto - (v.margenY + 40), 32, 32};
}

}  // namespace

void Reloj::Mostrar(Graficos& g, int cual) {
    if (cual < 1 || cual > 2) return;
    Imagen& lienzo = g.lienzo.Pixeles();
    if (!debajo_) {
        lugar_ = Lugar(g);
        debajo_ = Imagen(lugar_.w, lugar_.h);
        Transferir(*debajo_, 0, 0, lienzo, lugar_.x, lugar_.y, lugar_.w, lugar_.h, Rop::SrcCopy);
    }
    const Imagen& dibujo = g.superficies.reloj[static_cast<std::size_t>(cual)].imagen;
    Estirar(lienzo, lugar_, dibujo, {0, 0, dibujo.Width(), dibujo.Height()}, Rop::SrcCopy);
    g.lienzo.Marcar(lugar_);
}

void Reloj::Quitar(Graficos& g) {
    if (!debajo_) return;
    Transferir(g.lienzo.Pixeles(), lugar_.x, lugar_.y, *debajo_, 0, 0, lugar_.w, lugar_.h,
               Rop::SrcCopy);
    g.lienzo.Marcar(lugar_);
    debajo_.reset();
}

}  // namespace polvareda
