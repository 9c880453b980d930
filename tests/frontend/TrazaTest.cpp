// The play trace over minutes of random play: looking at the game (a picture and the state in
// the middle of every stretch of the script) never changes it, and the trace reads in time
// order, each key's line at the key's own millisecond.
#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

#include "Escenario.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

struct Paso {
    std::int64_t ms;
    Evento evento;
};

// Minutes of keys at uneven moments: start, fire, walk, pause, letters and Enter for a name,
// and the focus lost and found now and then.
std::vector<Paso> GuionAlAzar(unsigned semilla, std::int64_t duracionMs) {
    std::mt19937 azar(semilla);
    const int teclas[] = {'0', '0', 90, 90, 88, 88, 67, 67, 79, 80, 19, 13, 'A', 'N', 'A'};
    const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    std::vector<Paso> pasos;
    for (std::int64_t t = 4300; t < duracionMs; t += entre(1, 700)) {
        Evento e;
        if (entre(0, 60) == 0) {
            e.tipo = TipoEvento::FocoPerdido;
            pasos.push_back({t, e});
            e.tipo = TipoEvento::FocoGanado;
            pasos.push_back({t + entre(0, 900), e});
            continue;
        }
        e.tecla = teclas[entre(0, std::size(teclas) - 1)];
        pasos.push_back({t, e});
        e.tipo = TipoEvento::TeclaSoltada;
        pasos.push_back({t + entre(0, 250), e});
    }
    std::stable_sort(pasos.begin(), pasos.end(),
                     [](const Paso& a, const Paso& b) { return a.ms < b.ms; });
    return pasos;
}

class TrazaTest : public prueba::EscenarioTest {
  protected:
    std::string Jugar(const std::vector<Paso>& pasos, bool mirar, const fs::path& archivo) {
        const fs::path dat = juego_ / "Polvareda.DAT";
        const bool habia = fs::exists(dat);
        const std::string tabla = habia ? prueba::Leer(dat) : "";
        PlataformaSinPantalla p;
        std::int64_t antes = 0;
        for (const auto& paso : pasos) {
            if (mirar && paso.ms > antes + 1) {
                // Halfway through the stretch the script advances before this event.
                Evento foto;
                foto.tipo = TipoEvento::VolcarImagen;
                foto.archivo = (carpeta_ / "foto.png").string();
                p.Encolar((antes + paso.ms) / 2, foto);
                foto.tipo = TipoEvento::VolcarEstado;
                foto.archivo = (carpeta_ / "estado.jsonl").string();
                p.Encolar((antes + paso.ms) / 2, foto);
            }
            p.Encolar(paso.ms, paso.evento);
            antes = paso.ms;
        }
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{MenuPrincipal};
        opciones.traza = archivo;
        EXPECT_EQ(Main(p, opciones), 0);
        if (habia) {
            prueba::Escribir(dat, tabla);
        } else {
            fs::remove(dat);
        }
        return prueba::Leer(archivo);
    }
};

std::int64_t Numero(const std::string& linea, const std::string& campo) {
    const auto i = linea.find("\"" + campo + "\": ");
    return i == std::string::npos ? -1 : std::stoll(linea.substr(i + campo.size() + 4));
}

std::string Texto(const std::string& linea, const std::string& campo) {
    const auto i = linea.find("\"" + campo + "\": \"");
    if (i == std::string::npos) return "";
    const auto desde = i + campo.size() + 5;
    return linea.substr(desde, linea.find('"', desde) - desde);
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
            teclas.insert({p.ms, "keydown", p.evento.tecla});
        if (p.evento.tipo == TipoEvento::TeclaSoltada)
            teclas.insert({p.ms, "keyup", p.evento.tecla});
    }
    std::istringstream a(solo), b(mirado);
    std::string la, lb;
    std::int64_t antes = 0;
    std::set<std::string> modos;
    int lineasTecla = 0;
    for (int n = 1; std::getline(a, la); ++n) {
        ASSERT_TRUE(std::getline(b, lb)) << "the watched game ends before line " << n;
        ASSERT_EQ(lb, la) << "line " << n;
        const std::int64_t t = Numero(la, "t");
        ASSERT_GE(t, antes) << "line " << n << " goes back in time: " << la;
        antes = t;
        const std::string por = Texto(la, "why");
        if (por == "keydown" || por == "keyup") {
            ++lineasTecla;
            ASSERT_TRUE(teclas.count({t, por, static_cast<int>(Numero(la, "key"))}))
                << "line " << n << " is not at its key's time: " << la;
        }
        modos.insert(Texto(la, "mode"));
    }
    EXPECT_FALSE(std::getline(b, lb)) << "the watched game goes on: " << lb;
    // Games were played, lives lost, the wall walked and a phase or a duel reached.
    EXPECT_GT(lineasTecla, 300);
    for (const char* modo : {"juego", "bang", "nombre"}) EXPECT_TRUE(modos.count(modo)) << modo;
    EXPECT_NE(solo.find("\"why\": \"scroll\""), std::string::npos);
}

}  // namespace
}  // namespace polvareda
