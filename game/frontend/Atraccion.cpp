// The attract cycle's two screens: the top ten with rolling colours, and the demonstration
// game played by the program itself.
#include <algorithm>

#include "Composicion.h"
#include "EtapasFrente.h"
#include "Figuras.h"
#include "Frente.h"
#include "Juego.h"
#include "Modulo.h"
#include "TablaMejores.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr std::int64_t kRepeticionTablaMs = 50;
constexpr std::int64_t kDuracionTablaMs = 15'000;
constexpr std::int64_t kDuracionDemoMs = 35'000;
constexpr std::int64_t kEsperaPuertaMs = 25;
constexpr std::int64_t kParpadeoDemoMs = 250;
constexpr std::int64_t kEntrePantallasMs = 250;

// Milliseconds since `inicio` on the game's clock, which runs on across midnight.
std::int64_t Transcurrido(Modulo& m, std::int64_t inicio) {
    return m.plataforma.AhoraMs() - inicio;
}

// The figures the demonstration shoots at almost always, and the ones it nearly never shoots.
bool BlancoSeguro(int tipo) {
    using namespace figura;
    return tipo == kSombreroDinero || (tipo >= kCeroMenguado && tipo <= kBandidoTardio) ||
           EsDesenfundado(tipo);
}
bool BlancoRaro(int tipo) {
    return tipo == figura::kSombreroBomba || figura::EsCliente(tipo);
}

}  // namespace

void Frente::PrepararTablaRodante() {
    // The glyphs are composed as the direct text drawing puts them on the black screen: the
    // mask clears, the colour band paints.
    const Superficie& letras = m_.ventana.graficos.superficies.letras;
    filasTabla_.t = letras.t;
    filasTabla_.imagen = Imagen(letras.Px(256), letras.Px(12 * 40), 0);
    for (int r = 0; r < 10; ++r) {
        const RegistroMejor& registro = m_.mejores[static_cast<std::size_t>(r + 1)];
        const std::pair<int, std::string> columnas[] = {{0, TextoRango(r + 1)},
                                                        {6, TextoNombre(registro.nombre)},
                                                        {26, TextoPuntuacion(registro.puntos)}};
        for (int color = 1; color <= 4; ++color) {
            const int y = 12 * (4 * r + color - 1);
            for (const auto& [columna, texto] : columnas) {
                for (std::size_t i = 0; i < texto.size(); ++i) {
                    const int glifo = ColumnaGlifo(texto[i]);
                    if (texto[i] == ' ' || glifo < 0 || glifo >= 38) continue;
                    const int x = 8 * (columna + static_cast<int>(i));
                    if (x + 7 > 256) break;
                    Transferir(filasTabla_, x, y, letras, 7 * glifo, 0, 7, 12, Rop::SrcAnd);
                    Transferir(filasTabla_, x, y, letras, 7 * glifo, 12 * color, 7, 12,
                               Rop::SrcPaint);
                }
            }
        }
    }
}

void Frente::DibujarTablaRodante() {
    Graficos& g = m_.ventana.graficos;
    const auto colores = ColoresTabla(colorTabla);
    for (int r = 0; r < 10; ++r) {
        const int color = colores[static_cast<std::size_t>(r)];
        CopiaEscaladaXGA(g, filasTabla_, 0, 12 * (4 * r + color - 1), 256, 12, 0, 18 + 16 * r);
    }
    Refrescar();
}

Etapa TablaAtraccion(Modulo& m) {
    Frente& f = Frente::De(m);
    f.tablaSiguiente = false;
    f.PrepararTablaRodante();
    while (f.ModoActual() == Modo::Auto) {
        f.DibujarTablaRodante();
        if (Transcurrido(m, f.inicioAtraccion) >= kDuracionTablaMs) f.CambiarModo(Modo::Menu);
        f.Esperar(kRepeticionTablaMs);
    }
    f.CambiarModo(Modo::Ninguno);
    f.Limpiar();
    f.Esperar(kEntrePantallasMs);
    f.CambiarModo(Modo::Menu);
    return Etapa{EsperarEnMenu};
}

