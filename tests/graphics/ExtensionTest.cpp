// The graphics extension container: its directory, unpacking into the temporary folder,
// loading the known members, and what a damaged or hostile container gets.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "Ayudas.h"
#include "Extension.h"
#include "Plataforma.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Miembro {
    std::string nombre;
    Bytes datos;
    std::string largo;  // the length line; empty: the real length
};

Bytes Contenedor(const std::vector<Miembro>& miembros, std::optional<std::uint8_t> factor) {
    std::string dir = "XGA\r\n";
    for (const Miembro& m : miembros) {
        dir += m.nombre + "\r\n";
        dir += (m.largo.empty() ? std::to_string(m.datos.size()) : m.largo) + "\r\n";
    }
    dir += "XGA\r\n";
    Bytes b(dir.begin(), dir.end());
    for (const Miembro& m : miembros) b.insert(b.end(), m.datos.begin(), m.datos.end());
    if (factor) b.push_back(*factor);
    return b;
}

class Extension : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        raiz_ = fs::temp_directory_path() / ("polvareda_xga_" + std::to_string(rd()));
        carpeta_ = raiz_ / "tmp";
        fs::create_directories(carpeta_);
        CargarIncorporadas(s_, nullptr);
    }
    void TearDown() override { fs::remove_all(raiz_); }

    Bytes Png(int w, int h, Pixel color) {
        const fs::path p = raiz_ / "cuadro.png";
        EXPECT_TRUE(GuardarPng(Imagen(w, h, color), p));
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    ResultadoExtension Cargar(const Bytes& contenedor) {
        const fs::path xga = raiz_ / "xga.tmp";
        std::ofstream(xga, std::ios::binary)
            .write(reinterpret_cast<const char*>(contenedor.data()),
                   static_cast<std::streamsize>(contenedor.size()));
        return CargarExtension(
            xga, carpeta_, [&](const fs::path& p) { registrados_.push_back(p); }, s_);
    }

    std::vector<fs::path> EnCarpeta() const {
        std::vector<fs::path> r;
        for (const auto& e : fs::directory_iterator(carpeta_)) r.push_back(e.path().filename());
        std::sort(r.begin(), r.end());
        return r;
    }
    // Everything under the test's root other than the folder, the container and its picture.
    std::vector<fs::path> FueraDeCarpeta() const {
        std::vector<fs::path> r;
        for (const auto& e : fs::recursive_directory_iterator(raiz_)) {
            const fs::path rel = fs::relative(e.path(), raiz_);
            if (rel == "tmp" || rel.begin()->string() == "tmp" || rel == "xga.tmp" ||
                rel == "cuadro.png")
                continue;
            r.push_back(rel);
        }
        return r;
    }

    fs::path raiz_, carpeta_;
    Superficies s_;
    std::vector<fs::path> registrados_;
};

TEST_F(Extension, OnlyTheTitlePictureAtDoubleSizeChangesOnlyItsMultiplier) {
    const auto r = Cargar(Contenedor({{"pantalla.gif", Png(512, 384, 0x123456), ""}}, 2));
    EXPECT_TRUE(r.leida);
    EXPECT_EQ(r.factorXGA, 2);
    EXPECT_EQ(s_.Pantalla.t, 2.0);
    EXPECT_EQ(s_.Pantalla.Ancho(), 512);
    EXPECT_EQ(s_.Pantalla.imagen.At(511, 383), 0x123456u);
    EXPECT_EQ(s_.letras.t, 1.0);
    EXPECT_EQ(s_.Paisaje.t, 1.0);
    EXPECT_EQ(registrados_, (std::vector<fs::path>{carpeta_ / "pantalla.gif"}));
}

TEST_F(Extension, EmptyDirectorySetsOnlyTheMultiplier) {
    const auto r = Cargar(Contenedor({}, 2));
    EXPECT_EQ(r.factorXGA, 2);
    EXPECT_TRUE(r.cargados.empty());
    EXPECT_TRUE(EnCarpeta().empty());
}

TEST_F(Extension, SheetNumberWithoutASurfaceIsWrittenButLoadedNowhere) {
    const auto r = Cargar(Contenedor({{"sprite10.gif", Png(48, 176, 0xFF), ""}}, 1));
    EXPECT_EQ(EnCarpeta(), (std::vector<fs::path>{"sprite10.gif"}));
    EXPECT_EQ(registrados_.size(), 1u);
    EXPECT_TRUE(r.cargados.empty());
}

