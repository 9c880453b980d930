// The work of one scroll step (the counter and wall strips copied to the canvas, the changed
// rectangles collected) at full-screen canvas sizes: a step must stay well under the 15 ms
// the wall waits between steps, without a GPU.
#include <benchmark/benchmark.h>

#include "Cinta.h"
#include "Fondo.h"
#include "Graficos.h"

namespace polvareda {
namespace {

void PasoDeDesplazamiento(benchmark::State& estado) {
    const int ancho = static_cast<int>(estado.range(0));
    const int alto = static_cast<int>(estado.range(1));
    Lienzo lienzo;
    Graficos g{lienzo};
    lienzo.Redimensionar(ancho, alto);
    // The largest scale at which the 256 x 192 picture fits, as the game takes it.
    const std::int64_t escala =
        std::min<std::int64_t>(static_cast<std::int64_t>(ancho) * 10000 / 256,
                               static_cast<std::int64_t>(alto) * 10000 / 192);
    g.vista.escala = Escala::Diezmilesimas(escala);
    CargarIncorporadas(g.superficies);
    ConstruirDerivadas(g.superficies);
    ConstruirFondo(g);
    PrepararCinta(g);
    const int inicio = g.vista.escala.Aplicar(176);
    int recorrido = inicio;
    bool izquierda = false;
    for (auto _ : estado) {
        recorrido = PasoCinta(g, recorrido, izquierda);
        if (recorrido >= 2 * inicio || recorrido <= 0) {
            izquierda = !izquierda;
        }
        benchmark::DoNotOptimize(lienzo.TomarCambios());
    }
}

BENCHMARK(PasoDeDesplazamiento)
    ->Args({1280, 960})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace polvareda
