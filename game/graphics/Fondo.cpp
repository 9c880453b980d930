// Assembling the static background and the enlarged wall strip.
#include "Fondo.h"

namespace polvareda {

void ConstruirFondo(Graficos& g) {
    Superficies& s = g.superficies;
    const int m = g.vista.factorXGA;
    s.Fondo.t = m;
    s.Fondo.imagen = Imagen(256 * m, 192 * m, 0);
    Superficie& f = s.Fondo;

    // The bars: the top one whole, the bottom one from three copies of the panel's ground (the
    // third is cut at the right edge; row 168 stays black).
    Transferir(f, 0, 0, s.panel, 0, 0, 256, 24, Rop::SrcCopy);
    for (int i = 0; i < 3; ++i) Transferir(f, 96 * i, 169, s.panel, 8, 1, 96, 23, Rop::SrcCopy);

    // Door boxes: the first three doors lit, the others unlit, and their frames.
    Transferir(f, 8, 0, s.cajas, 0, 8, 48, 8, Rop::SrcCopy);
    Transferir(f, 56, 0, s.cajas, 48, 0, 48, 8, Rop::SrcCopy);
    Transferir(f, 152, 0, s.cajas, 96, 0, 96, 8, Rop::SrcCopy);
    for (int j = 0; j < 6; ++j) {
        Transferir(f, 8 + 16 * j, 8, s.CuadroCajas, 0, 0, 16, 16, Rop::SrcCopy);
        Transferir(f, 152 + 16 * j, 8, s.CuadroCajas, 0, 0, 16, 16, Rop::SrcCopy);
    }

    // The wall tile with a closed door, three times, and the counter in front.
    Superficie& pared = s.Pared;
    if (pared.Ancho() < pared.Px(352)) pared.Redimensionar(pared.Px(352), pared.Alto());
    Transferir(pared, 16, 7, s.Puertas, 0, 0, 56, 88, Rop::SrcCopy);
    for (int k = 0; k < 3; ++k) Transferir(f, 88 * k, 25, pared, 0, 0, 88, 115, Rop::SrcCopy);
    Transferir(f, 0, 140, s.ventanilla[0], 176, 0, 256, 28, Rop::SrcCopy);

    // The scroll's wall strip: four tiles side by side, enlarged once to canvas pixels.
    for (int l = 1; l < 4; ++l) Transferir(pared, 88 * l, 0, pared, 0, 0, 88, 103, Rop::SrcCopy);
    const Rect fuente{0, 0, pared.Px(352), pared.Px(103)};
    Imagen ampliada(g.vista.escala.Aplicar(m, 352), g.vista.escala.Aplicar(m, 103), 0);
    Estirar(ampliada, {0, 0, ampliada.Width(), ampliada.Height()}, pared.imagen, fuente,
            Rop::SrcCopy);
    pared.imagen = std::move(ampliada);
}

}  // namespace polvareda
