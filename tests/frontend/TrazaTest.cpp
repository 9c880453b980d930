// The play trace over minutes of random play: looking at the game (a picture and the state in
// the middle of every stretch of the script) never changes it, and the trace reads in time
// order, each key's line at the key's own millisecond.
#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

#include "Escenario.h"
#include "Guion.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

// Minutes of keys at uneven moments: start, fire, walk, pause, letters and Enter for a name,
// and the focus lost and found now and then.
std::vector<PasoGuion> GuionAlAzar(unsigned semilla, std::int64_t duracionMs) {
    std::mt19937 azar(semilla);
    const int teclas[] = {'0', '0', 90, 90, 88, 88, 67, 67, 79, 80, 19, 13, 'A', 'N', 'A'};
    const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    std::vector<PasoGuion> pasos;
    for (std::int64_t t = 4300; t < duracionMs; t += entre(1, 700)) {
        const bool foco = entre(0, 60) == 0;
        Evento e;
        e.tipo = foco ? TipoEvento::FocoPerdido : TipoEvento::TeclaPulsada;
        e.tecla = teclas[entre(0, std::size(teclas) - 1)];
        pasos.push_back({t, e});
        e.tipo = foco ? TipoEvento::FocoGanado : TipoEvento::TeclaSoltada;
        pasos.push_back({t + entre(0, foco ? 900 : 250), e});
    }
    std::stable_sort(pasos.begin(), pasos.end(),
                     [](const PasoGuion& a, const PasoGuion& b) { return a.enMs < b.enMs; });
    return pasos;
}

class TrazaTest : public prueba::EscenarioTest {
  protected:
    std::string Jugar(const std::vector<PasoGuion>& pasos, bool mirar, const fs::path& archivo) {
        PlataformaSinPantalla p;
        std::int64_t antes = 0;
        for (const auto& paso : pasos) {
            if (mirar && paso.enMs > antes + 1) {
                // Halfway through the stretch the script advances before this event.
                Evento foto;
                foto.tipo = TipoEvento::VolcarImagen;
                foto.archivo = (carpeta_ / "foto.png").string();
                p.Encolar((antes + paso.enMs) / 2, foto);
                foto.tipo = TipoEvento::VolcarEstado;
                foto.archivo = (carpeta_ / "estado.jsonl").string();
                p.Encolar((antes + paso.enMs) / 2, foto);
            }
            p.Encolar(paso.enMs, paso.evento);
            antes = paso.enMs;
        }
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{MenuPrincipal};
        opciones.traza = archivo;
        EXPECT_EQ(Main(p, opciones), 0);
        fs::remove(juego_ / "Polvareda.DAT");  // the next run starts from the same table
        return prueba::Leer(archivo);
    }
};

// The number or text after `"campo": ` in a trace line.
std::string Campo(const std::string& linea, const std::string& campo) {
    auto i = linea.find("\"" + campo + "\": ");
    if (i == std::string::npos) return "";
    i += campo.size() + 4 + (linea[i + campo.size() + 4] == '"');
    return linea.substr(i, linea.find_first_of(",\"}", i) - i);
}

TEST_F(TrazaTest, LookingNeverChangesTheGameAndTheTraceReadsInTimeOrder) {
    ini = prueba::kIniEscenario;
    prueba::Escribir(juego_ / "Polvareda.INI", ini);
    const auto pasos = GuionAlAzar(15, 5 * 60'000);
    const std::string solo = Jugar(pasos, false, carpeta_ / "solo.jsonl");
    const std::string mirado = Jugar(pasos, true, carpeta_ / "mirado.jsonl");
    EXPECT_GT(prueba::Leer(carpeta_ / "estado.jsonl").size(), 100'000u);

    std::set<std::tuple<std::int64_t, std::string, int>> teclas;
    for (const auto& p : pasos) {
        if (p.evento.tipo == TipoEvento::TeclaPulsada)
            teclas.insert({p.enMs, "keydown", p.evento.tecla});
        if (p.evento.tipo == TipoEvento::TeclaSoltada)
            teclas.insert({p.enMs, "keyup", p.evento.tecla});
    }
    EXPECT_EQ(mirado, solo);
    std::istringstream lineas(solo);
    std::string l;
    std::int64_t antes = 0;
    std::set<std::string> modos;
    int lineasTecla = 0;
    for (int n = 1; std::getline(lineas, l); ++n) {
        const std::int64_t t = std::stoll(Campo(l, "t"));
        ASSERT_GE(t, antes) << "line " << n << " goes back in time: " << l;
        antes = t;
        const std::string por = Campo(l, "why");
        if (por == "keydown" || por == "keyup") {
            ++lineasTecla;
            ASSERT_TRUE(teclas.count({t, por, std::stoi(Campo(l, "key"))}))
                << "line " << n << " is not at its key's time: " << l;
        }
        modos.insert(Campo(l, "mode"));
    }
    // Games were played, lives lost, the wall walked and a phase or a duel reached.
    EXPECT_GT(lineasTecla, 300);
    for (const char* modo : {"juego", "bang", "nombre"}) EXPECT_TRUE(modos.count(modo)) << modo;
    EXPECT_NE(solo.find("\"why\": \"scroll\""), std::string::npos);
}

}  // namespace
}  // namespace polvareda