TEST_F(Extension, KnownMembersLoadWithTheirSizingRules) {
    const auto r = Cargar(Contenedor({{"pared.gif", Png(176, 230, 0x00AA00), ""},
                                      {"ventanil.gif", Png(396, 42, 0xAA0000), ""},
                                      {"sprite49.gif", Png(48, 176, 0x0000AA), ""},
                                      {"notas.txt", Bytes{'h', 'o', 'l', 'a'}, ""}},
                                     1));
    EXPECT_EQ(r.cargados, (std::vector<std::string>{"pared.gif", "sprite49.gif", "ventanil.gif"}));
    EXPECT_EQ(s_.Pared.t, 2.0);
    EXPECT_EQ(s_.Pared.Ancho(), 704);  // widened to four tiles
    EXPECT_EQ(s_.ventanilla[0].t, 1.5);
    EXPECT_EQ(s_.sprite[49].imagen.At(0, 0), 0x0000AAu);
    ConstruirDerivadas(s_);
    EXPECT_EQ(s_.ventanilla[0].Ancho(), 924);  // 616·1.5
}

TEST_F(Extension, NotAContainerChangesNothing) {
    const Bytes sinCabecera = {'X', 'G', 'B', '\r', '\n', 'X', 'G', 'A', '\r', '\n', 2};
    const auto r = Cargar(sinCabecera);
    EXPECT_FALSE(r.leida);
    EXPECT_EQ(r.factorXGA, 1);
    EXPECT_FALSE(Cargar(Bytes{}).leida);
    EXPECT_TRUE(registrados_.empty());
}

TEST_F(Extension, DamagedContainersKeepTheStandardPictures) {
    const Bytes png = Png(256, 192, 0x0);
    // A member running past the end: nothing of it is written, nothing is loaded.
    Bytes corto = Contenedor({{"pantalla.gif", png, ""}}, 2);
    corto.resize(corto.size() - 10);
    EXPECT_FALSE(Cargar(corto).leida);
    EXPECT_TRUE(EnCarpeta().empty());
    // No multiplier byte.
    auto r = Cargar(Contenedor({{"pantalla.gif", png, ""}}, std::nullopt));
    EXPECT_FALSE(r.leida);
    EXPECT_EQ(r.factorXGA, 1);
    EXPECT_EQ(s_.Pantalla.imagen.At(0, 0), 0x808080u);
    // A directory that never closes, lengths that are negative or do not fit 32 bits.
    const std::string abierto = "XGA\r\npantalla.gif\r\n5\r\n";
    EXPECT_FALSE(Cargar(Bytes(abierto.begin(), abierto.end())).leida);
    EXPECT_FALSE(Cargar(Contenedor({{"a.gif", {}, "-4"}}, 1)).leida);
    EXPECT_FALSE(Cargar(Contenedor({{"a.gif", {}, "99999999999"}}, 1)).leida);
    // A length that is not a number is 0, as the old number reading gave it.
    EXPECT_TRUE(Cargar(Contenedor({{"vacio.gif", {}, "mucho"}}, 1)).leida);
}

TEST_F(Extension, DirectoryLimits) {
    std::vector<Miembro> muchos;
    for (int i = 0; i < 257; ++i) muchos.push_back({"m" + std::to_string(i) + ".gif", {1}, ""});
    EXPECT_FALSE(Cargar(Contenedor(muchos, 1)).leida);
    muchos.pop_back();
    EXPECT_TRUE(Cargar(Contenedor(muchos, 1)).leida);
    EXPECT_EQ(EnCarpeta().size(), 256u);
    // A directory reaching past byte 32767.
    const std::string largo(32760, 'n');
    EXPECT_FALSE(Cargar(Contenedor({{largo + ".gif", {1}, ""}}, 1)).leida);
    EXPECT_FALSE(LeerDirectorioXGA({}).has_value());
}

TEST_F(Extension, MultiplierZeroOrTooLargeKeepsOneAndStillLoads) {
    auto r = Cargar(Contenedor({{"dolar.gif", Png(16, 64, 0xFFFF00), ""}}, 0));
    EXPECT_TRUE(r.leida);
    EXPECT_EQ(r.factorXGA, 1);
    EXPECT_EQ(s_.dolar.imagen.At(0, 0), 0xFFFF00u);
    EXPECT_EQ(Cargar(Contenedor({}, 255)).factorXGA, 1);
    EXPECT_EQ(Cargar(Contenedor({}, 16)).factorXGA, 16);
}

