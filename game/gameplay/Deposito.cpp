// A customer's deposit and the end of the phase once every door has paid.
#include "Composicion.h"
#include "Figuras.h"
#include "Juego.h"
#include "Panel.h"
#include "ServiciosJuego.h"

namespace polvareda {

void Juego::ApuntarDeposito(std::int16_t puerta) {
    if (puerta < 0 || puerta > 11) return;
    // A door that has already paid in this phase pays again, but is not counted twice.
    if (p_.Depositado[static_cast<std::size_t>(puerta)]) return;
    p_.Depositado[static_cast<std::size_t>(puerta)] = true;
    ++p_.Depositos;
}

bool Juego::Depositar(int slot) {
    const std::int16_t puerta = p_.Visibles[static_cast<std::size_t>(slot)].Puerta;
    ApuntarDeposito(puerta);
    EmpezarGiro();
    SumaPuntos(50, false);
    return MarcaPuerta(puerta);
}

void Juego::FinDeFase() {
    Secuencia secuencia(*this);
    Snd().TocarTema(2);
    // The twelve boxes blink seventeen times and end lit.
    for (int k = 1; k <= 17; ++k) {
        const int sx = k % 2 == 1 ? 14 : 0;
        for (int d = 0; d < 12; ++d)
            CopiaEscaladaXGA(G(), S().sino, sx, 0, 14, 14, XMarcaPuerta(d), 9);
        Snd().Tocar(efecto::kFinDeFase);
        Esperar(200);
    }
    Esperar(500);
    Duelo();
}

}  // namespace polvareda
