// A game recorded from a real session (the SDL platform on a virtual display, keys sent by a
// script, run with --grabar and --traza) replays on the headless platform to the same game:
// the same play state after every tick, key and mode change, and the same picture when the
// last key came.
#include <fstream>
#include <sstream>

#include "ArchivoAcotado.h"
#include "Escenario.h"
#include "Grabadora.h"
#include "Guion.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

class GrabacionTest : public prueba::EscenarioTest {};

// A machine that falls behind: its clock reads a little later after every event it hands
// over, as when handling input takes time, so input is seen later than it came.
class Atrasada : public PlataformaSinPantalla {
  public:
    using PlataformaSinPantalla::PlataformaSinPantalla;
    std::int64_t AhoraMs() override { return PlataformaSinPantalla::AhoraMs() + 23 * entregados_; }
    std::optional<Evento> EsperarEvento(std::int64_t limiteMs) override {
        auto evento = PlataformaSinPantalla::EsperarEvento(limiteMs);
        if (evento) ++entregados_;
        return evento;
    }

  private:
    std::int64_t entregados_ = 0;
};

TEST_F(GrabacionTest, RecordedSessionReplaysBitForBit) {
    const fs::path datos = fs::path(POLVAREDA_SOURCE_DIR) / "tests/frontend/grabacion";
    const auto texto = LeerArchivoAcotado(datos / "partida.txt");
    ASSERT_TRUE(texto);
    // The replay's time of day is on the script's second line.
    const auto hora = texto->find("--hora ");
    ASSERT_NE(hora, std::string::npos);
    const double horaInicial = std::strtod(texto->c_str() + hora + 7, nullptr);
    const auto leido = LeerGuion(*texto);
    ASSERT_TRUE(std::holds_alternative<Guion>(leido));
    const Guion& guion = std::get<Guion>(leido);
    ASSERT_GT(guion.pasos.size(), 100u);

    PlataformaSinPantalla repeticion(horaInicial);
    for (std::size_t i = 0; i < guion.pasos.size(); ++i) {
        if (i + 1 == guion.pasos.size()) {
            Evento foto;
            foto.tipo = TipoEvento::VolcarImagen;
            foto.archivo = (carpeta_ / "final.png").string();
            repeticion.Encolar(guion.pasos[i].enMs, foto);
        }
        repeticion.Encolar(guion.pasos[i].enMs, guion.pasos[i].evento);
    }
    ini = prueba::Leer(datos / "Polvareda.INI");
    otra = &repeticion;
    traza = carpeta_ / "traza.jsonl";
    Correr(nullptr, horaInicial);

    const std::string real = prueba::Leer(datos / "partida_traza.jsonl");
    const std::string repetida = prueba::Leer(traza);
    EXPECT_EQ(repetida.size(), real.size());
    // Line by line, so that a difference names the first moment the games part.
    std::istringstream a(real), b(repetida);
    std::string la, lb;
    int n = 0;
    while (std::getline(a, la) && std::getline(b, lb)) {
        ++n;
        ASSERT_EQ(lb, la) << "line " << n;
    }
    EXPECT_NE(real.find("\"points\": 150, \"lives\": 0"), std::string::npos);

    const auto esperada = CargarImagen(datos / "partida.txt.png");
    const auto obtenida = CargarImagen(carpeta_ / "final.png");
    ASSERT_TRUE(esperada && obtenida);
    EXPECT_TRUE(*esperada == *obtenida);
}

// The recorder on a machine that falls behind, with input at awkward moments (inside ticks,
// on the same millisecond as others): the script it writes replays to the same trace.
TEST_F(GrabacionTest, RecorderWritesAScriptThatReplaysTheSameGame) {
    prueba::Escribir(juego_ / "Polvareda.INI", prueba::kIniEscenario);
    const auto correr = [&](Plataforma& p, const fs::path& archivoTraza) {
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{MenuPrincipal};
        opciones.traza = archivoTraza;
        EXPECT_EQ(Main(p, opciones), 0);
    };
    Atrasada real(50000.25);
    // A game started in the menu, keys during its captions and right after them (two on the
    // same millisecond), Escape as soon as it plays, the table dismissed, Escape in the menu.
    const std::pair<std::int64_t, int> teclas[] = {{4507, '0'}, {5013, 90}, {6400, 80}, {7311, 90},
                                                   {7311, 88},  {7333, 79}, {7420, 27}, {9003, 65},
                                                   {9003, 66},  {11500, 27}};
    for (const auto& [ms, tecla] : teclas) {
        Evento e;
        e.tecla = tecla;
        real.Encolar(ms, e);
        e.tipo = TipoEvento::TeclaSoltada;
        real.Encolar(ms + 37, e);
    }
    {
        PlataformaGrabadora grabadora(real, carpeta_ / "grabada.txt");
        correr(grabadora, carpeta_ / "real.jsonl");
    }
    fs::remove(juego_ / "Polvareda.DAT");

    const auto texto = LeerArchivoAcotado(carpeta_ / "grabada.txt");
    ASSERT_TRUE(texto);
    EXPECT_NE(texto->find("--hora 50000.250\n"), std::string::npos) << *texto;
    const auto leido = LeerGuion(*texto);
    ASSERT_TRUE(std::holds_alternative<Guion>(leido));
    PlataformaSinPantalla repeticion(50000.25);
    for (const auto& paso : std::get<Guion>(leido).pasos)
        repeticion.Encolar(paso.enMs, paso.evento);
    correr(repeticion, carpeta_ / "repetida.jsonl");

    const std::string a = prueba::Leer(carpeta_ / "real.jsonl");
    EXPECT_GT(a.size(), 10000u);
    EXPECT_EQ(prueba::Leer(carpeta_ / "repetida.jsonl"), a);
}

}  // namespace
}  // namespace polvareda
