// The whole game from its menu on the headless platform, in virtual time: the stages run as
// the game runs them, each one seen by the test on its way in, which may add input, look at
// the state or end the run.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Arranque.h"
#include "CarpetaDePrueba.h"
#include "EtapasFrente.h"
#include "Frente.h"
#include "Juego.h"
#include "JuegoDePrueba.h"
#include "Modulo.h"
#include "PlataformaSinPantalla.h"
#include "Salida.h"

namespace polvareda::prueba {

inline const std::string kIniEscenario =
    "[Pantalla]\r\nDDraw=2\r\nScroll=15\r\n[Sonido]\r\nSND=1\r\nMUS=1\r\n"
    "[Teclado]\r\nIzquierda=79\r\nDerecha=80\r\nDisparo1=90\r\nDisparo2=88\r\nDisparo3=67\r\n"
    "[Opciones]\r\nNoEsperarPuertas=0\r\nVidaExtra=1\r\nChicaAmenazada=1\r\n";

// The stages by name, as the tests see them go by.
inline std::string NombreEtapa(Etapa e) {
    const std::pair<Etapa (*)(Modulo&), const char*> nombres[] = {
        {MenuPrincipal, "menu"},  {EsperarEnMenu, "espera"},      {TablaAtraccion, "tabla"},
        {Demostracion, "demo"},   {JugarPartida, "partida"},      {FinDePartidaEtapa, "fin"},
        {PantallaNivel, "nivel"}, {PantallaOpciones, "opciones"},
    };
    for (const auto& [f, n] : nombres)
        if (e.correr == f) return n;
    return "?";
}

struct Visita {
    std::string etapa;
    std::int64_t ms;
};

class EscenarioTest : public ::testing::Test {
  protected:
    // Runs the game from the menu. `alEntrar` sees every stage before it runs (and may end
    // the run with Terminar); the run also ends when the platform's script does.
    void Correr(const std::function<void(Modulo&, const std::string&)>& alEntrar,
                double hora = 43200.0) {
        Escribir(juego_ / "Polvareda.INI", ini);
        PlataformaSinPantalla propia(hora);
        PlataformaSinPantalla& p = otra ? *otra : propia;
        plataforma = &p;
        Evento nada;
        nada.tipo = TipoEvento::RatonMovido;
        p.Encolar(40LL * 86'400'000, nada);  // keeps the script's end away
        alEntrar_ = alEntrar;
        visitas = &visitas_;
        visitas_.clear();
        siguiente_ = Etapa{MenuPrincipal};
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{Observar};
        opciones.traza = traza;
        EXPECT_EQ(Main(p, opciones), 0);
        plataforma = nullptr;
    }

    // A key pressed `ms` from now and released 1 ms later.
    void Tecla(int tecla, std::int64_t ms = 1) {
        Evento e;
        e.tipo = TipoEvento::TeclaPulsada;
        e.tecla = tecla;
        plataforma->Insertar(plataforma->AhoraMs() + ms, e);
        e.tipo = TipoEvento::TeclaSoltada;
        plataforma->Insertar(plataforma->AhoraMs() + ms + 1, e);
    }
    // Escape just after the game's first phase is on (its captions over, no door open yet),
    // with the game stage just entered.
    void EscapeAlEmpezar(Modulo&) { Tecla(27, 2900); }
    std::vector<std::string> Etapas() const {
        std::vector<std::string> n;
        for (const auto& v : visitas_) n.push_back(v.etapa);
        return n;
    }

    CarpetaDePrueba carpeta_;
    std::string ini = kIniEscenario;
    PlataformaSinPantalla* otra = nullptr;  // a platform of the test's own, with its script
    std::filesystem::path traza;            // the play trace's file; empty: none
    PlataformaSinPantalla* plataforma = nullptr;
    prueba::JuegoDePrueba juegoDePrueba_;
    std::filesystem::path juego_ = juegoDePrueba_.Juego();
    static inline std::vector<Visita>* visitas = nullptr;

  private:
    static Etapa Observar(Modulo& m) {
        const Etapa etapa = siguiente_;
        const std::string nombre = NombreEtapa(etapa);
        visitas->push_back({nombre, m.plataforma.AhoraMs()});
        if (alEntrar_) alEntrar_(m, nombre);
        siguiente_ = etapa.correr(m);
        return siguiente_.correr ? Etapa{Observar} : Etapa{};
    }

    static inline Etapa siguiente_;
    static inline std::function<void(Modulo&, const std::string&)> alEntrar_;
    std::vector<Visita> visitas_;
};

}  // namespace polvareda::prueba
