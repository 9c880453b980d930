// The duel after every phase: three gunmen in the street draw at random moments; each must be
// shot after he draws and before he fires. A quick shot may win an extra life.
#include "Composicion.h"
#include "Figuras.h"
#include "Juego.h"
#include "Niveles.h"
#include "Numeros.h"
#include "ServiciosJuego.h"
#include "Texto.h"

namespace polvareda {

namespace {

constexpr int XPistolero(int k) {
    return 32 + 64 * k;
}
constexpr int kYPistolero = 64;
// The gunman at place k (0 to 2) is a figure of type 4 + k: hit, fallen and drawing are that
// type's codes.
constexpr int Pistolero(int k) {
    return 4 + k;
}
constexpr int kFondoExtra[3] = {24, 88, 160};
constexpr int kFondoNumero[3] = {40, 104, 144};

int VolumenAmbiente(int nivel) {
    if (EsTarde(nivel)) return -500;
    if (EsNoche(nivel)) return -250;
    return -750;
}

}  // namespace

void Juego::FundirAmbiente(int desde, int hasta) {
    const int paso = hasta >= desde ? 50 : -50;
    for (int v = desde; paso > 0 ? v <= hasta : v >= hasta; v += paso) {
        Snd().Volumen(efecto::kAmbiente, v);
        Esperar(15);
    }
}

void Juego::DisparoDeLejos() {
    Snd().Volumen(efecto::kDisparoLejano, -Rnd(500) - 500);
    Snd().Panoramica(efecto::kDisparoLejano, Rnd(20000) - 10000);
    Snd().Tocar(efecto::kDisparoLejano);
}

void Juego::MostrarPistolero(int k, int sprite) {
    const int x = XPistolero(k);
    Transferir(S().temp, x, kYPistolero, S().Paisaje, x, 24, 48, 88, Rop::SrcCopy);
    PonerFigura(G(), sprite, x, kYPistolero);
    CopiaEscalada(G(), S().temp, x, kYPistolero, 48, 88, x, kYPistolero);
}

void Juego::EscribirDuelo(const std::string& texto, int k, int xFondo) {
    Escribe(G(), 5 + 8 * k, 50, texto, 5, kFondoCompuesto, xFondo, 10, &S().Paisaje);
}

void Juego::Duelo() {
    Secuencia secuencia(*this);
    CambiarModo(Modo::Trans);
    for (std::size_t k = 0; k < 3; ++k) {
        p_.Visibles[k].Paso = 0;
        p_.Visibles[k].Tipo = static_cast<std::int16_t>(Pistolero(static_cast<int>(k)));
        p_.DisparoPulsado[k] = false;
    }
    p_.DisparoPulsado[3] = false;

    const int ambiente = VolumenAmbiente(p_.Nivel);
    Snd().Volumen(efecto::kAmbiente, -4000);
    Snd().TocarEnBucle(efecto::kAmbiente);
    FundirAmbiente(-4000, ambiente);

    Lienzo& lienzo = m_.ventana.lienzo;
    lienzo.Rellenar(G().vista.Destino(0, 0, 256, 192), 0);
    RotulosPanel(true);

    Superficies& s = S();
    Transferir(s.temp, 0, 40, s.Paisaje, 0, 0, 256, 112, Rop::SrcCopy);
    for (int k = 0; k < 3; ++k) PonerFigura(G(), Pistolero(k), XPistolero(k), kYPistolero);
    CopiaEscalada(G(), s.temp, 0, 40, 256, 112, 0, 40);
    Snd().TocarTema(3);

    for (int n = 5; n >= 1; --n) {
        Escribe(G(), 15, 18, LTrim(Str(n)), 3, kFondoCompuesto, 0, 0, &s.negro);
        if (Rnd(25) == 0) DisparoDeLejos();
        Esperar(1000);
    }
    // The blank written over the last digit would draw nothing (a blank leaves its cell as it
    // is) and the "1" would stay through the duel: the digit's cell is cleared instead.
    CopiaEscalada(G(), s.negro, 0, 0, 7, 12, 8 * 15, 18);

    Sembrar();
    Pendientes();
    CambiarModo(Modo::Duelo);
    p_.DueloFallido = 0;
    p_.ExtraGanada = false;

    const int f = p_.Ciclo;
    for (bool sigue = true; sigue;) {
        Pendientes();
        if (Rnd(50) == 0) DisparoDeLejos();
        for (int k = 0; k < 3 && sigue; ++k) {
            PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(k)];
            if (v.Paso != 0) {
                ++v.Paso;
                if (v.Paso == f - 2) {
                    Bang();  // he fires
                    p_.ExtraGanada = false;
                    sigue = false;
                    break;
                }
                if (v.Paso > f) {
                    MostrarPistolero(k, figura::Caido(Pistolero(k)));
                    v.Tipo = static_cast<std::int16_t>(figura::Caido(Pistolero(k)));
                }
            }
            if (v.Paso == 0) {
                // He draws with chance 2/Apertura a step; nobody draws after a foul.
                p_.Azar = static_cast<float>(static_cast<int>(m_.azar.Rnd() * v.Apertura * 0.5));
                if (p_.Azar == 0 && p_.DueloFallido == 0) {
                    v.Tipo = static_cast<std::int16_t>(figura::Desenfundado(v.Tipo));
                    MostrarPistolero(k, v.Tipo);
                    v.Paso = 1;
                    // The draw is heard as well as seen: at night it is hard to see.
                    Snd().TocarEnPuerta(k, efecto::kReaccion);
                }
            }
        }
        if (!sigue) break;
        Trazar("duel");
        Pendientes();
        Esperar(IntervaloTiempo());

        bool todos = true;
        for (int k = 0; k < 3; ++k) {
            const PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(k)];
            if (p_.DueloFallido == k + 1 && v.Paso > f + 1) {
                // The foul costs a life once the gunman shot too early has fallen.
                --p_.Vidas;
                ParpadeaVida(true);
                Esperar(2000);
                sigue = false;
                break;
            }
            todos = todos && v.Paso > f + 1;
        }
        if (sigue && todos) sigue = false;
    }

    if (p_.ExtraGanada && p_.DueloFallido == 0) {
        for (int vez = 0; vez < 8; ++vez) {
            lienzo.Rellenar(G().vista.Destino(128, 178, 49, 15), 0);
            Esperar(250);
            Escribe(G(), 16, 178, m_.textos.vidas, 2, kFondoDirecto);
            Esperar(250);
        }
        ++p_.Vidas;
        Esperar(2000);
    }
    FundirAmbiente(ambiente, -4000);
    Snd().Parar(efecto::kAmbiente);
    CambiarModo(Modo::Trans);
    ++p_.Nivel;
    PrepararFase();
}

