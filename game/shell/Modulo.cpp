// The run's parts made in order, and the rules made on first use.
#include "Modulo.h"

#include "Estado.h"
#include "Juego.h"

namespace polvareda {

Modulo::Modulo(Plataforma& p, Azar& a) : ServiciosJuego(p, a), plataforma(p) {
    traza.ConLinea([this](std::string_view por, std::string_view extra) {
        return EstadoJson(*this, por, extra, false);
    });
}

Modulo::~Modulo() = default;

Juego& JuegoDe(Modulo& m) {
    if (!m.juego) m.juego = std::make_unique<Juego>(m);
    return *m.juego;
}

}  // namespace polvareda
