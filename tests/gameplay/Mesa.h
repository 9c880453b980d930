// A game table for the rules' tests: the whole game started on the headless platform, in
// virtual time, with our sound files so the sound calls are recorded; the test's body runs as
// the first stage, with the rules at hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "AccesoJuego.h"
#include "Arranque.h"
#include "CarpetaDePrueba.h"
#include "Juego.h"
#include "JuegoDePrueba.h"
#include "Modulo.h"
#include "PlataformaSinPantalla.h"
#include "Salida.h"

namespace polvareda::prueba {

// A plain 256 x 192 window at scale 1, every option off but the sound.
inline const std::string kIniMesa =
    "[Pantalla]\r\nDDraw=2\r\nScroll=15\r\n[Sonido]\r\nSND=1\r\nMUS=1\r\n"
    "[Teclado]\r\nIzquierda=79\r\nDerecha=80\r\nDisparo1=49\r\nDisparo2=50\r\nDisparo3=51\r\n"
    "[Opciones]\r\nNoEsperarPuertas=0\r\nVidaExtra=1\r\nChicaAmenazada=1\r\n";

struct Mesa {
    Modulo& m;
    Juego& j;
    Partida& p;
    PlataformaSinPantalla& plataforma;

    // Keys as the input dispatch receives them (no trace line of their own).
    void Pulsar(int tecla, int shift = 0) { Tecla(TipoEvento::TeclaPulsada, tecla, shift); }
    void Soltar(int tecla) { Tecla(TipoEvento::TeclaSoltada, tecla, 0); }
    void Tecla(TipoEvento tipo, int tecla, int shift) {
        Evento e;
        e.tipo = tipo;
        e.tecla = tecla;
        e.shift = shift;
        m.entrada.Tecla(e);
    }
    void Raton(TipoEvento tipo, int boton) {
        Evento e;
        e.tipo = tipo;
        e.boton = boton;
        m.entrada.Atender(e);
    }
    // The rules' own steps, run by hand.
    void PrepararFase() { j.PrepararFase(); }
    void Bang() { j.Bang(); }
    void FinDeFase() { j.FinDeFase(); }
    void Duelo() { j.Duelo(); }
    void JuzgarDisparo(int slot) { j.JuzgarDisparo(slot); }
    bool FinDesplazamiento(int dir) { return j.FinDesplazamiento(dir); }
    void Pausar(bool pausado) { j.Pausar(pausado); }
    void Tiempo(bool activo) { j.Tiempo(activo); }
    std::int64_t IntervaloTiempo() const { return j.IntervaloTiempo(); }
    // Released `ms` after the press (a scroll started by the press sees the release in time).
    void SoltarEn(int tecla, std::int64_t ms) {
        Evento suelta;
        suelta.tipo = TipoEvento::TeclaSoltada;
        suelta.tecla = tecla;
        plataforma.Insertar(plataforma.AhoraMs() + ms, suelta);
    }
    // A short press: down, and up 1 ms later.
    void Teclear(int tecla) {
        SoltarEn(tecla, 1);
        Pulsar(tecla);
    }
    void Esperar(std::int64_t ms) { m.bucle.Esperar(ms); }
    std::int64_t Ahora() { return plataforma.AhoraMs(); }

    // A phase of `nivel` set up as the game starts one, then no door opens by chance: the
    // test opens the ones it needs.
    void Fase(int nivel) {
        p.Nivel = static_cast<std::int16_t>(nivel);
        m.ventana.modo = Modo::Trans;
        j.PrepararFase();
        SinAzar();
    }
    void SinAzar() { p.TipoPermitido.fill(false); }
    // A door in view showing figure `tipo` at `paso`.
    void Abrir(int slot, int tipo, int paso = 2, int marca = 3) {
        PuertaVisible& v = p.Visibles[static_cast<std::size_t>(slot)];
        v.Tipo = static_cast<std::int16_t>(tipo);
        v.Paso = static_cast<std::int16_t>(paso);
        v.Marca = static_cast<std::int16_t>(marca);
    }
    // Ticks run one by one, by hand, with the timer itself held still.
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) j.Tictac();
    }
    std::vector<std::string> Llamadas(std::string_view que) const {
        std::vector<std::string> detalles;
        for (const auto& l : plataforma.Llamadas())
            if (l.que == que) detalles.push_back(l.detalle);
        return detalles;
    }
};

class MesaTest : public ::testing::Test {
  protected:
    // Starts the game and runs `cuerpo` as its first stage; the run ends after it. A game
    // over inside the body is caught and reported as `terminada`.
    void Jugar(const std::function<void(Mesa&)>& cuerpo, const std::string& ini = kIniMesa,
               PlataformaSinPantalla* otra = nullptr) {
        Escribir(juego_ / "Polvareda.INI", ini);
        PlataformaSinPantalla propia(43200.0);
        PlataformaSinPantalla& plataforma = otra ? *otra : propia;
        // A late event keeps the script's end away while the body runs.
        Evento nada;
        nada.tipo = TipoEvento::RatonMovido;
        plataforma.Encolar(86'400'000, nada);
        cuerpo_ = [&](Modulo& m) {
            Juego& j = JuegoDe(m);
            j.InstalarManejadores();
            Mesa mesa{m, j, AccesoJuego::Estado(j), plataforma};
            try {
                cuerpo(mesa);
            } catch (const FinDePartida&) {
                terminada = true;
            }
        };
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{Primera};
        EXPECT_EQ(Main(plataforma, opciones), 0);
    }

    bool terminada = false;
    const std::filesystem::path& CarpetaJuego() const { return juego_; }

  private:
    static inline std::function<void(Modulo&)> cuerpo_;
    static Etapa Primera(Modulo& m) {
        cuerpo_(m);
        Terminar(m);
    }

    prueba::JuegoDePrueba juegoDePrueba_;
    std::filesystem::path juego_ = juegoDePrueba_.Juego();
};

}  // namespace polvareda::prueba
