// The pause of a game: taken and left, and the word that blinks over the frozen play so the
// player sees the game waits for him rather than hangs.
#include <algorithm>

#include "Juego.h"
#include "ServiciosJuego.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr int kFilaPausa = 86;  // the row of the phase captions, over the middle door

}  // namespace

void Juego::Pausar(bool pausado) {
    Tiempo(!pausado);
    m_.bucle.Habilitar(parpadeoPausa_, false);
    if (pausado) {
        MarcaPausa(true);
        m_.bucle.Habilitar(parpadeoPausa_, true);
    } else {
        MarcaPausa(false);
        fondoPausa_ = Imagen();
    }
}

bool Juego::EnPausa() const {
    return ModoActual() == Modo::Juego && p_.secuencias == 0 && !TiempoActivo() && !p_.Demo;
}

void Juego::AbrirOpciones() {
    if (!opcionesEnPausa) return;
    // The screen keeps the paused picture without the word, and puts it back when it closes.
    m_.bucle.Habilitar(parpadeoPausa_, false);
    MarcaPausa(false);
    opcionesEnPausa();
}

void Juego::VolverALaPausa() {
    MarcaPausa(true);
    m_.bucle.Habilitar(parpadeoPausa_, true);
}

void Juego::ParpadeoPausa() {
    // Only a game paused in play blinks; anything else that stopped the tick keeps its picture.
    if (ModoActual() != Modo::Juego || TiempoActivo()) {
        m_.bucle.Habilitar(parpadeoPausa_, false);
        return;
    }
    MarcaPausa(!marcaPausa_);
}

void Juego::MarcaPausa(bool visible) {
    Lienzo& lienzo = m_.ventana.lienzo;
    Imagen& canvas = lienzo.Pixeles();
    std::string texto = m_.textos.pausa;
    while (!texto.empty() && texto.back() == ' ') texto.pop_back();
    const int largo = std::min<int>(static_cast<int>(texto.size()), 32);
    const int columna = (32 - largo) / 2;
    const Rect zona = G().vista.Destino(8 * columna, kFilaPausa, 8 * largo, 12);
    const int x0 = std::max(zona.x, 0);
    const int y0 = std::max(zona.y, 0);
    const int x1 = std::min(zona.x + zona.w, canvas.Width());
    const int y1 = std::min(zona.y + zona.h, canvas.Height());
    if (x1 <= x0 || y1 <= y0) return;
    const auto copiar = [&](Imagen& a, int ax, int ay, const Imagen& de, int dx, int dy) {
        for (int y = 0; y < y1 - y0; ++y)
            std::copy_n(de.Row(dy + y) + dx, x1 - x0, a.Row(ay + y) + ax);
    };
    if (visible && !marcaPausa_) {
        // What lies under the word is kept, so the pause leaves the picture as it found it.
        fondoPausa_ = Imagen(x1 - x0, y1 - y0);
        copiar(fondoPausa_, 0, 0, canvas, x0, y0);
        Escribe(G(), columna, kFilaPausa, texto, 3, kFondoCompuesto);
        marcaPausa_ = true;
    } else if (!visible && marcaPausa_) {
        if (fondoPausa_.Width() == x1 - x0 && fondoPausa_.Height() == y1 - y0)
            copiar(canvas, x0, y0, fondoPausa_, 0, 0);
        lienzo.Marcar({x0, y0, x1 - x0, y1 - y0});
        marcaPausa_ = false;
    }
    m_.bucle.PresentarSiToca();
}

}  // namespace polvareda
