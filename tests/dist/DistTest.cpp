// The distribution folder as a player receives it: every file there, decoded and checked for
// what the game and SetUp will make of it, and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "Complemento.h"
#include "Contenedor.h"
#include "ImagenesDelJuego.h"
#include "Perfil.h"
#include "SoloPosix.h"

namespace fs = std::filesystem;

namespace {

const fs::path kDist = fs::path(POLVAREDA_BINARY_DIR) / "dist";

std::vector<std::uint8_t> Decodificado(const fs::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    for (std::istreambuf_iterator<char> it(entrada), fin; it != fin; ++it) {
        bytes.push_back(static_cast<std::uint8_t>(*it));
    }
    polvareda::Complementar(bytes);
    return bytes;
}

std::uint32_t Pequeno(const std::vector<std::uint8_t>& b, std::size_t en, int tamano) {
    std::uint32_t valor = 0;
    for (int i = tamano - 1; i >= 0; --i)
        valor = (valor << 8) | b[en + static_cast<std::size_t>(i)];
    return valor;
}

std::string Texto(const std::vector<std::uint8_t>& b, std::size_t en, std::size_t largo) {
    if (en + largo > b.size()) return {};
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(en),
                       b.begin() + static_cast<std::ptrdiff_t>(en + largo));
}

// Empty when the bytes are a PCM wave of 16 bits at 44100 Hz with its sound data in the file.
std::string ProblemaDeOnda(const std::vector<std::uint8_t>& b) {
    if (Texto(b, 0, 4) != "RIFF" || Texto(b, 8, 4) != "WAVE") return "no RIFF/WAVE header";
    bool formato = false;
    bool datos = false;
    for (std::size_t en = 12; en + 8 <= b.size();) {
        const std::string id = Texto(b, en, 4);
        const std::size_t largo = Pequeno(b, en + 4, 4);
        if (largo > b.size() - en - 8) return "chunk " + id + " runs past the end";
        if (id == "fmt ") {
            if (largo < 16) return "short fmt chunk";
            if (Pequeno(b, en + 8, 2) != 1) return "not PCM";
            const auto canales = Pequeno(b, en + 10, 2);
            if (canales != 1 && canales != 2) return "not mono or stereo";
            if (Pequeno(b, en + 12, 4) != 44100) return "not 44100 Hz";
            if (Pequeno(b, en + 22, 2) != 16) return "not 16-bit";
            formato = true;
        } else if (id == "data") {
            if (!formato) return "data before fmt";
            if (largo == 0) return "no sound data";
            datos = true;
        }
        en += 8 + largo + (largo & 1);
    }
    return formato && datos ? "" : "no fmt or data chunk";
}

std::vector<fs::path> ArchivosEn(const fs::path& carpeta, const std::regex& patron) {
    std::vector<fs::path> archivos;
    std::error_code error;
    for (const auto& entrada : fs::directory_iterator(carpeta, error)) {
        if (std::regex_match(entrada.path().filename().string(), patron)) {
            archivos.push_back(entrada.path());
        }
    }
    std::sort(archivos.begin(), archivos.end());
    return archivos;
}

}  // namespace

TEST(Dist, HoldsEveryFileThePlayerNeedsAndNothingElse) {
    POLVAREDA_SOLO_POSIX(
        "The list is the Linux folder's; scripts/build-windows and .ci/windows hold the Windows "
        "one");
    std::vector<std::string> esperados = {"DOC/LeeMe.TXT", "DOC/ReadMe.TXT", "DOC/SoundFont.TXT",
                                          "DOC/Licencia.TXT"};
    for (int i = 0; i <= 23; ++i) esperados.push_back("SND/Efecto" + std::to_string(i) + ".SND");
    for (int i = 1; i <= 3; ++i) esperados.push_back("MUS/Tema" + std::to_string(i) + ".MUS");
#ifdef POLVAREDA_MUSICA_OGG
    // The mixer plays the pieces rendered ahead, with no SoundFont.
    for (int i = 1; i <= 3; ++i) esperados.push_back("MUS/Tema" + std::to_string(i) + ".ogg");
#else
    esperados.push_back("Polvareda.sf2");
#endif
#ifdef POLVAREDA_DIST_POLVAREDA
    esperados.push_back(POLVAREDA_DIST_POLVAREDA);
#endif
#ifdef POLVAREDA_DIST_SETUP
    esperados.push_back(POLVAREDA_DIST_SETUP);
#endif
#ifdef POLVAREDA_DIST_XGAPACK
    esperados.push_back(POLVAREDA_DIST_XGAPACK);
#endif
    std::string faltan;
    for (const auto& nombre : esperados) {
        if (!fs::is_regular_file(kDist / nombre)) faltan += " " + nombre;
    }
    if (ArchivosEn(kDist / "LNG", std::regex(R"(Texto[0-9][0-9]?\.LNG)")).empty()) {
        faltan += " LNG/Texto<n>.LNG";
    }
    if (ArchivosEn(kDist / "XTRAS", std::regex(R"(.+\.XGA)")).empty()) faltan += " XTRAS/*.XGA";
    EXPECT_EQ(faltan, "") << "missing from " << kDist << ":" << faltan;

    const std::regex permitido(
        R"((LNG/Texto[0-9][0-9]?\.LNG|SND/Efecto([0-9]|1[0-9]|2[0-3])\.SND|MUS/Tema[1-3]\.MUS|)"
        R"(XTRAS/[^/]+\.XGA|DOC/LeeMe\.TXT|DOC/ReadMe\.TXT|DOC/SoundFont\.TXT|DOC/Licencia\.TXT|Polvareda\.sf2))");
    std::set<std::string> programas(esperados.begin(), esperados.end());
    std::error_code error;
    for (const auto& entrada : fs::recursive_directory_iterator(kDist, error)) {
        if (entrada.is_directory()) continue;
        const std::string relativo = entrada.path().lexically_relative(kDist).generic_string();
        EXPECT_TRUE(std::regex_match(relativo, permitido) || programas.count(relativo))
            << "unexpected file in dist: " << relativo;
    }
}

