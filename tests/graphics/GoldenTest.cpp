// Golden pictures drawn from the built-in artwork: the background `Fondo` at scale 1 and one
// playing screen at scale 2.5. Rewritten only on purpose, with POLVAREDA_UPDATE_GOLDEN=1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Composicion.h"
#include "Fondo.h"
#include "Panel.h"
#include "Plataforma.h"
#include "Texto.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

void CompararConDorada(const Imagen& imagen, const std::string& nombre) {
    const fs::path dorada = fs::path(POLVAREDA_SOURCE_DIR) / "tests/graphics/golden" / nombre;
    const char* actualizar = std::getenv("POLVAREDA_UPDATE_GOLDEN");
    if (actualizar != nullptr && std::string(actualizar) == "1") {
        ASSERT_TRUE(GuardarPng(imagen, dorada)) << dorada;
        GTEST_SKIP() << "golden picture rewritten: " << dorada;
    }
    // A missing golden picture is a failure: a skipped comparison would pass unseen.
    ASSERT_TRUE(fs::exists(dorada))
        << "no golden picture " << dorada << "; make it with POLVAREDA_UPDATE_GOLDEN=1";
    const std::optional<Imagen> esperada = CargarImagen(dorada);
    ASSERT_TRUE(esperada) << "cannot read " << dorada;
    if (*esperada == imagen) return;
    const fs::path obtenida = fs::path(POLVAREDA_BINARY_DIR) / ("obtenida_" + nombre);
    GuardarPng(imagen, obtenida);
    long distintos = 0;
    if (esperada->Width() == imagen.Width() && esperada->Height() == imagen.Height()) {
        for (std::size_t i = 0; i < imagen.Pixels().size(); ++i)
            distintos += esperada->Pixels()[i] != imagen.Pixels()[i];
    }
    ADD_FAILURE() << nombre << " differs (" << distintos << " pixels"
                  << "; " << imagen.Width() << "x" << imagen.Height() << " against "
                  << esperada->Width() << "x" << esperada->Height() << "); picture written to "
                  << obtenida;
}

struct Pantalla {
    Lienzo lienzo;
    Graficos g{lienzo};
    Pantalla(int ancho, int alto, Escala s) {
        lienzo.Redimensionar(ancho, alto);
        g.vista.escala = s;
        CargarIncorporadas(g.superficies);
        ConstruirDerivadas(g.superficies);
        ConstruirFondo(g);
    }
};

TEST(Dorada, FondoAtScaleOne) {
    Pantalla p(256, 192, Escala::Entera(1));
    CompararConDorada(p.g.superficies.Fondo.imagen, "fondo_s1.png");
}

TEST(Dorada, PlayingScreenAtScaleTwoAndAHalf) {
    Pantalla p(640, 480, Escala::Decimal(2.5));
    Graficos& g = p.g;
    Superficies& s = g.superficies;
    RestaurarPantalla(g);
    PintaCajas(g, {3, 4, 5});
    // The middle door wide open on a bandit, the right one half open on a customer.
    for (const auto& [i, figura, paso] : {std::tuple{1, 1, 3}, std::tuple{2, 8, 2}}) {
        Transferir(s.temp, 16 + 88 * i, 32, s.Paisaje, 13 + 88 * i, 24, 48, 88, Rop::SrcCopy);
        PonerFigura(g, figura, 16 + 88 * i, 32);
        if (paso == 2) {
            Transferir(s.temp, 48 + 88 * i, 32, s.Puertas, 96, 0, 24, 88, Rop::SrcCopy);
        } else {
            Transferir(s.temp, 64 + 88 * i, 32, s.Puertas, 120, 0, 8, 88, Rop::SrcCopy);
        }
        CopiaEscalada(g, s.temp, 16 + 88 * i, 32, 56, 88, 16 + 88 * i, 32);
    }
    DibujaPuntos(g, 1250, false);
    DibujaVidas(g, 3, false);
    MarcaPuerta(g, 0);
    MarcaPuerta(g, 7);
    Escribe(g, 1, 178, "DIA 1", 3, kFondoDirecto);
    CompararConDorada(p.lienzo.Pixeles(), "pantalla_s25.png");
}

}  // namespace
}  // namespace polvareda