void Frente::JugadaDemostracion() {
    const Partida& p = j_.Estado();
    const Configuracion& c = m_.configuracion;
    // A key of the demonstration goes to the playing-mode handler and is released at once. A
    // key of the player that arrives meanwhile (during a scroll, or between two presses) has
    // made the mode "menu": no press of the demonstration is made after it, so the key always
    // ends the demonstration.
    const auto pulsar = [&](int tecla) {
        if (ModoActual() != Modo::Auto) return;
        CambiarModo(Modo::Juego);
        j_.TeclaJuego(tecla, 0);
        j_.SoltarTecla(tecla);
        if (ModoActual() == Modo::Juego) CambiarModo(Modo::Auto);
    };
    const auto pagada = [&](int i) {
        return p
            .Depositado[static_cast<std::size_t>(p.Visibles[static_cast<std::size_t>(i)].Puerta)];
    };
    const auto todasCerradas = [&] {
        for (const auto& v : p.Visibles)
            if (v.Paso >= 1) return false;
        return true;
    };
    for (int i = 0; i < 3; ++i) {
        const PuertaVisible& v = p.Visibles[static_cast<std::size_t>(i)];
        if (v.Paso - v.Marca > 2) {
            bool disparar = false;
            if (BlancoSeguro(v.Tipo)) {
                disparar = j_.SorteoDemostracion(200) != 0;
            } else if (BlancoRaro(v.Tipo)) {
                disparar = j_.SorteoDemostracion(5000) == 0;
            }
            if (disparar) pulsar(c.teclasDisparo[i]);
        }
        if (pagada(i)) {
            const int tecla = c.teclasMovimiento[p.Azar != 0 ? 0 : 1];
            pulsar(tecla);
            // On past paid doors; a whole round of the wall at most, and not at all once
            // every door has paid (the wall no longer moves then).
            for (int vuelta = 0; vuelta < 12 && p.Depositos < 12 && todasCerradas() && p.Demo &&
                                 pagada(i) && ModoActual() == Modo::Auto;
                 ++vuelta)
                pulsar(tecla);
        }
        if (!p.Demo || ModoActual() != Modo::Auto) break;
        Esperar(kEsperaPuertaMs);
        if (ModoActual() != Modo::Auto) break;
    }
}

void Frente::ParpadeoDemo() {
    const std::int64_t ahora = m_.plataforma.AhoraMs();
    if (ahora < proximoParpadeo) return;
    // The pass over the doors takes its own time: the cadence is kept, not restarted.
    proximoParpadeo = std::max(proximoParpadeo + kParpadeoDemoMs, ahora);
    Graficos& g = m_.ventana.graficos;
    demoVisible = !demoVisible;
    if (demoVisible) {
        Escribe(g, 26, 178, "DEMO", 3, kFondoDirecto);
    } else {
        CopiaEscaladaXGA(g, g.superficies.panel, 8, 1, 32, 12, 208, 178);
    }
    m_.bucle.PresentarSiToca();
}

Etapa Demostracion(Modulo& m) {
    Frente& f = Frente::De(m);
    Juego& j = f.J();
    const Partida& p = j.Estado();
    f.demoVisible = false;
    f.proximoParpadeo = 0;
    f.demostrando = true;
    try {
        j.Demostracion();
        f.proximoParpadeo = m.plataforma.AhoraMs();
        while (f.ModoActual() == Modo::Auto) {
            f.JugadaDemostracion();
            f.ParpadeoDemo();
            if (Transcurrido(m, f.inicioAtraccion) >= kDuracionDemoMs || p.Vidas <= 0 || !p.Demo)
                f.CambiarModo(Modo::Menu);
        }
    } catch (const FinDePartida&) {
        // Not reached by the attract game's own rules; a game over is its end all the same.
    }
    // Nothing of the demonstration runs on: the next game starts clean. The table comes next,
    // and game over knows the game was the attract game's.
    f.demostrando = false;
    j.Detener();
    f.tablaSiguiente = true;
    return Etapa{FinDePartidaEtapa};
}

}  // namespace polvareda
