// A recorded game replays on the headless platform to the same game: the same play state after
// every tick, key and mode change. Once for a session recorded from the real game on a virtual
// display (bench/grabar_y_repetir.sh made it), once for a machine that is slow at awkward
// moments, recorded here.
#include <algorithm>
#include <deque>

#include "ArchivoAcotado.h"
#include "Escenario.h"
#include "Grabadora.h"
#include "Guion.h"
#include "RelojJuego.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

class GrabacionTest : public prueba::EscenarioTest {
  protected:
    // Replays `script` (a recording) on the headless platform, from the menu, with a trace.
    std::string Repetir(const std::string& script, const fs::path& archivoTraza) {
        const auto hora = script.find("--hora ");
        EXPECT_NE(hora, std::string::npos);
        const auto leido = LeerGuion(script);
        EXPECT_TRUE(std::holds_alternative<Guion>(leido));
        if (hora == std::string::npos || !std::holds_alternative<Guion>(leido)) return "";
        PlataformaSinPantalla repeticion(std::strtod(script.c_str() + hora + 7, nullptr));
        const Guion& guion = std::get<Guion>(leido);
        for (const auto& paso : guion.pasos) repeticion.Encolar(paso.enMs, paso.evento);
        Evento fin;
        fin.tipo = TipoEvento::FinDelGuion;
        repeticion.Encolar(guion.finMs, fin);
        return Jugar(repeticion, archivoTraza);
    }
    std::string Jugar(Plataforma& p, const fs::path& archivoTraza) {
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{MenuPrincipal};
        opciones.traza = archivoTraza;
        EXPECT_EQ(Main(p, opciones), 0);
        return prueba::Leer(archivoTraza);
    }
};

TEST_F(GrabacionTest, RecordedSessionReplaysBitForBit) {
    const fs::path datos = fs::path(POLVAREDA_SOURCE_DIR) / "tests/frontend/grabacion";
    const auto texto = LeerArchivoAcotado(datos / "partida.txt");
    ASSERT_TRUE(texto);
    prueba::Escribir(juego_ / "Polvareda.INI", prueba::Leer(datos / "Polvareda.INI"));
    const std::string real = prueba::Leer(datos / "partida_traza.jsonl");
    EXPECT_EQ(Repetir(*texto, carpeta_ / "traza.jsonl"), real);
    // A game that lost lives and scored, and the same table written back.
    EXPECT_NE(real.find("\"mode\": \"bang\""), std::string::npos);
    EXPECT_EQ(prueba::Leer(juego_ / "Polvareda.DAT"), prueba::Leer(datos / "Polvareda.DAT"));
}

// A machine whose real clock runs on while the game works: every look at the input costs a
// few milliseconds, so waits end late and input is taken late, inside ticks, right at the end
// of waits and several in one millisecond. It may also sleep for a while, as a suspended one.
class MaquinaLenta : public PlataformaSinPantalla, private FuenteReal {
  public:
    // It sleeps `suspension.second` ms once its clock reaches `suspension.first`.
    MaquinaLenta(double hora, std::pair<std::int64_t, std::int64_t> suspension)
        : PlataformaSinPantalla(hora), suspension_(suspension) {}
    void Entrada(std::int64_t realMs, TipoEvento tipo, int tecla) {
        Evento e;
        e.tipo = tipo;
        e.tecla = tecla;
        entradas_.push_back({realMs, e});
    }
    std::int64_t AhoraMs() override { return reloj_.AhoraMs(); }
    std::optional<Evento> EsperarEvento(std::int64_t limiteMs) override {
        return reloj_.EsperarEvento(*this, limiteMs);
    }

  private:
    std::int64_t RealMs() override { return real_; }
    std::optional<Evento> Siguiente(std::int64_t hastaMs) override {
        real_ += 1 + vueltas_++ % 9;
        if (suspension_.second > 0 && real_ >= suspension_.first) {
            real_ += suspension_.second;  // what comes later comes that much later
            for (auto& entrada : entradas_) entrada.first += suspension_.second;
            suspension_ = {};
        }
        if (entradas_.empty() && real_ > 600'000) {
            Evento cierre;  // a run that somehow goes on is closed, and the replay with it
            cierre.tipo = TipoEvento::Cerrar;
            return cierre;
        }
        if (!entradas_.empty() && entradas_.front().first <= std::max(real_, hastaMs)) {
            real_ = std::max(real_, entradas_.front().first);
            Evento e = entradas_.front().second;
            entradas_.pop_front();
            return e;
        }
        real_ = std::max(real_, hastaMs);
        return std::nullopt;
    }

    RelojJuego reloj_;
    std::deque<std::pair<std::int64_t, Evento>> entradas_;
    std::int64_t real_ = 0;
    int vueltas_ = 0;
    std::pair<std::int64_t, std::int64_t> suspension_;
};

TEST_F(GrabacionTest, SlowMachineRecordsAScriptThatReplaysTheSameGame) {
    prueba::Escribir(juego_ / "Polvareda.INI", prueba::kIniEscenario);
    MaquinaLenta real(50000.25, {8000, 600'000});  // ten minutes asleep in the middle of play
    // A game started in the menu; fire and walk keys through its captions and its play (two
    // on one millisecond), the focus lost and found, a pause and its end, Escape, a name,
    // the table dismissed, Escape in the menu.
    const std::pair<std::int64_t, int> teclas[] = {
        {4507, '0'}, {5013, 90},   {6400, 80},   {7311, 90},  {7311, 88},   {7333, 79},
        {9100, 90},  {9431, 88},   {9650, 67},   {10002, 80}, {11800, 90},  {12555, 67},
        {13010, 19}, {14100, 19},  {15000, 79},  {16230, 88}, {17001, 90},  {19003, 67},
        {21000, 27}, {24000, 'A'}, {24100, 'B'}, {24200, 13}, {27000, 'X'}, {29500, 27}};
    for (const auto& [ms, tecla] : teclas) {
        real.Entrada(ms, TipoEvento::TeclaPulsada, tecla);
        real.Entrada(ms + 37, TipoEvento::TeclaSoltada, tecla);
        if (ms == 12555) {
            real.Entrada(ms + 40, TipoEvento::FocoPerdido, 0);
            real.Entrada(ms + 200, TipoEvento::FocoGanado, 0);
        }
    }
    std::string a;
    {
        PlataformaGrabadora grabadora(real, carpeta_ / "grabada.txt");
        a = Jugar(grabadora, carpeta_ / "real.jsonl");
    }
    const std::string datos = prueba::Leer(juego_ / "Polvareda.DAT");
    fs::remove(juego_ / "Polvareda.DAT");

    const auto texto = LeerArchivoAcotado(carpeta_ / "grabada.txt");
    ASSERT_TRUE(texto);
    EXPECT_NE(texto->find("--hora 50000.250\n"), std::string::npos) << *texto;
    EXPECT_NE(texto->find("focusout\n"), std::string::npos);
    // The game did not live through the machine's sleep: its whole run stays under a minute.
    std::int64_t recorrido = 0;
    for (std::size_t i = texto->find("advance "); i != std::string::npos;
         i = texto->find("advance ", i + 1))
        recorrido += std::stoll(texto->substr(i + 8));
    EXPECT_LT(recorrido, 60'000);
    EXPECT_GT(a.size(), 20000u);
    EXPECT_EQ(Repetir(*texto, carpeta_ / "repetida.jsonl"), a);
    EXPECT_EQ(prueba::Leer(juego_ / "Polvareda.DAT"), datos);
}

}  // namespace
}  // namespace polvareda
