// What the rules use of the run, and nothing more: the machine's clock and lamps, the chance,
// the game window with its event pump and input dispatch, the sounds, the player's settings and
// texts, and the play trace.
// The shell makes them at start-up (its Modulo is these and the shell's own parts); among the
// settings, the rules change only the scroll speed.
#pragma once

#include "Azar.h"
#include "BucleEventos.h"
#include "Configuracion.h"
#include "DespachoEntrada.h"
#include "Idioma.h"
#include "Maquina.h"
#include "Plataforma.h"
#include "Sonidos.h"
#include "Traza.h"
#include "Ventana.h"

namespace polvareda {

struct ServiciosJuego {
    ServiciosJuego(Plataforma& p, Azar& a)
        : maquina(p), azar(a), bucle(p, ventana), entrada(ventana, traza) {}
    ServiciosJuego(const ServiciosJuego&) = delete;
    ServiciosJuego& operator=(const ServiciosJuego&) = delete;

    // The time of day and the keyboard's lamps, the chance, the window and its pump.
    Maquina maquina;
    Azar& azar;
    Ventana ventana;
    BucleEventos bucle;

    // The sound effects, the door and shot buffers and the music pieces.
    Sonidos sonidos;

    // Polvareda.INI as the game plays it, and the language's texts.
    Configuracion configuracion;
    TextosJuego textos;

    Traza traza;
    // The one path of the player's input to the handler of the window's mode.
    DespachoEntrada entrada;
};

}  // namespace polvareda
