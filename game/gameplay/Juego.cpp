// The game object: its timers, the helpers every rule file uses, and the play state's fields
// of the state line.
#include "Juego.h"

#include <cassert>
#include <exception>

#include "Composicion.h"
#include "Figuras.h"
#include "Panel.h"
#include "ServiciosJuego.h"
#include "Teclas.h"

namespace polvareda {

namespace {

constexpr std::int64_t kIntervaloDolarMs = 25;
constexpr std::int64_t kParpadeoPausaMs = 250;  // the pause word's blink
constexpr int kTemaVidaPerdida = 2;

std::string Bool(bool b) {
    return b ? "true" : "false";
}

template <typename Lista>
std::string ListaBool(const Lista& lista) {
    std::string s = "[";
    for (std::size_t i = 0; i < lista.size(); ++i)
        s += (i ? ", " : "") + std::string(lista[i] ? "1" : "0");
    return s + "]";
}

}  // namespace

Juego::Juego(ServiciosJuego& m) : m_(m) {
    tiempo_ = m_.bucle.AgregarTemporizador("tiempo", 150, [this] { Tictac(); });
    giraDolar_ =
        m_.bucle.AgregarTemporizador("GiraDolar", kIntervaloDolarMs, [this] { GiraDolar(); });
    parpadeoPausa_ = m_.bucle.AgregarTemporizador("ParpadeoPausa", kParpadeoPausaMs,
                                                  [this] { ParpadeoPausa(); });
}

Graficos& Juego::G() {
    return m_.ventana.graficos;
}
Superficies& Juego::S() {
    return m_.ventana.graficos.superficies;
}
Sonidos& Juego::Snd() {
    return m_.sonidos;
}
Modo Juego::ModoActual() const {
    return m_.ventana.modo;
}

void Juego::CambiarModo(Modo modo) {
    if (m_.ventana.modo == modo) return;
    m_.ventana.modo = modo;
    Trazar("mode");
}

void Juego::Refrescar() {
    m_.ventana.lienzo.Refrescar();
    m_.bucle.PresentarSiToca();
}

void Juego::Esperar(std::int64_t ms, std::optional<Modo> modo) {
    m_.bucle.Esperar(ms, modo);
}

void Juego::EsperarModo(Modo modo) {
    m_.bucle.EsperarModo(modo);
}

void Juego::Pendientes() {
    m_.bucle.AtenderPendientes();
}

int Juego::Rnd(int n) {
    return m_.azar.Entero(n);
}

void Juego::Sembrar() {
    m_.azar.Sembrar(m_.maquina.HoraDelDiaMs());
}

void Juego::Trazar(std::string_view por, const std::string& extra) {
    m_.traza.Trazar(por, extra);
}

bool Juego::TiempoActivo() const {
    return m_.bucle.Habilitado(tiempo_);
}
void Juego::Tiempo(bool activo) {
    m_.bucle.Habilitar(tiempo_, activo);
}
std::int64_t Juego::IntervaloTiempo() const {
    return m_.bucle.Intervalo(tiempo_);
}

void Juego::Lamparas(bool encendidas) {
    m_.maquina.Lamparas({vk::BloqNum, vk::BloqMayus, vk::BloqDespl}, encendidas);
}

Juego::Secuencia::Secuencia(Juego& juego) : j_(juego), excepciones_(std::uncaught_exceptions()) {
    const int nivel = j_.m_.bucle.Anidamiento();
    if (j_.p_.secuencias == 0) j_.nivelSecuencia_ = nivel;
    // A deeper handler would be a key or a timer reached during the outer sequence's waits.
    assert(nivel == j_.nivelSecuencia_ && "a sequence started inside another's wait");
    ++j_.p_.secuencias;
    j_.Tiempo(false);
}

Juego::Secuencia::~Secuencia() {
    if (--j_.p_.secuencias > 0) return;
    if (std::uncaught_exceptions() > excepciones_) return;  // the game or the program ends
    const bool enPausa = j_.m_.bucle.Habilitado(j_.parpadeoPausa_);
    if (j_.ModoActual() == Modo::Juego && !j_.TiempoActivo() && !enPausa) j_.ReanudarTiempo();
}

void Juego::ReanudarTiempo() {
    const bool pausa = p_.pausaPedida;
    p_.pausaPedida = false;
    Pausar(pausa);
}

// --- the panel's indicators on the play state ---

void Juego::SumaPuntos(std::int32_t cantidad, bool sobreNegro) {
    p_.Puntos = SumarPuntos(p_.Puntos, cantidad);
    DibujaPuntos(G(), p_.Puntos, sobreNegro);
}

void Juego::ParpadeaVida(bool sobreNegro) {
    Snd().Parar(efecto::kAmbiente);
    Snd().TocarTema(kTemaVidaPerdida);
    m_.ventana.lienzo.Persistente(false);
    // The slot of the life just lost blinks five times.
    for (int vez = 0; vez < 5; ++vez) {
        DibujaVidaPerdida(G(), p_.Vidas, false, sobreNegro);
        Esperar(250);
        DibujaVidaPerdida(G(), p_.Vidas, true, sobreNegro);
        Esperar(250);
    }
    Esperar(750);
}

bool Juego::MarcaPuerta(int puerta) {
    if (puerta < 0 || puerta > 11) return false;
    polvareda::MarcaPuerta(G(), puerta);
    // With the "don't wait for the doors" option the twelfth deposit ends the phase at once;
    // otherwise the tick ends it once every door has closed.
    if (p_.Depositos < 12 || !m_.configuracion.noEsperarPuertas) return false;
    FinDeFase();
    return true;
}

void Juego::PintaCajas() {
    polvareda::PintaCajas(G(),
                          {p_.Visibles[0].Puerta, p_.Visibles[1].Puerta, p_.Visibles[2].Puerta});
}

void Juego::EmpezarGiro() {
    fotogramaDolar_ = 0;
    GiraDolar();
    // Enabled afresh: the next frame comes a whole interval after the first.
    m_.bucle.Habilitar(giraDolar_, false);
    m_.bucle.Habilitar(giraDolar_, true);
}

void Juego::GiraDolar() {
    const int k = fotogramaDolar_;
    if (k == 0) Snd().TocarDesdeElPrincipio(efecto::kDolar);
    DibujaDolar(G(), k);
    fotogramaDolar_ = (k + 1) % 4;
    if (fotogramaDolar_ == 0) m_.bucle.Habilitar(giraDolar_, false);
}

// --- the state line ---

void Juego::CamposEstado(std::string& json, bool atraccion) const {
    const Partida& p = p_;
    json += ", \"points\": " + std::to_string(p.Puntos);
    json += ", \"lives\": " + std::to_string(p.Vidas);
    json += ", \"level\": " + std::to_string(p.Nivel);
    json += ", \"deposits\": " + std::to_string(p.Depositos);
    json += ", \"paid\": " + ListaBool(p.Depositado);
    json += ", \"allowed\": " + ListaBool(p.TipoPermitido);
    json += ", \"cycle\": " + std::to_string(p.Ciclo);
    json += ", \"ticking\": " + Bool(TiempoActivo());
    json += ", \"tick_ms\": " + std::to_string(IntervaloTiempo());
    json += ", \"demo\": " + Bool(p.Demo || atraccion);
    json += ", \"scroll_pos\": " + std::to_string(p.Recorrido);
    json += ", \"scroll_ms\": " + std::to_string(m_.configuracion.scroll);
    json += ", \"shot_judged\": " + Bool(p.DisparoJuzgado);
    json += ", \"held\": {\"left\": " + Bool(p.IzquierdaPulsada) +
            ", \"right\": " + Bool(p.DerechaPulsada) + ", \"fire\": [";
    for (std::size_t k = 0; k < 4; ++k) json += (k ? ", " : "") + Bool(p.DisparoPulsado[k]);
    json += "]}, \"slots\": [";
    for (std::size_t i = 0; i < 3; ++i) {
        const PuertaVisible& v = p.Visibles[i];
        json += std::string(i ? ", " : "") + "{\"step\": " + std::to_string(v.Paso) +
                ", \"door\": " + std::to_string(v.Puerta) +
                ", \"mark\": " + std::to_string(v.Marca) + ", \"type\": " + std::to_string(v.Tipo) +
                ", \"odds\": " + std::to_string(v.Apertura) + "}";
    }
    json += "], \"duel\": {\"foul\": " + std::to_string(p.DueloFallido) +
            ", \"extra\": " + Bool(p.ExtraGanada) + "}";
}

}  // namespace polvareda
