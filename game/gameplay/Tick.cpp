// The tick of `tiempo` and the life of the three door slots in view: opening at random, the
// figure behind the door, its reactions and what it does when the door starts to close.
#include "Composicion.h"
#include "Figuras.h"
#include "Juego.h"
#include "ServiciosJuego.h"

namespace polvareda {

using namespace figura;

void Juego::Tictac() {
    // The tick's line carries its own time and the state after it; when the tick starts a
    // sequence (a bang, the end of the phase), it comes before the sequence's lines.
    LineaDeCausa linea(m_.traza, "tick");
    [this] {
        // Each shot lights one lamp for one tick.
        Lamparas(false);
        p_.DisparoJuzgado = false;

        bool cerradas = true;
        for (const auto& v : p_.Visibles) cerradas = cerradas && v.Paso == 0;
        if (cerradas && p_.Depositos == 12) {
            FinDeFase();
            return;
        }
        for (int i = 0; i < 3; ++i)
            if (!PasoPuerta(i)) return;

        bool abierta = false;
        for (const auto& v : p_.Visibles) abierta = abierta || v.Paso > 0;
        if (abierta) {
            Snd().Volumen(efecto::kAmbiente, -1500);
            Snd().TocarEnBucle(efecto::kAmbiente);
            return;
        }
        Snd().Volumen(efecto::kAmbiente, -10000);
        // A movement key still held scrolls on as soon as every door is closed: it is pressed
        // again through the input dispatch, as the player's own key would be.
        const auto pulsar = [this](int lado) {
            Evento tecla;
            tecla.tipo = TipoEvento::TeclaPulsada;
            tecla.tecla = m_.configuracion.teclasMovimiento[lado];
            m_.entrada.Tecla(tecla);
        };
        if (p_.IzquierdaPulsada) pulsar(0);
        if (p_.DerechaPulsada) pulsar(1);
    }();
}

void Juego::MostrarPuertaCerrada(int i) {
    CopiaEscaladaXGA(G(), S().Puertas, 0, 0, 56, 88, XPuerta(i), kYPuerta);
}

bool Juego::PasoPuerta(int i) {
    PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(i)];
    if (v.Paso == p_.Ciclo) {
        MostrarPuertaCerrada(i);
        if (v.Tipo == kClientePaga) {
            if (Depositar(i)) return false;  // a new phase was set up inside
        }
        v.Paso = -2;
        Snd().TocarEnPuerta(i, efecto::kCierraPuerta);
    }
    if (v.Paso < 0) {
        ++v.Paso;
    } else if (v.Paso == 0) {
        MostrarPuertaCerrada(i);
        Sembrar();
        p_.Azar = static_cast<float>(Rnd(v.Apertura));
        if (p_.Azar == 0) AbrirPuerta(i);
    } else {
        return ComponerPuerta(i);
    }
    return true;
}

void Juego::AbrirPuerta(int i) {
    PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(i)];
    bool alguno = false;
    for (bool permitido : p_.TipoPermitido) alguno = alguno || permitido;
    if (!alguno) return;  // no phase set up: nothing may come out

    v.Paso = 2;
    v.Marca = 3;
    Snd().TocarEnPuerta(i, efecto::kAbrePuerta);
    int tipo = 0;
    do {
        tipo = Rnd(10);
    } while (!p_.TipoPermitido[static_cast<std::size_t>(tipo)]);
    p_.Azar = static_cast<float>(tipo);
    v.Tipo = static_cast<std::int16_t>(tipo);
    // These two come out late in the cycle and leave less time.
    if (tipo == kBandidoTardio) {
        v.Paso = 6;
        v.Marca = 7;
    } else if (tipo == kClienteTardio) {
        v.Paso = 8;
        v.Marca = 9;
    }

    const int x = XPuerta(i);
    Superficies& s = S();
    Transferir(s.temp, x, kYPuerta, s.Paisaje, 13 + 88 * i, 24, 48, 88, Rop::SrcCopy);
    PonerFigura(G(), v.Tipo, x, kYPuerta);
    Transferir(s.temp, x + 16, kYPuerta, s.Puertas, 56, 0, 40, 88, Rop::SrcCopy);
    CopiaEscalada(G(), s.temp, x, kYPuerta, 56, 88, x, kYPuerta);
}

