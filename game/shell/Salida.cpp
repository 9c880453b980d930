// Shutdown, orderly or by the close request: the scores written back, the machine put back.
#include "Salida.h"

#include <fstream>
#include <iostream>

#include "ArchivosDatos.h"
#include "CerrojoCarpeta.h"
#include "Modulo.h"
#include "Sistema.h"
#include "TextoRuta.h"

namespace polvareda {

namespace {

void BorrarVentana(Modulo& m) {
    Lienzo& lienzo = m.ventana.lienzo;
    if (!m.ventana.abierta) return;
    lienzo.Borrar();
    lienzo.Refrescar();
    m.bucle.PresentarSiToca();
}

// What Salir and the close request share: cursor, its confinement, the keyboard's toggle keys
// and the screen-saver flag, in this order. The display mode comes first on the old platform;
// here it is never changed (the canvas is scaled instead), so there is nothing to put back.
void RestaurarMaquina(Modulo& m) {
    Plataforma& p = m.plataforma;
    MostrarCursor(p);
    p.ConfinarCursor(std::nullopt);
    if (m.tecladoGuardado) p.EscribirEstadoTeclas(m.estadoTeclado);
    p.SalvapantallasActivo(false);
}

// Every registered file inside our folder, the register, then the folder itself, so that
// nothing of this run is left in the temporary folder.
void LimpiarTemporales(Modulo& m) {
    m.registro.BorrarAnotados(m.rutaTemporal);
    m.carpetaTemporal.Eliminar();
}

void CerrarVentana(Modulo& m) {
    if (!m.ventana.abierta) return;
    m.plataforma.CerrarPantalla();
    m.ventana.abierta = false;
}

// The high scores back into Polvareda.DAT, through their decoded copy. Another copy of the game
// in the same folder may have stored its own records since this run read the table: under the
// folder's lock the stored table is read again and this run's new records are added to it
// where the rules place them, so neither copy's records are lost. A write that fails loses
// the run's scores: the player is told on standard error and the run ends with status 4.
void DevolverPuntuaciones(Modulo& m) {
    const auto mejoresTmp = m.rutaTemporal / kArchivoMejoresTemporal;
    const auto dat = m.rutaJugador / kArchivoMejores;
    const CerrojoCarpeta cerrojo(m.rutaJugador);
    TablaMejores tabla = m.mejores;
    if (m.mejoresDevolvibles) {
        if (auto guardada = LeerMejoresGuardados(dat)) {
            tabla = std::move(*guardada);
            AgregarMejores(tabla, m.mejoresNuevos);
        }
    }
    bool guardado = GuardarMejores(mejoresTmp, tabla);
    if (!guardado) {
        // Create the file by other means and try once more.
        { std::ofstream crear(mejoresTmp, std::ios::binary | std::ios::app); }
        guardado = GuardarMejores(mejoresTmp, tabla);
    }
    // A table that could not be written whole would be encoded over the stored one: then the
    // stored table is kept, and only this run's changes are lost. A stored file marked
    // read-only is the player's choice and is left alone without a word.
    if (!m.mejoresDevolvibles) return;
    if (guardado) {
        const Devolucion devuelta = DevolverMejores(mejoresTmp, dat);
        if (devuelta.hecha || devuelta.protegida) return;
    }
    std::cerr << "Polvareda: the high scores could not be written to " << TextoRuta(dat)
              << "; this run's scores are lost\n";
    m.datosPerdidos = true;
}

}  // namespace

void Salir(Modulo& m) {
    if (m.apagado) return;
    m.apagado = true;
    if (m.alHito) m.alHito("salida");
    BorrarVentana(m);
    m.registro.Cerrar();
    DevolverPuntuaciones(m);
    LimpiarTemporales(m);
    BorrarVentana(m);
    RestaurarMaquina(m);
    CerrarVentana(m);
}

void GuardarMejoresNuevos(Modulo& m) {
    if (m.apagado || m.mejoresNuevos.empty()) return;
    const bool perdidos = m.datosPerdidos;
    DevolverPuntuaciones(m);
    // Written: the shutdown must not add them again. Not written: the shutdown tries again.
    if (m.datosPerdidos == perdidos) m.mejoresNuevos.clear();
}

void Terminar(Modulo& m, int codigo) {
    Salir(m);
    throw FinDelPrograma{codigo};
}

void CierreDeVentana(Modulo& m) {
    if (m.apagado) return;
    m.apagado = true;
    RestaurarMaquina(m);
    // The process ends with its window, so the decoded copies must go now too, or every
    // window closed from outside would leave them behind.
    m.registro.Cerrar();
    // Closing the window is a way of leaving the game like Escape: the scores made in this
    // run are kept, not thrown away with the window.
    DevolverPuntuaciones(m);
    LimpiarTemporales(m);
    CerrarVentana(m);
}

}  // namespace polvareda
