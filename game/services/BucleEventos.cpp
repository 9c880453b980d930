// The event pump: input, timers and the screen's catching up, sleeping between them.
#include "BucleEventos.h"

#include <algorithm>
#include <limits>

namespace polvareda {

namespace {
constexpr std::int64_t kNunca = std::numeric_limits<std::int64_t>::max();

// A script's requests to look at the game: answered without ending a wait.
bool Observacion(const Evento& evento) {
    return evento.tipo == TipoEvento::VolcarImagen || evento.tipo == TipoEvento::VolcarEstado;
}
}  // namespace

BucleEventos::BucleEventos(Plataforma& plataforma, Ventana& ventana)
    : plataforma_(plataforma), ventana_(ventana) {}

int BucleEventos::AgregarTemporizador(std::string nombre, std::int64_t intervaloMs,
                                      std::function<void()> alVencer) {
    Temporizador t;
    t.nombre = std::move(nombre);
    t.intervalo = intervaloMs;
    t.alVencer = std::move(alVencer);
    temporizadores_.push_back(std::move(t));
    return static_cast<int>(temporizadores_.size()) - 1;
}

int BucleEventos::BuscarTemporizador(std::string_view nombre) const {
    for (std::size_t i = 0; i < temporizadores_.size(); ++i)
        if (temporizadores_[i].nombre == nombre) return static_cast<int>(i);
    return -1;
}

void BucleEventos::Habilitar(int id, bool habilitado) {
    Temporizador& t = temporizadores_.at(static_cast<std::size_t>(id));
    if (habilitado && !t.habilitado) t.vence = plataforma_.AhoraMs() + t.intervalo;
    t.habilitado = habilitado;
}

bool BucleEventos::Habilitado(int id) const {
    return temporizadores_.at(static_cast<std::size_t>(id)).habilitado;
}

void BucleEventos::Intervalo(int id, std::int64_t intervaloMs) {
    Temporizador& t = temporizadores_.at(static_cast<std::size_t>(id));
    t.intervalo = intervaloMs;
    t.vence = plataforma_.AhoraMs() + intervaloMs;
}

std::int64_t BucleEventos::Intervalo(int id) const {
    return temporizadores_.at(static_cast<std::size_t>(id)).intervalo;
}

std::int64_t BucleEventos::ProximoVencimiento() const {
    std::int64_t proximo = kNunca;
    for (const auto& t : temporizadores_)
        if (Activo(t)) proximo = std::min(proximo, t.vence);
    return proximo;
}

bool BucleEventos::CorrerVencido(std::int64_t ahora) {
    for (std::size_t i = 0; i < temporizadores_.size(); ++i) {
        Temporizador& t = temporizadores_[i];
        if (!Activo(t) || t.vence > ahora) continue;
        // Ticks missed while the game was busy are not made up one by one: the timer fires
        // once and counts a whole interval from now.
        t.vence += t.intervalo;
        if (t.vence <= ahora) t.vence = ahora + t.intervalo;
        t.corriendo = true;
        ++atendiendo_;
        struct Fin {
            std::vector<Temporizador>& lista;
            std::size_t i;
            int& atendiendo;
            ~Fin() {
                lista[i].corriendo = false;
                --atendiendo;
            }
        } fin{temporizadores_, i, atendiendo_};
        // Copied: the handler may add timers, which moves the list.
        const auto alVencer = t.alVencer;
        if (alVencer) alVencer();
        return true;
    }
    return false;
}

void BucleEventos::Avisar() {
    if (antesDeAtender_) antesDeAtender_();
}

void BucleEventos::Atender(std::int64_t limiteMs) {
    Avisar();
    // What was drawn before the wait must be on screen while the game waits, not after it.
    PresentarSiToca();
    if (!CorrerVencido(plataforma_.AhoraMs())) {
        const std::int64_t hasta = std::min(limiteMs, ProximoVencimiento());
        for (;;) {
            auto evento = plataforma_.EsperarEvento(hasta);
            if (!evento) {
                CorrerVencido(plataforma_.AhoraMs());
                break;
            }
            Despachar(*evento);
            if (!Observacion(*evento)) break;
        }
    }
    PresentarSiToca();
}

void BucleEventos::AtenderPendientes() {
    Avisar();
    // A bounded number of rounds: a timer due again at once must not hold the caller for ever.
    const std::int64_t ahora = plataforma_.AhoraMs();
    for (int ronda = 0; ronda < 64; ++ronda) {
        if (CorrerVencido(ahora)) {
            PresentarSiToca();
            continue;
        }
        auto evento = plataforma_.EsperarEvento(ahora);
        if (!evento) break;
        Despachar(*evento);
        if (Observacion(*evento)) --ronda;
        PresentarSiToca();
    }
    PresentarSiToca();
}

void BucleEventos::Despachar(const Evento& evento) {
    if (!manejador_) return;
    ++atendiendo_;
    struct Fin {
        int& atendiendo;
        ~Fin() { --atendiendo; }
    } fin{atendiendo_};
    manejador_(evento);
}

void BucleEventos::Esperar(std::int64_t ms, std::optional<Modo> modo) {
    // The game's clock runs on across midnight, so a wait that spans it ends on time.
    const std::int64_t fin = plataforma_.AhoraMs() + std::max<std::int64_t>(ms, 0);
    for (;;) {
        if (modo && ventana_.modo != *modo) return;
        if (plataforma_.AhoraMs() >= fin) return;
        Atender(fin);
    }
}

void BucleEventos::EsperarModo(Modo modo) {
    while (ventana_.modo == modo) Esperar(kEsperaLarga, modo);
}

void BucleEventos::PresentarSiToca() {
    Lienzo& lienzo = ventana_.lienzo;
    if (!ventana_.abierta) return;
    // A refresh asked for with nothing changed is already done: it must not carry over and
    // show later persistent drawing before its own refresh.
    if (!lienzo.HayCambios()) lienzo.Presentado();
    if (!lienzo.DebePresentar()) return;
    const auto cambios = lienzo.TomarCambios();
    plataforma_.Presentar(lienzo.Pixeles(), cambios);
    lienzo.Presentado();
}

}  // namespace polvareda
