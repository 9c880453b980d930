// What the rules use of the run, and nothing more: the platform and its chance, the game
// window with its event pump, the sounds, the player's settings and texts, and the play trace.
// The shell makes them at start-up (its Modulo is these and the shell's own parts); among the
// settings, the rules change only the scroll speed.
#pragma once

#include "Azar.h"
#include "BucleEventos.h"
#include "Configuracion.h"
#include "Idioma.h"
#include "Plataforma.h"
#include "Sonidos.h"
#include "Traza.h"
#include "Ventana.h"

namespace polvareda {

struct ServiciosJuego {
    ServiciosJuego(Plataforma& p, Azar& a) : plataforma(p), azar(a), bucle(p, ventana) {}
    ServiciosJuego(const ServiciosJuego&) = delete;
    ServiciosJuego& operator=(const ServiciosJuego&) = delete;

    // The devices, the window and its pump.
    Plataforma& plataforma;
    Azar& azar;
    Ventana ventana;
    BucleEventos bucle;

    // The sound effects, the door and shot buffers and the music pieces.
    Sonidos sonidos;

    // Polvareda.INI as the game plays it, and the language's texts.
    Configuracion configuracion;
    TextosJuego textos;

    Traza traza;
};

}  // namespace polvareda
