// The capture of the five game keys, one after the other.
#include "CapturaTeclas.h"

#include <algorithm>

namespace polvareda {

bool CapturaTeclas::Pulsar(int tecla) {
    // The left and right arrows always move the wall in the game; they can never be assigned.
    if (!Capturando() || tecla == 37 || tecla == 39 || tecla <= 0 || tecla > 255) return false;
    const auto codigo = static_cast<std::int16_t>(tecla);
    const auto tomadas = pendientes_.begin() + control_;
    if (std::find(pendientes_.begin(), tomadas, codigo) != tomadas) return false;
    pendientes_[static_cast<std::size_t>(control_)] = codigo;
    if (++control_ == kControles) {
        comprometidas_ = pendientes_;
        control_ = -1;
    }
    return true;
}

}  // namespace polvareda
