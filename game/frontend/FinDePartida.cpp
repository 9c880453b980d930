// Game over: a qualifying player types a name, which goes into the score table; a page of the
// table is shown until a key; then the main menu. A demonstration goes straight to the menu.
#include "EtapasFrente.h"
#include "Figuras.h"
#include "Frente.h"
#include "Juego.h"
#include "Modulo.h"
#include "Salida.h"
#include "TablaMejores.h"
#include "Teclas.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr std::size_t kLargoNombre = 17;
constexpr int kColumnaNombre = 7;
constexpr int kFilaNombre = 98;

void EscribirFila(Graficos& g, int y, int indice, const RegistroMejor& registro, int color) {
    Escribe(g, 0, y, TextoRango(indice), color, kFondoDirecto);
    Escribe(g, 6, y, TextoNombre(registro.nombre), color, kFondoDirecto);
    Escribe(g, 26, y, TextoPuntuacion(registro.puntos), color, kFondoDirecto);
}

}  // namespace

void Frente::EscribirNombre() {
    Graficos& g = m_.ventana.graficos;
    m_.ventana.lienzo.Rellenar(g.vista.Destino(56, kFilaNombre, 200, 14), 0);
    Escribe(g, kColumnaNombre, kFilaNombre, Nombre, 2, kFondoDirecto);
    // With a controller, the letter it would add stands after the name, in another colour.
    if (m_.joystickConectado && Nombre.size() < kLargoNombre && letraMando > 0) {
        const std::string letra(1, static_cast<char>('A' + letraMando - 1));
        Escribe(g, kColumnaNombre + static_cast<int>(Nombre.size()), kFilaNombre, letra, 3,
                kFondoDirecto);
    }
    Refrescar();
}

void Frente::TeclaNombre(int tecla) {
    if ((tecla >= vk::A && tecla <= vk::A + 25) || tecla == vk::Espacio) {
        if (Nombre.size() < kLargoNombre) Nombre += static_cast<char>(tecla);
        EscribirNombre();
    } else if (tecla == vk::Retroceso) {
        if (!Nombre.empty()) Nombre.pop_back();
        EscribirNombre();
    } else if (tecla == vk::Intro) {
        CambiarModo(Modo::Ninguno);
    }
}

Etapa FinDePartidaEtapa(Modulo& m) {
    Frente& f = Frente::De(m);
    Juego& j = f.J();
    const Partida& p = j.Estado();
    Graficos& g = m.ventana.graficos;
    j.Detener();
    m.sonidos.Parar(efecto::kAmbiente);
    m.sonidos.Parar(efecto::kDesplazamiento);
    m.sonidos.TocarTema(2);
    m.ventana.lienzo.Persistente(true);
    f.Limpiar();
    f.Esperar(250);
    m.bucle.AtenderPendientes();
    if (f.tablaSiguiente) return Etapa{MenuPrincipal};  // the attract game's end

    const int lugar = LugarNuevo(m.mejores, p.Puntos);
    if (lugar > 0) {
        Escribe(g, 0, 66, m.textos.escribeNombre, 1, kFondoDirecto);
        f.letraMando = 0;
        f.Refrescar();
        f.CambiarModo(Modo::Nombre);
        f.EsperarModo(Modo::Nombre);
        InsertarMejor(m.mejores, lugar, f.Nombre, p.Puntos);
        m.mejoresNuevos.push_back({f.Nombre, p.Puntos});
#ifdef __EMSCRIPTEN__
        // A page is closed with its tab, never shut down: the record is kept at once.
        GuardarMejoresNuevos(m);
#endif

        const int primera = PrimeraDePagina(lugar);
        m.ventana.lienzo.Borrar();
        for (int r = 0; r < 10; ++r) {
            const int i = primera + r;
            if (i > kRegistrosMejores) break;
            EscribirFila(g, 18 + 16 * r, i, m.mejores[static_cast<std::size_t>(i)],
                         i == lugar ? 3 : 2);
        }
    } else {
        Escribe(g, 0, 2, m.textos.mejores, 1, kFondoDirecto);
        for (int i = 1; i <= 10; ++i)
            EscribirFila(g, 18 + 16 * i, i, m.mejores[static_cast<std::size_t>(i)], 2);
    }
    f.Refrescar();

    f.CambiarModo(Modo::Mejores);
    f.EsperarModo(Modo::Mejores);
    f.Limpiar();
    return Etapa{MenuPrincipal};
}

}  // namespace polvareda
