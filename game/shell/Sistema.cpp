#include "Sistema.h"

namespace polvareda {

namespace {

// The count moves by one per call; a platform that never reaches the mark must not hang us.
constexpr int kIntentosCursor = 256;

void FijarTecla(Plataforma& plataforma, int vk, std::uint8_t valor) {
    if (vk < 0 || vk > 255) return;
    EstadoTeclas estado{};
    plataforma.LeerEstadoTeclas(estado);
    estado[static_cast<std::size_t>(vk)] = valor;
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
    FijarTecla(plataforma, vk, 1);
}
void DesactivarTecla(Plataforma& plataforma, int vk) {
    FijarTecla(plataforma, vk, 0);
}

}  // namespace polvareda
