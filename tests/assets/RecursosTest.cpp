// Every built-in picture is embedded in the game, is a PNG, and has the size the game draws it at.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ImagenesDelJuego.h"
#include "Recursos.h"

namespace {

std::uint32_t GrandeEndian(std::span<const std::uint8_t> bytes, std::size_t en) {
    return (std::uint32_t{bytes[en]} << 24) | (std::uint32_t{bytes[en + 1]} << 16) |
           (std::uint32_t{bytes[en + 2]} << 8) | std::uint32_t{bytes[en + 3]};
}

// The size written in a PNG's first chunk, IHDR; empty text when it is no PNG.
std::string TamanoPng(std::span<const std::uint8_t> bytes) {
    static constexpr std::uint8_t kFirma[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (bytes.size() < 24 || !std::equal(std::begin(kFirma), std::end(kFirma), bytes.begin())) {
        return "not a PNG";
    }
    if (std::string(bytes.begin() + 12, bytes.begin() + 16) != "IHDR") return "no IHDR chunk";
    return std::to_string(GrandeEndian(bytes, 16)) + "x" + std::to_string(GrandeEndian(bytes, 20));
}

}  // namespace

TEST(Recursos, EveryBuiltInPictureIsEmbeddedAtItsSize) {
    std::string faltan;
    for (const auto& imagen : ImagenesDelJuego()) {
        const auto bytes = polvareda::Recurso(imagen.nombre);
        if (bytes.empty()) {
            faltan += " " + imagen.nombre;
            continue;
        }
        EXPECT_EQ(TamanoPng(bytes),
                  std::to_string(imagen.ancho) + "x" + std::to_string(imagen.alto))
            << imagen.nombre;
    }
    EXPECT_EQ(faltan, "") << "pictures missing from assets/pictures:" << faltan;
}

TEST(Recursos, AnUnknownNameGivesNoBytes) {
    EXPECT_TRUE(polvareda::Recurso("").empty());
    EXPECT_TRUE(polvareda::Recurso("sprite10").empty());
    EXPECT_TRUE(polvareda::Recurso("sprite0.png").empty());
    EXPECT_TRUE(polvareda::Recurso("SPRITE0").empty());
}
