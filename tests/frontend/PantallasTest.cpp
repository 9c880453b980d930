// The front end's screens with a player at the keys: the level choice, the name entry and the
// page of the table, the menu's own keys, tables edited by hand, and golden pictures.
#include <cstdlib>

#include "Escenario.h"
#include "Teclas.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

constexpr int kFuego1 = 90;  // Disparo1 to Disparo3 of the scenario's configuration
constexpr int kFuego2 = 88;
constexpr int kFuego3 = 67;

class PantallasTest : public prueba::EscenarioTest {
  protected:
    // A picture of the window `ms` from now, compared later with its golden one.
    void Foto(const std::string& nombre, std::int64_t ms) {
        Evento e;
        e.tipo = TipoEvento::VolcarImagen;
        e.archivo = (carpeta_ / nombre).string();
        plataforma->Insertar(plataforma->AhoraMs() + ms, e);
        fotos_.push_back(nombre);
    }
    void CompararFotos() {
        const fs::path doradas = fs::path(POLVAREDA_SOURCE_DIR) / "tests/frontend/golden";
        const char* actualizar = std::getenv("POLVAREDA_UPDATE_GOLDEN");
        for (const auto& nombre : fotos_) {
            const auto obtenida = CargarImagen(carpeta_ / nombre);
            ASSERT_TRUE(obtenida) << nombre;
            if (actualizar && std::string(actualizar) == "1") {
                fs::create_directories(doradas);
                GuardarPng(*obtenida, doradas / nombre);
                continue;
            }
            const auto dorada = CargarImagen(doradas / nombre);
            ASSERT_TRUE(dorada) << "no golden picture " << nombre
                                << "; make it with POLVAREDA_UPDATE_GOLDEN=1";
            if (!(*dorada == *obtenida)) {
                GuardarPng(*obtenida, fs::path(POLVAREDA_BINARY_DIR) / ("obtenida_" + nombre));
                ADD_FAILURE() << nombre << " differs from its golden picture";
            }
        }
    }

  private:
    std::vector<std::string> fotos_;
};

// The level key opens the choice; Escape, the menu's keys and the movement keys do nothing
// there; the second fire button starts phase 3, and a later "0" starts at phase 3 again.
TEST_F(PantallasTest, LevelChoiceStartsAtItsPhaseAndIsKeptForLaterGames) {
    int partidas = 0;
    std::int64_t enNivel = 0;
    Correr([&](Modulo& m, const std::string& etapa) {
        const Partida& p = JuegoDe(m).Estado();
        if (etapa == "espera" && partidas == 0) Tecla('3', 100);
        if (etapa == "espera" && partidas == 1) Tecla(vk::Cero, 100);
        if (etapa == "nivel") {
            enNivel = m.plataforma.AhoraMs();
            for (const int tecla : {vk::Escape, vk::Cero, 49, 50, 51, 79, 80, vk::Intro})
                Tecla(tecla, 1500);
            Foto("nivel.png", 2000);
            Tecla(kFuego2, 3000);
        }
        if (etapa == "partida") {
            ++partidas;
            EXPECT_EQ(Frente::De(m).nivelInicial, 3);
            if (partidas == 1) {
                // The key 3 s after the screen came, two frames, eight blinks, the ramp out.
                const double t = static_cast<double>(m.plataforma.AhoraMs() - enNivel);
                EXPECT_NEAR(t, 3000 + 400 + 4000 + 76 * 15, 80);
            }
            EscapeAlEmpezar(m);
        }
        if (etapa == "fin") {
            EXPECT_EQ(p.Nivel, 3);
            Tecla('A', 1000);
        }
        if (etapa == "menu" && partidas == 2) Terminar(m);
    });
    EXPECT_EQ(partidas, 2);
    const std::vector<std::string> esperadas = {"menu", "espera", "nivel",   "partida", "fin",
                                                "menu", "espera", "partida", "fin",     "menu"};
    EXPECT_EQ(Etapas(), esperadas);
    CompararFotos();
}

// A score that reaches the table: the name entry takes capitals and blanks up to 17, ignores
// other keys, Backspace works on an empty name too, Enter ends; the new record goes above the
// older equal ones, the page shows it, and the table reaches Polvareda.DAT at shutdown.
TEST_F(PantallasTest, NameEntryInsertsAboveEqualScoresAndShowsItsPage) {
    TablaMejores antes{};
    bool escrito = false;
    Correr([&](Modulo& m, const std::string& etapa) {
        if (etapa == "menu" && !escrito) {
            // Records 3 to 99 hold 0: a game ended at once with 0 points takes place 3.
            for (int i = 3; i <= kRegistrosMejores; ++i)
                m.mejores[static_cast<std::size_t>(i)] = {"OLD" + std::to_string(i), 0};
            antes = m.mejores;
        }
        if (etapa == "espera" && !escrito) Tecla(vk::Cero, 100);
        if (etapa == "partida") EscapeAlEmpezar(m);
        if (etapa == "fin") {
            Frente& f = Frente::De(m);
            std::int64_t t = 500;
            Tecla(vk::Retroceso, t += 10);
            for (const char c : std::string("AB CDEFGHIJKLMNOPQR")) Tecla(c, t += 10);
            Tecla(vk::Retroceso, t += 10);
            for (const int tecla : {49, 97, 122, vk::Guion, vk::Punto, vk::Escape})
                Tecla(tecla, t += 10);
            Foto("nombre.png", t += 10);
            Tecla(vk::Intro, t += 10);
            Foto("pagina.png", t += 100);
            Tecla('A', t += 10);
            escrito = true;
            EXPECT_TRUE(f.Nombre.empty());
        }
        if (etapa == "menu" && escrito) {
            EXPECT_EQ(m.mejores[3], (RegistroMejor{"AB CDEFGHIJKLMNO", 0}));
            EXPECT_EQ(m.mejores[1], antes[1]);
            EXPECT_EQ(m.mejores[4], antes[3]);
            EXPECT_EQ(m.mejores[99], antes[98]);
            Terminar(m);
        }
    });
    EXPECT_TRUE(escrito);
    CompararFotos();
    // The stored table holds the new name on its third record.
    const std::string dat = prueba::Complemento(prueba::Leer(juego_ / "Polvareda.DAT"));
    EXPECT_NE(dat.find("AB CDEFGHIJKLMNO\r\n 0 \r\nOLD3"), std::string::npos);
}

