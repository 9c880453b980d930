// The front end's own state for the run: the menu texts, the controller chosen, the attract
// cycle's timing and the table's colour counter, the name being typed and the level chosen; and
// the handlers of its modes. One object per run, made the first time a screen of the front end
// needs it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ComponenteJuego.h"
#include "Evento.h"
#include "Idioma.h"
#include "Juego.h"
#include "Opciones.h"
#include "Superficie.h"

namespace polvareda {

struct Modulo;

class Frente : public ComponenteJuego {
  public:
    static Frente& De(Modulo& modulo);
    explicit Frente(Modulo& modulo);

    Modulo& M() { return m_; }
    Juego& J() { return j_; }

    // The mode, the refresh and the waits are the rules' own (Juego).
    void CambiarModo(Modo modo) { j_.CambiarModo(modo); }
    Modo ModoActual() const { return j_.ModoActual(); }
    void Refrescar() { j_.Refrescar(); }
    void Esperar(std::int64_t ms, std::optional<Modo> modo = std::nullopt) { j_.Esperar(ms, modo); }
    void EsperarModo(Modo modo) { j_.EsperarModo(modo); }
    // Clear the window to black and show it.
    void Limpiar();

    // The handlers of the front end's modes (the menu, the attract screens, the level choice,
    // the name entry, the table's page), with the rules' own, given to the input dispatch once.
    void InstalarManejadores();

    // --- the menu (Menu.cpp) ---
    void EntrarEnMenu();
    void DibujarMenu();
    void DibujarEntradasMando();
    void TeclaMenu(int tecla);
    // --- the attract screens (Atraccion.cpp) ---
    // Composes the top ten's rows in the four colours once, for the 50 ms repetitions.
    void PrepararTablaRodante();
    void DibujarTablaRodante();
    void JugadaDemostracion();  // one pass over the three door slots
    void ParpadeoDemo();
    // --- game over (FinDePartida.cpp) ---
    void TeclaNombre(int tecla);
    void EscribirNombre();
    // --- the level choice (Nivel.cpp) ---
    void TeclaNivel(int tecla);

    // ComponenteJuego: the front end's fields of the state line.
    void CamposEstado(std::string& json) const override;
    bool AtraccionEnPantalla() const override { return tablaSiguiente; }

    TextosMenu textos;
    int colorTabla = 0;                // the rolling table's colour counter c
    std::int64_t inicioAtraccion = 0;  // t0, on the game's clock
    bool demoVisible = false;          // the blinking "DEMO" is drawn
    std::int64_t proximoParpadeo = 0;
    std::string Nombre;             // the name being typed
    int eleccion = -1;              // the level choice's door place, 0 to 2, once chosen
    int letraMando = 0;             // the pad's letter under the cursor: 0 blank, 1..26 A..Z
    bool desdeNivel = false;        // the next game starts from the level choice
    std::int16_t nivelInicial = 1;  // the level games start at, as the level choice left it
    bool joystick = false;          // playing with the controller (chosen in the menu)
    // The attract cycle shows the table next (otherwise the demonstration); after a
    // demonstration, also that the game just over was the attract game's.
    bool tablaSiguiente = false;
    bool demostrando = false;  // the demonstration's stage runs the attract game
    // What the menu's wait ended for: the screen of the stage that follows.
    enum class Siguiente { Nada, Partida, Nivel, Opciones };
    Siguiente siguiente = Siguiente::Nada;
    // The options screen (Opciones.cpp), from the menu and from a paused game.
    Opciones opciones;

  private:
    bool MandoMenu(const Evento& evento);
    bool MandoNombre(const Evento& evento);

    Modulo& m_;
    Juego& j_;
    bool manejadoresInstalados_ = false;
    bool ejeNombre_ = false;  // the stick is held up or down in the name entry
    // The rolling table's rows: row r in colour k at y = 12·(4·r + k - 1), at the glyph
    // sheet's resolution.
    Superficie filasTabla_;
};

}  // namespace polvareda
