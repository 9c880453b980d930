// Picture files in and out through SDL_image: PNG, GIF and BMP decoded into an Imagen, PNG
// written. No display is needed, so tests and the headless mode use them too.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "ArchivoAcotado.h"
#include "CabeceraImagen.h"
#include "Plataforma.h"
#include "PunterosSDL.h"

namespace polvareda {
namespace {

constexpr long long kLadoMaximo = 16384;
constexpr long long kPixelesMaximos = 64ll * 1024 * 1024;
constexpr std::size_t kArchivoMaximo = 512u << 20;

using Superficie = SuperficiePtr;

bool TamanoRazonable(long long ancho, long long alto) {
    return ancho > 0 && alto > 0 && ancho <= kLadoMaximo && alto <= kLadoMaximo &&
           ancho * alto <= kPixelesMaximos;
}

}  // namespace

std::optional<Imagen> DecodificarImagen(std::span<const std::uint8_t> bytes) {
    // The size the header claims is checked before anything is decoded.
    const auto cabecera = LeerCabeceraImagen(bytes);
    if (!cabecera || !TamanoRazonable(cabecera->ancho, cabecera->alto) ||
        bytes.size() > static_cast<std::size_t>(INT32_MAX)) {
        return std::nullopt;
    }
    const char* tipo = cabecera->tipo;
    SDL_RWops* flujo = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (flujo == nullptr) return std::nullopt;
    Superficie leida(IMG_LoadTyped_RW(flujo, 1, tipo));
    if (!leida || !TamanoRazonable(leida->w, leida->h)) return std::nullopt;
    // Converting a colour-keyed picture to a format with alpha makes the key transparent.
    Superficie argb(SDL_ConvertSurfaceFormat(leida.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) return std::nullopt;
    Imagen imagen(argb->w, argb->h);
    const auto* base = static_cast<const std::uint8_t*>(argb->pixels);
    for (int y = 0; y < argb->h; ++y) {
        const auto* fila = reinterpret_cast<const std::uint32_t*>(base + y * argb->pitch);
        Pixel* salida = imagen.Row(y);
        for (int x = 0; x < argb->w; ++x) {
            const std::uint32_t p = fila[x];
            salida[x] = (p >> 24) == 0 ? 0 : (p & 0x00FFFFFFu);
        }
    }
    return imagen;
}

std::optional<Imagen> CargarImagen(const std::filesystem::path& archivo) {
    const auto bytes = LeerArchivoAcotado(archivo, kArchivoMaximo, Exceso::Rechazar);
    if (!bytes) return std::nullopt;
    return DecodificarImagen(ComoBytes(*bytes));
}

bool GuardarPng(const Imagen& imagen, const std::filesystem::path& archivo) {
    if (imagen.Empty()) return false;
    // SDL only reads the pixels, whatever the missing const says.
    Superficie vista(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Pixel*>(imagen.Pixels().data()), imagen.Width(), imagen.Height(), 32,
        imagen.Width() * 4, SDL_PIXELFORMAT_RGB888));
    if (!vista) return false;
    const auto ruta = archivo.u8string();
    return IMG_SavePNG(vista.get(), reinterpret_cast<const char*>(ruta.c_str())) == 0;
}

}  // namespace polvareda