// The menu and the rolling table as a player sees them, and a hand-edited table full of
// equal scores, long names, characters without a glyph and scores of any size: every screen
// that shows it draws what it can.
TEST_F(PantallasTest, MenuTableAndOddTables) {
    int tablas = 0;
    Correr([&](Modulo& m, const std::string& etapa) {
        if (etapa == "espera" && tablas == 0) Foto("menu.png", 100);
        if (etapa == "tabla" && ++tablas == 1) Foto("tabla.png", 1000);
        if (etapa == "tabla" && tablas == 2) {
            for (int i = 1; i <= kRegistrosMejores; ++i) {
                std::string nombre = i % 3 == 0   ? std::string(255, 'M')
                                     : i % 3 == 1 ? std::string("\xff\x01 low\xbb;:")
                                                  : std::string();
                const std::int32_t puntos = i % 2 ? 2147483647 : -2147483647 - 1;
                m.mejores[static_cast<std::size_t>(i)] = {nombre, i > 50 ? 777 : puntos};
            }
        }
        if (etapa == "espera" && tablas == 2) Tecla(vk::Cero, 100);
        if (etapa == "partida") EscapeAlEmpezar(m);
        if (etapa == "fin") Tecla('A', 1000);
        if (etapa == "menu" && tablas == 2) Terminar(m);
    });
    EXPECT_EQ(tablas, 2);
    CompararFotos();
}

}  // namespace
}  // namespace polvareda

namespace polvareda {
namespace {

class MandoFrenteTest : public prueba::EscenarioTest {
  protected:
    void Boton(int tipo, int boton, std::int64_t ms) {
        Evento e;
        e.tipo = static_cast<TipoEvento>(tipo);
        e.boton = boton;
        plataforma->Insertar(plataforma->AhoraMs() + ms, e);
    }
    void Pulsar(int boton, std::int64_t ms) {
        Boton(static_cast<int>(TipoEvento::MandoPulsado), boton, ms);
        Boton(static_cast<int>(TipoEvento::MandoSoltado), boton, ms + 1);
    }
};

// With a controller plugged in, "2" chooses it in the menu; its third fire button chooses
// phase 6 on the level screen; its A starts a game from the menu; and it writes a name:
// up and down change the letter, A takes it, B deletes, Start ends.
TEST_F(MandoFrenteTest, ControllerChoosesPlaysAndWritesAName) {
    int esperas = 0;
    bool nombre = false;
    Correr([&](Modulo& m, const std::string& etapa) {
        if (etapa == "menu" && esperas == 0) {
            for (int i = 3; i <= kRegistrosMejores; ++i)
                m.mejores[static_cast<std::size_t>(i)] = {"", 0};
        }
        if (etapa == "espera" && ++esperas == 1) {
            EXPECT_FALSE(m.joystickConectado);
            Tecla('2', 10);  // no controller yet: nothing
            Boton(static_cast<int>(TipoEvento::MandoConectado), 0, 20);
            Tecla('2', 30);
            Tecla('3', 40);
        }
        if (etapa == "nivel") {
            EXPECT_TRUE(Frente::De(m).joystick);
            Pulsar(kMandoX, 2000);
        }
        if (etapa == "partida" && esperas == 1) {
            EXPECT_EQ(Frente::De(m).nivelInicial, 6);
            EscapeAlEmpezar(m);
        }
        if (etapa == "fin" && esperas == 1) {
            std::int64_t t = 500;
            for (const int b : {kMandoDpUp, kMandoDpUp, kMandoA, kMandoDpDown, kMandoA, kMandoA,
                                kMandoB, kMandoDpDown, kMandoDpDown, kMandoA, kMandoStart})
                Pulsar(b, t += 10);
            Tecla('A', t += 100);
            nombre = true;
        }
        if (etapa == "espera" && esperas == 2) {
            EXPECT_EQ(m.mejores[3].nombre, "BAZ");
            Pulsar(kMandoA, 10);
        }
        if (etapa == "partida" && esperas == 2) {
            EXPECT_EQ(Frente::De(m).nivelInicial, 6);  // the choice is kept
            Terminar(m);
        }
    });
    EXPECT_TRUE(nombre);
    EXPECT_EQ(esperas, 2);
}

}  // namespace
}  // namespace polvareda
