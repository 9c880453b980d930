// The game's rules on the game window: the tick and the door slots, the phases and the scroll,
// shots and hits, the duel, the bomb and the input that drives them. One object per run, made
// the first time a stage needs it; its timers are made once and held by their ids.
//
// How the rules run (the contract every rule file keeps):
// - Per tick (`tiempo`, 150 ms down to 100 ms by level): the lamps go off, DisparoJuzgado is
//   cleared, the end of the phase is checked, then the three slot steps run in order, then the
//   door ambience and the repeat of a held movement key. The tick runs only while a phase is
//   being played; it is disabled by the pause and, through their Secuencia guard, during
//   every long sequence.
// - Long sequences (the scroll, Bang, ClienteHerido, FinDeFase and the duel, the bomb, the
//   phase set-up) run inside the handler that started them and wait with Esperar, which keeps
//   handling events: the close button works at any moment. What a handler reached during those
//   waits may do is fixed: set or clear the held-key and fire flags (the scroll reads them
//   when it ends), change the mode (which ends the waits that wait on it) or ask for the pause,
//   which is taken when the sequence ends (Partida::pausaPedida), so no tick runs underneath
//   one. The one handler that does more is the duel's: a shot is judged the moment it is
//   taken, so TeclaDuelo plays the shot, scores and marks the gunman hit while Duelo waits; it
//   never waits nor starts a sequence itself. A sequence started from a handler fails the
//   guard's check.
// - Input reaches the rules only through the input dispatch (DespachoEntrada): the handlers
//   of the rules' modes, the rules that hold in every mode and the pad as keys, all given to
//   it by InstalarManejadores.
// - A game ends by throwing FinDePartida from wherever the rules decide it (no life left when
//   a phase is set up, Escape): the stack of handlers and waits unwinds to the stage that runs
//   the game, which hands over to the next stage. Nothing starts a game inside a handler.
// - Everything is deterministic under the headless clock: chance comes from the module's
//   generator, re-seeded from the time of day exactly where the rules say, and time from the
//   platform's clock.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "Evento.h"
#include "Imagen.h"
#include "Modo.h"
#include "Partida.h"

namespace polvareda {

struct ServiciosJuego;
namespace prueba {
struct Mesa;
struct AccesoJuego;
}  // namespace prueba
class Sonidos;
struct Graficos;
struct Superficies;

// The key that opens the options screen, in the main menu and in a paused game: "4".
inline constexpr int kTeclaOpciones = 52;

// Thrown when the game is over; caught by the stage that runs the game.
struct FinDePartida {};

class Juego {
  public:
    explicit Juego(ServiciosJuego& servicios);

    // The play state, to read: only the rules change it.
    const Partida& Estado() const { return p_; }

    // A new game at `nivel` with three lives and no points; returns when it is over (the
    // FinDePartida of its end is caught here). `modo` is the mode it starts from (Trans, or
    // Nivel from the level choice, which shows the day caption at any level).
    void Jugar(std::int16_t nivel, Modo modo = Modo::Trans);
    // The attract mode's game: level 6, one life, 19770 points, `Demo` set, the generator
    // seeded from the time of day and the phase set up; it then runs on the tick while the
    // demonstration's player presses keys (TeclaJuego, SoltarTecla). Returns once the phase is
    // set up.
    void Demostracion();
    // Stops whatever game runs: the tick, the spinning dollar, the scroll and door sounds, the
    // keyboard lamps and the held keys, so nothing of it carries into the next screen; the
    // attract game is over.
    void Detener();

    // The rules' input handlers (play, the duel, the sheriff's star), the rules that hold in
    // every mode and the pad as keys, given to the input dispatch once.
    void InstalarManejadores();
    // A key pressed and released in play, as the attract game's player presses them.
    void TeclaJuego(int tecla, int shift);
    void SoltarTecla(int tecla);
    // A chance of the attract game's player, 0 to n - 1, drawn as the rules draw theirs: it
    // becomes the game's last draw (`Azar`), which the player's next step reads as the rules
    // left it.
    int SorteoDemostracion(int n);

    // The door ambience's volume from `desde` to `hasta` in steps of 50 every 15 ms (the duel
    // and the level choice fade it in and out this way).
    void FundirAmbiente(int desde, int hasta);
    bool TiempoActivo() const;  // the tick runs: play goes on
    // The options screen, opened from a paused game with "4" or the pad's Y: the front end
    // gives it; it opens the screen and returns at once. Back from it, VolverALaPausa shows
    // the paused game's blinking word again.
    std::function<void()> opcionesEnPausa;
    void VolverALaPausa();

    // The play state's fields of the state line; `atraccion` is the front end's part of its
    // "demo" field (the attract screens hold the window), which the rules' attract game
    // shares.
    void CamposEstado(std::string& json, bool atraccion) const;

    // The window's mode (changes are traced), the refresh and the waits, for the rules and the
    // front end alike.
    Modo ModoActual() const;
    void CambiarModo(Modo modo);
    void Refrescar();
    void Esperar(std::int64_t ms, std::optional<Modo> modo = std::nullopt);
    void EsperarModo(Modo modo);

  private:
    // The rules' tests reach the sequences, the tick and the play state through their game
    // table.
    friend struct prueba::Mesa;
    friend struct prueba::AccesoJuego;

    // --- the tick and the door slots ---
    void Tictac();
    // A customer's deposit at door slot `slot`; true when it ended the phase, so that a new
    // phase (or the duel and then a new phase) was set up inside and the caller's slot and
    // tick are gone.
    [[nodiscard]] bool Depositar(int slot);
    void FinDeFase();

