// The cursor's display count and the keyboard's toggle keys, changed and put back.
#include "Sistema.h"

namespace polvareda {

namespace {

// The count moves by one per call; a platform that never reaches the mark must not hang us.
constexpr int kIntentosCursor = 256;

// One read and one write of the whole keyboard state, however many keys change: the game
// turns the three lamps off on every tick.
void FijarTeclas(Plataforma& plataforma, std::initializer_list<int> vks, std::uint8_t valor) {
    EstadoTeclas estado{};
    plataforma.LeerEstadoTeclas(estado);
    for (int vk : vks)
        if (vk >= 0 && vk <= 255) estado[static_cast<std::size_t>(vk)] = valor;
    plataforma.EscribirEstadoTeclas(estado);
}

}  // namespace

void OcultarCursor(Plataforma& plataforma) {
    for (int i = 0; i < kIntentosCursor && plataforma.MostrarCursor(false) >= 0; ++i) {
    }
}

void MostrarCursor(Plataforma& plataforma) {
    for (int i = 0; i < kIntentosCursor && plataforma.MostrarCursor(true) < 0; ++i) {
    }
}

void ActivarTecla(Plataforma& plataforma, int vk) {
    FijarTeclas(plataforma, {vk}, 1);
}
void DesactivarTecla(Plataforma& plataforma, int vk) {
    FijarTeclas(plataforma, {vk}, 0);
}
void ActivarTeclas(Plataforma& plataforma, std::initializer_list<int> vks) {
    FijarTeclas(plataforma, vks, 1);
}
void DesactivarTeclas(Plataforma& plataforma, std::initializer_list<int> vks) {
    FijarTeclas(plataforma, vks, 0);
}

}  // namespace polvareda