TEST(Dist, EverySoundEffectIsA16BitWaveAt44100Hz) {
    for (int i = 0; i <= 23; ++i) {
        const auto archivo = kDist / "SND" / ("Efecto" + std::to_string(i) + ".SND");
        if (!fs::exists(archivo)) continue;  // reported by the test of the folder's contents
        EXPECT_EQ(ProblemaDeOnda(Decodificado(archivo)), "") << archivo;
    }
}

TEST(Dist, EveryMusicPieceIsAStandardMidiFile) {
    for (int i = 1; i <= 3; ++i) {
        const auto archivo = kDist / "MUS" / ("Tema" + std::to_string(i) + ".MUS");
        if (!fs::exists(archivo)) continue;
        const auto bytes = Decodificado(archivo);
        EXPECT_EQ(Texto(bytes, 0, 8), std::string("MThd\0\0\0\x06", 8)) << archivo;
        EXPECT_EQ(Texto(bytes, 14, 4), "MTrk") << archivo;
    }
}

TEST(Dist, EveryLanguageFileHoldsEveryKeyOfTheGame) {
    const std::vector<std::pair<std::string, std::string>> claves = {
        {"General", "Idioma"},  {"General", "Traductor"},  {"Menu", "Dedicado"},
        {"Menu", "Jugar"},      {"Menu", "Teclado"},       {"Menu", "Joystick"},
        {"Menu", "Nivel"},      {"Menu", "Elegir"},        {"Menu", "Programador"},
        {"Menu", "Copyright"},  {"Juego", "Dia"},          {"Juego", "Fase"},
        {"Juego", "Puntos"},    {"Juego", "Vidas"},        {"Juego", "EscribeNombre"},
        {"Juego", "Mejores"},   {"Juego", "Sheriff1"},     {"Juego", "Sheriff2"},
        {"Juego", "Sheriff3"},  {"Juego", "Pausa"},        {"Menu", "Opciones"},
        {"Opciones", "Titulo"}, {"Opciones", "Reiniciar"}, {"Opciones", "NombreIdioma"},
    };
    constexpr std::string_view kAusente = "\x01(missing)";
    for (const auto& archivo : ArchivosEn(kDist / "LNG", std::regex(R"(Texto[0-9]+\.LNG)"))) {
        const auto bytes = Decodificado(archivo);
        const std::string texto(bytes.begin(), bytes.end());
        for (const auto& [seccion, clave] : claves) {
            EXPECT_NE(polvareda::LeerValorPerfil(texto, seccion, clave, kAusente), kAusente)
                << archivo.filename() << " has no [" << seccion << "] " << clave;
        }
    }
}

TEST(Dist, TheExtensionHoldsEveryPictureDoubledAsAGifAtMultiplier2) {
    for (const auto& archivo : ArchivosEn(kDist / "XTRAS", std::regex(R"(.+\.XGA)"))) {
        const auto leido = polvareda::xga::Leer(Decodificado(archivo));
        ASSERT_TRUE(std::holds_alternative<polvareda::xga::Contenedor>(leido))
            << archivo << ": " << std::get<polvareda::xga::Error>(leido).mensaje;
        const auto& contenedor = std::get<polvareda::xga::Contenedor>(leido);
        EXPECT_EQ(contenedor.multiplicador, 2);

        std::string faltan;
        for (const auto& imagen : ImagenesDelJuego()) {
            if (imagen.miembro.empty()) continue;
            const auto miembro =
                std::find_if(contenedor.miembros.begin(), contenedor.miembros.end(),
                             [&](const auto& m) { return m.nombre == imagen.miembro; });
            if (miembro == contenedor.miembros.end()) {
                faltan += " " + imagen.miembro;
                continue;
            }
            const auto& b = miembro->datos;
            const std::string firma = Texto(b, 0, 6);
            EXPECT_TRUE(firma == "GIF89a" || firma == "GIF87a") << imagen.miembro;
            if (b.size() < 10) continue;
            EXPECT_EQ(Pequeno(b, 6, 2), static_cast<std::uint32_t>(2 * imagen.ancho))
                << imagen.miembro;
            EXPECT_EQ(Pequeno(b, 8, 2), static_cast<std::uint32_t>(2 * imagen.alto))
                << imagen.miembro;
        }
        EXPECT_EQ(faltan, "") << archivo.filename() << " lacks:" << faltan;
    }
}

TEST(Dist, TheDocumentsArePlainTextForTheDesktopsViewer) {
    for (const char* nombre : {"LeeMe.TXT", "ReadMe.TXT"}) {
        const auto archivo = kDist / "DOC" / nombre;
        if (!fs::exists(archivo)) continue;
        std::ifstream entrada(archivo, std::ios::binary);
        const std::string texto((std::istreambuf_iterator<char>(entrada)),
                                std::istreambuf_iterator<char>());
        ASSERT_FALSE(texto.empty()) << nombre;
        const auto legibles = std::count_if(texto.begin(), texto.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u == '\n' || u == '\r' || u == '\t' || (u >= 32 && u < 127) || u >= 160;
        });
        EXPECT_GT(legibles * 10, static_cast<long>(texto.size()) * 9) << nombre;
    }
}