void Juego::TeclaDuelo(int tecla) {
    if (p_.DueloFallido != 0) return;
    for (int k = 0; k < 3; ++k) {
        if (tecla != m_.configuracion.teclasDisparo[k]) continue;
        PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(k)];
        p_.DisparoPulsado[static_cast<std::size_t>(k)] = true;
        if (!p_.DisparoPulsado[3] && v.Tipo != figura::Caido(Pistolero(k))) {
            p_.DisparoPulsado[3] = true;
            Snd().TocarDisparo(efecto::kDisparo);
            if (v.Tipo == Pistolero(k)) {
                p_.DueloFallido = static_cast<std::int16_t>(k + 1);
            } else if (v.Paso < 5) {
                if (!p_.ExtraGanada && p_.Vidas < 5 && m_.configuracion.vidaExtra) {
                    p_.ExtraGanada = true;
                    EscribirDuelo("EXTRA", k, kFondoExtra[k]);
                } else {
                    SumaPuntos(900, true);
                    EscribirDuelo(LTrim(Str(900)), k, kFondoNumero[k]);
                }
            } else {
                int puntos = (13 - v.Paso) * 100;
                if (puntos < 0) puntos = 100;
                SumaPuntos(puntos, true);
                EscribirDuelo(LTrim(Str(puntos)), k, kFondoNumero[k]);
            }
            v.Tipo = static_cast<std::int16_t>(figura::Herido(Pistolero(k)));
            v.Paso = p_.Ciclo;
        }
        return;
    }
}

}  // namespace polvareda
