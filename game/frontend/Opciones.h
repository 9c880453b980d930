// The options screen, mode "opciones": the everyday settings changed without leaving the
// game, from the main menu or a paused game. It shows the current values in the game's font,
// applies at once what can be applied (the window, the volumes, the language, the keys, the
// pad's buttons), says which rows wait for a restart, and on leaving writes what the player
// changed into "Polvareda.INI" through the writer SetUp uses.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "CapturaTeclas.h"
#include "Evento.h"
#include "Idioma.h"
#include "Imagen.h"
#include "Modo.h"
#include "OpcionesJuego.h"

namespace polvareda {

struct Modulo;
class Frente;

class Opciones {
  public:
    Opciones(Modulo& modulo, Frente& frente);

    // Opens the screen over whatever is shown; leaving it puts back the picture and the mode
    // `volver` (the paused game's), or leaves the menu's stage to draw the menu again.
    void Abrir(Modo volver);

    // The mode's handlers.
    void Tecla(const Evento& evento);
    void Raton(const Evento& evento);
    bool Mando(const Evento& evento);
    // The window closed with the screen open: what was changed is written, as leaving would.
    void AlCerrarVentana();

  private:
    enum Fila {
        kPantalla,
        kAspecto,
        kNitido,
        kVSync,
        kEfectos,
        kMusica,
        kIdioma,
        kTeclas,
        kMando1,  // then the pad's fire 2, fire 3, pause and back
        kCambiar = kMando1 + 5,
        kVolver,
        kFilas
    };
    struct IdiomaHallado {
        int numero;
        std::string nombre;
    };

    void Mover(int paso);
    void Cambiar(int paso);  // the value of the chosen row, one step either way
    void Activar();          // Enter, the pad's A, a left click
    void Cerrar();
    void Guardar();
    void PonerIdioma(int numero);
    void LeerIdiomas();
    bool PideReinicio() const;  // the chosen row's value waits for the next start
    std::string Valor(int fila) const;
    void Dibujar();

    Modulo& m_;
    Frente& f_;
    Modo volver_ = Modo::Ninguno;
    OpcionesJuego abiertas_;  // as the screen opened
    OpcionesJuego ahora_;
    int fila_ = 0;
    CapturaTeclas captura_;
    TextosOpciones textos_;
    std::vector<IdiomaHallado> idiomas_;
    Imagen fondo_;     // the paused game's picture, put back on leaving
    int ejeFila_ = 0;  // the stick's last direction, so a held stick moves one row
    int ejeValor_ = 0;
};

}  // namespace polvareda
