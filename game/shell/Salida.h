// Shutdown: the orderly one (Salir) and the window's close request, both putting back
// everything the game changed on the machine.
#pragma once

namespace polvareda {

struct Modulo;

// Thrown to end the run; only the program's entry point catches it. The shutdown has already
// run when it is thrown.
struct FinDelPrograma {
    int codigo = 0;
};

// Clears the window, writes the high scores back into Polvareda.DAT, deletes the temporary
// files and folder, restores cursor, keyboard lamps and screen saver and closes the window.
// Runs once; later calls do nothing.
void Salir(Modulo& modulo);

// Writes this run's new records into Polvareda.DAT now, as the shutdown would; the shutdown
// then adds only the ones made after. For a game in a web page, which is closed with its tab
// and never shuts down.
void GuardarMejoresNuevos(Modulo& modulo);

// Salir, then the end of the run.
[[noreturn]] void Terminar(Modulo& modulo, int codigo = 0);

// The window is being closed from outside: the machine state is restored, the scores are
// written back and the temporary files go. The run ends afterwards.
void CierreDeVentana(Modulo& modulo);

}  // namespace polvareda