    // --- phases and the scroll ---
    void PrepararFase();
    void DesplazarIzquierda();
    void DesplazarDerecha();
    // The end of a scroll (dir 0 left, 1 right); true when a held key scrolls on.
    bool FinDesplazamiento(int dir);

    // --- shots and lost lives ---
    void DibujarDisparo(int slot);
    void JuzgarDisparo(int slot);
    void Bang();
    void ClienteHerido(int slot);
    void Bomba();
    // A life is being lost: the mode, the dollar's spin and the ambience stop and the lost-life
    // music plays (the sequence that follows stops the tick).
    void Detener(Modo modo);

    // --- the duel ---
    void Duelo();
    void TeclaDuelo(int tecla);

    // --- input ---
    void Raton(const Evento& evento);  // the mouse buttons in play: the three fire buttons
    // The pad's buttons and left stick as the configured keys, each handed to `teclear`.
    void MandoComoTeclas(const Evento& evento, const std::function<void(const Evento&)>& teclear);
    // A pause the player did not ask for (a pad pulled out, the window left), at any moment
    // of a game: held keys and buttons let go; during a long sequence (a caption, a lost
    // life, the duel, the bomb...) it waits for the sequence's end and is taken then.
    void PausaDesdeFuera();
    // Pauses or resumes play: the tick, and the word that blinks while paused.
    void Pausar(bool pausado);
    // Play is paused by the player (not by a sequence): the options screen may open.
    bool EnPausa() const;
    void AbrirOpciones();

    // --- the timer `tiempo` ---
    void Tiempo(bool activo);
    std::int64_t IntervaloTiempo() const;

    // A long sequence (the scroll, Bang, a shot customer, the end of a phase and the duel, the
    // bomb, the phase set-up) for as long as it runs. The tick stops when it starts. When the
    // outermost one ends with play going on (the mode is "juego" and the game is neither paused
    // nor already ticking), the tick comes back, or the pause asked for meanwhile is taken; a
    // game or a program that ends inside leaves the tick stopped. Only the rules start one:
    // a sequence inside another runs from the rules' own code, never from a handler reached
    // during the outer one's waits (checked).
    class Secuencia {
      public:
        explicit Secuencia(Juego& juego);
        ~Secuencia();
        Secuencia(const Secuencia&) = delete;
        Secuencia& operator=(const Secuencia&) = delete;

      private:
        Juego& j_;
        int excepciones_;  // the exceptions in flight when it started
    };

    // Helpers shared by the rule files.
    Graficos& G();
    Superficies& S();
    Sonidos& Snd();
    void Pendientes();
    int Rnd(int n);  // Int(Rnd * n)
    void Sembrar();  // from the time of day
    void Trazar(std::string_view por, const std::string& extra = "");
    // Enables `tiempo` at the end of a sequence, or leaves the game paused when a pause was
    // asked for meanwhile.
    void ReanudarTiempo();
    // The pause word's blink, and the word shown or taken away (what was under it put back).
    void ParpadeoPausa();
    void MarcaPausa(bool visible);
    // Num Lock, Caps Lock and Scroll Lock all on or all off, in one keyboard write.
    void Lamparas(bool encendidas);

    // The tick's parts.
    bool PasoPuerta(int i);  // false ends the tick
    void AbrirPuerta(int i);
    bool ComponerPuerta(int i);  // false ends the tick
    void MostrarPuertaCerrada(int i);
    void ComponerFigura(int i);
    void Reaccionar(int i);
    bool Suceso(int i);  // false ends the tick
    void ApuntarDeposito(std::int16_t puerta);

    // The points scored (and shown on the panel), and the blink of the life just lost with
    // the lost-life music.
    void SumaPuntos(std::int32_t cantidad, bool sobreNegro);
    void ParpadeaVida(bool sobreNegro);
    // Draws the paid mark; true when it ended the phase (see Depositar).
    [[nodiscard]] bool MarcaPuerta(int puerta);
    void PintaCajas();
    // The spinning dollar: frame 0 at once, then one frame each run of its timer to frame 3.
    void EmpezarGiro();
    void GiraDolar();

    // Phases.
    void CargarMomento(bool tambienDia);
    void Rotulo(const std::string& texto, int columna);
    void RotulosPanel(bool sobreNegro);

    // The scroll's one step.
    void PasoDesplazamiento(bool izquierda);
    void DisparoDeLejos();
    void MostrarPistolero(int k, int sprite);
    void EscribirDuelo(const std::string& texto, int k, int xFondo);
    void FinDeJuego();
    void Reiniciar(std::int16_t nivel, std::int16_t vidas, std::int32_t puntos, bool demo);
    void SoltarDisparo(int k);

    ServiciosJuego& m_;
    Partida p_;
    int tiempo_ = -1;         // the tick
    int giraDolar_ = -1;      // the spinning dollar's 25 ms timer
    int fotogramaDolar_ = 0;  // and the frame it shows next
    int parpadeoPausa_ = -1;  // enabled while the game is paused
    bool marcaPausa_ = false;
    Imagen fondoPausa_;  // the picture under the pause word while it shows
    bool fuegoMando_[3] = {false, false, false};
    int ejeMando_ = 0;  // -1 left, 0 centre, 1 right, from the stick
    // How deep in the pump's handlers the outermost running sequence started.
    int nivelSecuencia_ = 0;
    bool manejadoresInstalados_ = false;
};

}  // namespace polvareda
