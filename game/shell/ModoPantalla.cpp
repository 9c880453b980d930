// The display paths' arithmetic.
#include "ModoPantalla.h"

#include <algorithm>
#include <cstdint>

#include "Numeros.h"

namespace polvareda {

namespace {

// numerador / denominador (both positive) in ten-thousandths, to the nearest and at one half
// to the even one, as the old fixed-point type stored a quotient.
std::int64_t DiezmilesimasDe(std::int64_t numerador, std::int64_t denominador) {
    const std::int64_t n = numerador * Escala::kUnidad;
    std::int64_t q = n / denominador;
    const std::int64_t resto2 = 2 * (n % denominador);
    if (resto2 > denominador || (resto2 == denominador && (q & 1) != 0)) ++q;
    return q;
}

}  // namespace

RutaPantalla RutaDePantalla(double ddraw) {
    if (ddraw == 1) return RutaPantalla::Exclusiva;
    if (ddraw == 0) return RutaPantalla::Escritorio;
    return RutaPantalla::Ventana;
}

int LadoImagen(int lado, int factorXGA, Escala escala) {
    const std::int64_t diezmilesimas = escala.Por(static_cast<std::int64_t>(lado) * factorXGA);
    return static_cast<int>(std::min<std::int64_t>(diezmilesimas / Escala::kUnidad, INT32_MAX));
}

ModoPantalla ModoExclusivo(int m) {
    ModoPantalla modo;
    modo.lienzo = {320 * m, 200 * m};
    modo.pantallaCompleta = true;
    modo.exclusiva = true;
    modo.margenX = 32;
    modo.margenY = 4;
    modo.imagen = {kAnchoLogico * m, kAltoLogico * m};
    return modo;
}

Escala EscalaDePantalla(Tamano pantalla, int m, bool completa, bool libre) {
    if (!completa || pantalla.ancho <= 0 || pantalla.alto <= 0 || m <= 0) return Escala();
    const std::int64_t ancho = static_cast<std::int64_t>(kAnchoLogico) * m;
    const std::int64_t alto = static_cast<std::int64_t>(kAltoLogico) * m;
    std::int64_t valor = DiezmilesimasDe(pantalla.ancho, ancho);
    // The height ratio itself (not yet rounded) is compared with the width's value.
    if (static_cast<std::int64_t>(pantalla.alto) * Escala::kUnidad < valor * alto)
        valor = DiezmilesimasDe(pantalla.alto, alto);
    Escala escala = Escala::Diezmilesimas(valor);
    if (!libre) escala = escala.Entero();
    // A screen smaller than the picture would give the scale 0 and an invisible picture: the
    // picture keeps its designed size instead, as it does without a scale of its own.
    if (escala.Valor() <= 0) return Escala();
    return escala;
}

bool TamanoPosible(Tamano t) {
    return t.ancho >= 1 && t.alto >= 1 && t.ancho <= kLadoMaximoLienzo &&
           t.alto <= kLadoMaximoLienzo;
}

ModoPantalla ModoEscritorio(Tamano pantalla, int m, bool completa, bool libre) {
    ModoPantalla modo;
    modo.pantallaCompleta = true;
    modo.escala = EscalaDePantalla(pantalla, m, completa, libre);
    modo.imagen = {LadoImagen(kAnchoLogico, m, modo.escala),
                   LadoImagen(kAltoLogico, m, modo.escala)};
    // A picture larger than the screen (a small screen at the designed size) is shown whole:
    // the canvas grows to hold it rather than cutting it off.
    modo.lienzo = {std::max(pantalla.ancho, modo.imagen.ancho),
                   std::max(pantalla.alto, modo.imagen.alto)};
    modo.origenX = (modo.lienzo.ancho - modo.imagen.ancho) / 2;
    modo.origenY = (modo.lienzo.alto - modo.imagen.alto) / 2;
    return modo;
}

ModoPantalla ModoVentana(int m) {
    ModoPantalla modo;
    modo.imagen = {kAnchoLogico * m, kAltoLogico * m};
    modo.lienzo = modo.imagen;
    return modo;
}

std::string MensajeErrorPantalla(long long ancho, long long alto) {
    return "Error: " + Str(ancho) + "x" + Str(alto);
}

}  // namespace polvareda