void Juego::ComponerFigura(int i) {
    const PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(i)];
    const int x = XPuerta(i);
    Superficies& s = S();
    const Superficie* cero = s.Sprite(0);
    if (v.Tipo >= 1) {
        PonerFigura(G(), v.Tipo, x, kYPuerta);
    } else if (v.Tipo >= kCeroMenguado) {
        // Each hit takes six more rows off the top of the type-0 figure.
        const int d = -6 * v.Tipo;
        if (cero) {
            Transferir(s.temp, x, 38 + d, *cero, 0, 94 + d, 48, 88 - d, Rop::SrcAnd);
            Transferir(s.temp, x, 38 + d, *cero, 0, 6 + d, 48, 88 - d, Rop::SrcPaint);
        }
    } else {
        const int alto = 90 + 6 * v.Tipo;
        if (cero && alto > 0) {
            Transferir(s.temp, x, 78, *cero, 0, 134, 48, alto, Rop::SrcAnd);
            Transferir(s.temp, x, 78, *cero, 0, 46, 48, alto, Rop::SrcPaint);
        }
        // The hats' pictures: the money's first, then the bomb's.
        const int hat = v.Tipo - kSombreroDinero;
        if (v.Tipo == kSombreroDinero || v.Tipo == kSombreroBomba)
            Enmascarar(s.temp, x + 18, 67, s.sombrero[static_cast<std::size_t>(hat)], 0, 0, 12, 11,
                       11);
    }
}

bool Juego::ComponerPuerta(int i) {
    PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(i)];
    const int x = XPuerta(i);
    const int f = p_.Ciclo;
    Superficies& s = S();
    Transferir(s.temp, x, kYPuerta, s.Paisaje, x - 3, 24, 48, 88, Rop::SrcCopy);
    ComponerFigura(i);

    // The door leaf: 40 pixels wide just open or nearly closed, 24 half open, 8 wide open.
    const auto hoja = [&](int ancho) {
        const int sx = ancho == 40 ? 56 : ancho == 24 ? 96 : 120;
        Transferir(s.temp, x + 56 - ancho, kYPuerta, s.Puertas, sx, 0, ancho, 88, Rop::SrcCopy);
    };
    if (v.Paso == f - 1 || v.Paso == 1) {
        hoja(40);
    } else if (v.Paso == 2) {
        hoja(24);
    } else if (v.Paso >= 3 && v.Paso <= f - 4) {
        hoja(8);
    } else if (v.Paso == f - 3) {
        hoja(8);
        Reaccionar(i);
    } else if (v.Paso == f - 2) {
        hoja(24);
        if (!Suceso(i)) return false;
    } else if (v.Paso == f + 1) {
        hoja(8);
        v.Tipo = static_cast<std::int16_t>(v.Tipo + kCaido - kHerido);  // hit becomes fallen
    } else if (v.Paso == f + 2) {
        hoja(8);
        v.Paso = static_cast<std::int16_t>(f - 3);
    }
    ++v.Paso;
    CopiaEscalada(G(), s.temp, x, kYPuerta, 56, 88, x, kYPuerta);
    return true;
}

void Juego::Reaccionar(int i) {
    PuertaVisible& v = p_.Visibles[static_cast<std::size_t>(i)];
    const int t = v.Tipo;
    if (EsClienteArmado(t)) {
        // A customer draws a gun; the door stays open a second time.
        v.Tipo = static_cast<std::int16_t>(Desenfundado(t));
        v.Paso = t == kClienteTardio ? 6 : 3;
        v.Marca = v.Paso;
        Snd().TocarEnPuerta(i, efecto::kReaccion);
    } else if (t == kClientePaga) {
        p_.Azar = static_cast<float>(Rnd(2));
        if (p_.Azar == 0) {
            v.Tipo = Desenfundado(kClientePaga);
            v.Paso = 3;
            v.Marca = 3;
            Snd().TocarEnPuerta(i, efecto::kReaccion);
        }
    } else if (t == kClienteAmenazable ||
               (t == kClienteAmenazableConOpcion && m_.configuracion.chicaAmenazada)) {
        // Threatened with chance 1/2 (type 8) or 1/4 (type 9); the door holds this step.
        p_.Azar = static_cast<float>(Rnd(2));
        if (p_.Azar == 0 && t == kClienteAmenazableConOpcion) p_.Azar = static_cast<float>(Rnd(2));
        if (p_.Azar == 0) {
            v.Tipo = static_cast<std::int16_t>(Desenfundado(t));
            --v.Paso;
            // The bandit stepping up behind her is heard, not only seen.
            Snd().TocarEnPuerta(i, efecto::kEspuelas);
        }
    } else if (EsAmenazada(t)) {
        v.Tipo = static_cast<std::int16_t>(Herido(t));
        --v.Paso;
    } else if (EsBandidoTrasAmenaza(t)) {
        // The bandit takes the customer's place and the door runs its cycle again.
        v.Tipo = kBandido;
        v.Paso = 2;
        v.Marca = 3;
    }
}

bool Juego::Suceso(int i) {
    const int t = p_.Visibles[static_cast<std::size_t>(i)].Tipo;
    if (t == kBandido || t == kBandidoTardio || EsDesenfundado(t)) {
        Bang();
        if (p_.Demo) return false;
        CambiarModo(Modo::Juego);
        PrepararFase();
        return false;
    }
    if (t == kClienteAmenazable || t == kClienteAmenazableConOpcion) {
        if (Depositar(i)) return false;
    }
    return true;
}

}  // namespace polvareda