TEST_F(Extension, PicturesThatAreNotPicturesOrAbsurdlyLargeAreSkipped) {
    Bytes gigante = Png(8, 8, 0);
    // Claim 100000 x 100000 in the header.
    for (int i : {16, 20}) {
        gigante[static_cast<std::size_t>(i)] = 0x00;
        gigante[static_cast<std::size_t>(i) + 1] = 0x01;
        gigante[static_cast<std::size_t>(i) + 2] = 0x86;
        gigante[static_cast<std::size_t>(i) + 3] = 0xA0;
    }
    const auto r = Cargar(Contenedor({{"paisaje.gif", gigante, ""},
                                      {"puertas.gif", Bytes{'G', 'I', 'F', '8', '9', 'a'}, ""},
                                      {"panel.gif", Png(5000, 1, 0), ""},
                                      {"sino.gif", Png(28, 14, 0xABCDEF), ""}},
                                     1));
    EXPECT_EQ(r.cargados, (std::vector<std::string>{"sino.gif"}));
    EXPECT_EQ(s_.Paisaje.Ancho(), 256);
    EXPECT_EQ(s_.Puertas.Ancho(), 128);
    EXPECT_EQ(s_.panel.Ancho(), 256);
}

TEST_F(Extension, PicturesMoreThanSixteenTimesTheirStandardSizeAreSkipped) {
    const auto r = Cargar(Contenedor({{"sprite3.gif", Png(48 * 17, 176, 0xFF), ""},
                                      {"sprite4.gif", Png(48, 176 * 17, 0xFF), ""},
                                      {"sprite5.gif", Png(48 * 16, 176 * 16, 0xFF), ""}},
                                     16));
    EXPECT_EQ(r.cargados, (std::vector<std::string>{"sprite5.gif"}));
    EXPECT_EQ(s_.sprite[3].Ancho(), 48);
    EXPECT_EQ(s_.sprite[4].Alto(), 176);
    EXPECT_EQ(s_.sprite[5].t, 16.0);
}

TEST_F(Extension, HostileNamesAreSkippedAndNothingIsWrittenOutside) {
    const std::vector<std::string> malos = {
        "../fuera.gif", "..",         ".",         "/tmp/abs.gif", "sub/x.gif", "..\\fuera.gif",
        "C:evil.gif",   "",           "a\x01.gif", "con.gif",      "NUL",       "lpt1.txt",
        "mejores.tmp",  "IDIOMA.TMP", "punto.",    "espacio.gif ", "tubo|.gif", "x\tgif"};
    std::vector<Miembro> miembros;
    for (const std::string& n : malos) miembros.push_back({n, {'m', 'a', 'l'}, ""});
    miembros.push_back({"sino.gif", Png(28, 14, 0x00FF00), ""});
    const auto r = Cargar(Contenedor(miembros, 3));
    // The good member after all the bad ones is still found at the right place.
    EXPECT_TRUE(r.leida);
    EXPECT_EQ(r.factorXGA, 3);
    EXPECT_EQ(r.cargados, (std::vector<std::string>{"sino.gif"}));
    EXPECT_EQ(s_.sino.imagen.At(0, 0), 0x00FF00u);
    EXPECT_EQ(EnCarpeta(), (std::vector<fs::path>{"sino.gif"}));
    EXPECT_EQ(registrados_, (std::vector<fs::path>{carpeta_ / "sino.gif"}));
    EXPECT_TRUE(FueraDeCarpeta().empty());
    EXPECT_FALSE(fs::exists("/tmp/abs.gif"));
}

TEST_F(Extension, AMemberDifferingOnlyInCaseFromAnEarlierOneIsSkipped) {
    const auto r = Cargar(Contenedor(
        {{"sino.gif", Png(28, 14, 0x00FF00), ""}, {"SINO.gif", Png(28, 14, 0xFF0000), ""}}, 1));
    EXPECT_TRUE(r.leida);
    EXPECT_EQ(s_.sino.imagen.At(0, 0), 0x00FF00u);
    EXPECT_EQ(EnCarpeta(), (std::vector<fs::path>{"sino.gif"}));
}

TEST(NombreDeMiembro, AcceptsPlainNames) {
    for (const char* n : {"bang.gif", "sprite0.gif", "LEEME", "a.b.c", "console.gif", "com.gif"})
        EXPECT_TRUE(NombreDeMiembroAceptable(n)) << n;
}

TEST(LeerDirectorioXGA, CountsBytePositionsAsTextPlusTwo) {
    const std::string t = "XGA\r\nab.gif\r\n12\r\nXGA\r\n";
    const auto d =
        LeerDirectorioXGA(std::span(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->inicioDatos, static_cast<std::int64_t>(t.size()));
    ASSERT_EQ(d->miembros.size(), 1u);
    EXPECT_EQ(d->miembros[0].largo, 12);
}

}  // namespace
}  // namespace polvareda
