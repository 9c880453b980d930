// A game recorded from a real session (the SDL platform on a virtual display, keys sent by a
// script, run with --grabar and --traza) replays on the headless platform to the same game:
// the same play state after every tick, key and mode change, and the same picture when the
// last key came.
#include <fstream>
#include <sstream>

#include "ArchivoAcotado.h"
#include "Escenario.h"
#include "Guion.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

class GrabacionTest : public prueba::EscenarioTest {};

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

}  // namespace
}  // namespace polvareda
