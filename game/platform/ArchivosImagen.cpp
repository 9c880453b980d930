// Picture files in and out through SDL_image: PNG, GIF and BMP decoded into an Imagen, PNG
// written. No display is needed, so tests and the headless mode use them too.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>

#include "Plataforma.h"

namespace polvareda {
namespace {

constexpr long long kLadoMaximo = 16384;
constexpr long long kPixelesMaximos = 64ll * 1024 * 1024;
constexpr std::uintmax_t kArchivoMaximo = 512u << 20;

struct BorrarSuperficie {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Superficie = std::unique_ptr<SDL_Surface, BorrarSuperficie>;

std::uint32_t Bytes(std::span<const std::uint8_t> b, std::size_t i, int n, bool grande) {
    std::uint32_t v = 0;
    for (int k = 0; k < n; ++k) {
        const std::uint32_t byte = b[i + static_cast<std::size_t>(grande ? k : n - 1 - k)];
        v = (v << 8) | byte;
    }
    return v;
}

bool TamanoRazonable(long long ancho, long long alto) {
    return ancho > 0 && alto > 0 && ancho <= kLadoMaximo && alto <= kLadoMaximo &&
           ancho * alto <= kPixelesMaximos;
}

// The format and the size the header claims, checked before anything is decoded so that a
// hostile header cannot make the decoder allocate gigabytes. Nothing for other formats.
const char* TipoAceptable(std::span<const std::uint8_t> b) {
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() >= 24 && std::equal(kPng, kPng + 8, b.begin())) {
        return TamanoRazonable(Bytes(b, 16, 4, true), Bytes(b, 20, 4, true)) ? "PNG" : nullptr;
    }
    if (b.size() >= 10 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F') {
        return TamanoRazonable(Bytes(b, 6, 2, false), Bytes(b, 8, 2, false)) ? "GIF" : nullptr;
    }
    if (b.size() >= 26 && b[0] == 'B' && b[1] == 'M') {
        const auto ancho = static_cast<std::int32_t>(Bytes(b, 18, 4, false));
        const auto alto = static_cast<std::int32_t>(Bytes(b, 22, 4, false));
        const long long altoAbsoluto = alto < 0 ? -static_cast<long long>(alto) : alto;
        return TamanoRazonable(ancho, altoAbsoluto) ? "BMP" : nullptr;
    }
    return nullptr;
}

}  // namespace

std::optional<Imagen> DecodificarImagen(std::span<const std::uint8_t> bytes) {
    const char* tipo = TipoAceptable(bytes);
    if (tipo == nullptr || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
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
    std::error_code error;
    const auto tamano = std::filesystem::file_size(archivo, error);
    if (error || tamano > kArchivoMaximo) return std::nullopt;
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) return std::nullopt;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(entrada)),
                                          std::istreambuf_iterator<char>());
    return DecodificarImagen(bytes);
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
