// The cost of the two most frequent large drawings at full-screen canvas sizes: restoring the
// whole screen from `Fondo`, and redrawing one door slot (composed in `temp`, copied scaled to
// the canvas, changed rectangle collected for presenting).
#include <benchmark/benchmark.h>

#include "Composicion.h"
#include "Fondo.h"
#include "Graficos.h"

namespace polvareda {
namespace {

// Canvas width; the scale makes the 256 x 192 picture fill it (4:3).
struct Preparado {
    Lienzo lienzo;
    Graficos g{lienzo};
    explicit Preparado(int ancho) {
        lienzo.Redimensionar(ancho, ancho * 3 / 4);
        g.vista.escala = Escala::Diezmilesimas(static_cast<std::int64_t>(ancho) * 10000 / 256);
        CargarIncorporadas(g.superficies);
        ConstruirDerivadas(g.superficies);
        ConstruirFondo(g);
        lienzo.TomarCambios();
    }
};

void RestauracionCompleta(benchmark::State& estado) {
    Preparado p(static_cast<int>(estado.range(0)));
    for (auto _ : estado) {
        RestaurarPantalla(p.g);
        benchmark::DoNotOptimize(p.lienzo.TomarCambios());
    }
    estado.SetItemsProcessed(estado.iterations() * p.lienzo.Ancho() * p.lienzo.Alto());
}

void HuecoDePuerta(benchmark::State& estado) {
    Preparado p(static_cast<int>(estado.range(0)));
    Superficies& s = p.g.superficies;
    const int i = 1;
    for (auto _ : estado) {
        Transferir(s.temp, 16 + 88 * i, 32, s.Paisaje, 13 + 88 * i, 24, 48, 88, Rop::SrcCopy);
        PonerFigura(p.g, 3, 16 + 88 * i, 32);
        Transferir(s.temp, 48 + 88 * i, 32, s.Puertas, 96, 0, 24, 88, Rop::SrcCopy);
        CopiaEscalada(p.g, s.temp, 16 + 88 * i, 32, 56, 88, 16 + 88 * i, 32);
        benchmark::DoNotOptimize(p.lienzo.TomarCambios());
    }
}

BENCHMARK(RestauracionCompleta)->Arg(1280)->Arg(1920)->Arg(3840)->Unit(benchmark::kMicrosecond);
BENCHMARK(HuecoDePuerta)->Arg(1280)->Arg(1920)->Arg(3840)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace polvareda
