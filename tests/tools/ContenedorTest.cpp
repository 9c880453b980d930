// The extension container: what is written reads back whole, and everything that could make
// the game misread it or write outside its folder is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Contenedor.h"

namespace xga = polvareda::xga;
using namespace std::string_view_literals;

namespace {

std::vector<std::uint8_t> Bytes(std::string_view texto) {
    return {texto.begin(), texto.end()};
}

xga::Contenedor Ejemplo() {
    xga::Contenedor contenedor;
    contenedor.miembros.push_back({"bang.gif", Bytes("GIF89a\r\n\0XGA\r\n"sv)});
    contenedor.miembros.push_back({"vacio.gif", {}});
    contenedor.miembros.push_back({"sprite10.gif", Bytes("GIF87a")});
    contenedor.multiplicador = 2;
    return contenedor;
}

std::string ErrorAlLeer(std::string_view texto) {
    const auto bytes = Bytes(texto);
    const auto leido = xga::Leer(bytes);
    if (const auto* error = std::get_if<xga::Error>(&leido)) return error->mensaje;
    return {};
}

std::string ErrorAlEscribir(const xga::Contenedor& contenedor) {
    const auto escrito = xga::Escribir(contenedor);
    if (const auto* error = std::get_if<xga::Error>(&escrito)) return error->mensaje;
    return {};
}

}  // namespace

TEST(Contenedor, WritesTheDirectoryTheMembersAndTheMultiplierByteForByte) {
    const auto escrito = xga::Escribir(Ejemplo());
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(escrito));
    const auto& bytes = std::get<std::vector<std::uint8_t>>(escrito);
    const std::string esperado =
        std::string("XGA\r\nbang.gif\r\n14\r\nvacio.gif\r\n0\r\nsprite10.gif\r\n6\r\nXGA\r\n") +
        std::string("GIF89a\r\n\0XGA\r\n", 14) + "GIF87a" + "\x02";
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), esperado);
}

TEST(Contenedor, ReadsBackWhatItWrote) {
    const auto escrito = xga::Escribir(Ejemplo());
    const auto leido = xga::Leer(std::get<std::vector<std::uint8_t>>(escrito));
    ASSERT_TRUE(std::holds_alternative<xga::Contenedor>(leido));
    const auto& contenedor = std::get<xga::Contenedor>(leido);
    const auto original = Ejemplo();
    ASSERT_EQ(contenedor.miembros.size(), original.miembros.size());
    for (std::size_t i = 0; i < original.miembros.size(); ++i) {
        EXPECT_EQ(contenedor.miembros[i].nombre, original.miembros[i].nombre);
        EXPECT_EQ(contenedor.miembros[i].datos, original.miembros[i].datos);
    }
    EXPECT_EQ(contenedor.multiplicador, 2);
}

TEST(Contenedor, AnEmptyDirectoryStillCarriesTheMultiplier) {
    const auto leido = xga::Leer(Bytes("XGA\r\nXGA\r\n\x02"));
    ASSERT_TRUE(std::holds_alternative<xga::Contenedor>(leido));
    EXPECT_TRUE(std::get<xga::Contenedor>(leido).miembros.empty());
    EXPECT_EQ(std::get<xga::Contenedor>(leido).multiplicador, 2);
}

TEST(Contenedor, RefusesMemberNamesThatAreNotPlainFileNames) {
    for (const std::string& nombre :
         std::vector<std::string>{"", ".", "..", "../bang.gif", "sub/bang.gif", "sub\\bang.gif",
                                  "/tmp/bang.gif", "C:bang.gif", "bang\r.gif", "bang\n.gif",
                                  std::string("bang\0.gif", 9), "\x7f", "\x1b[31m", "XGA"}) {
        EXPECT_FALSE(xga::ProblemaConNombre(nombre).empty()) << nombre;
        xga::Contenedor contenedor;
        contenedor.miembros.push_back({nombre, Bytes("x")});
        EXPECT_FALSE(ErrorAlEscribir(contenedor).empty()) << nombre;
    }
    for (const std::string& nombre :
         std::vector<std::string>{"bang.gif", "..gif", "sprite 1.gif", "xga", "a..b"}) {
        EXPECT_EQ(xga::ProblemaConNombre(nombre), "") << nombre;
    }
    EXPECT_NE(ErrorAlLeer("XGA\r\n../evil.gif\r\n1\r\nXGA\r\nx\x02"), "");
    EXPECT_NE(ErrorAlLeer("XGA\r\n/etc/evil\r\n1\r\nXGA\r\nx\x02"), "");
    EXPECT_NE(ErrorAlLeer("XGA\r\nC:\\evil\r\n1\r\nXGA\r\nx\x02"), "");
}

// The names the game would pass over without a word are refused, and the message names them.
TEST(Contenedor, RefusesTheNamesTheGameWouldSkipNamingTheMember) {
    for (const std::string& nombre : std::vector<std::string>{
             "con.gif", "NUL", "lpt1.txt", "Com9.gif", "x.tmp", "MEJORES.TMP", "punto.",
             "espacio.gif ", "tubo|.gif", "pregunta?.gif", std::string(256, 'a')}) {
        xga::Contenedor contenedor;
        contenedor.miembros.push_back({nombre, Bytes("x")});
        EXPECT_NE(ErrorAlEscribir(contenedor).find(nombre), std::string::npos) << nombre;
        EXPECT_NE(ErrorAlLeer("XGA\r\n" + nombre + "\r\n1\r\nXGA\r\nx\x02").find(nombre),
                  std::string::npos)
            << nombre;
    }
}

TEST(Contenedor, RefusesTheSameMemberTwiceEvenInAnotherCase) {
    xga::Contenedor contenedor;
    contenedor.miembros.push_back({"bang.gif", Bytes("a")});
    contenedor.miembros.push_back({"BANG.GIF", Bytes("b")});
    EXPECT_NE(ErrorAlEscribir(contenedor), "");
    EXPECT_NE(ErrorAlLeer("XGA\r\nbang.gif\r\n1\r\nBang.gif\r\n1\r\nXGA\r\nab\x02"), "");
}

TEST(Contenedor, HoldsAtMost256Members) {
    xga::Contenedor contenedor;
    for (int i = 0; i < 256; ++i) contenedor.miembros.push_back({std::to_string(i), {}});
    const auto escrito = xga::Escribir(contenedor);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(escrito));
    EXPECT_TRUE(std::holds_alternative<xga::Contenedor>(
        xga::Leer(std::get<std::vector<std::uint8_t>>(escrito))));

    contenedor.miembros.push_back({"256", {}});
    EXPECT_NE(ErrorAlEscribir(contenedor), "");
    std::string texto = "XGA\r\n";
    for (int i = 0; i < 257; ++i) texto += std::to_string(i) + "\r\n0\r\n";
    EXPECT_NE(ErrorAlLeer(texto + "XGA\r\n\x01"), "");
}

TEST(Contenedor, TheDirectoryMustEndBeforeByte32767) {
    // "XGA" CR LF and "XGA" CR LF around the members; each member takes its name, CR LF, "0"
    // and CR LF. Names of 250 characters, and a last one that brings the directory to `largo`.
    const auto directorioDe = [](std::size_t largo) {
        xga::Contenedor contenedor;
        std::size_t resto = largo - 10;
        for (int i = 0; resto > 0; ++i) {
            const std::size_t nombre = std::min<std::size_t>(resto - 5, 250);
            const std::string numero = std::to_string(i) + "-";
            contenedor.miembros.push_back({numero + std::string(nombre - numero.size(), 'a'), {}});
            resto -= nombre + 5;
        }
        return contenedor;
    };
    const auto justo = directorioDe(xga::kLongitudMaximaDirectorio);
    const auto escrito = xga::Escribir(justo);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(escrito));
    const auto& bytes = std::get<std::vector<std::uint8_t>>(escrito);
    EXPECT_EQ(bytes.size(), xga::kLongitudMaximaDirectorio + 1);
    EXPECT_TRUE(std::holds_alternative<xga::Contenedor>(xga::Leer(bytes)));

    const auto largo = directorioDe(xga::kLongitudMaximaDirectorio + 1);
    EXPECT_NE(ErrorAlEscribir(largo), "");
    std::string texto = "XGA\r\n";
    for (const auto& miembro : largo.miembros) texto += miembro.nombre + "\r\n0\r\n";
    EXPECT_NE(ErrorAlLeer(texto + "XGA\r\n\x01"), "");
}

TEST(Contenedor, RefusesBrokenDirectories) {
    EXPECT_NE(ErrorAlLeer(""), "");
    EXPECT_NE(ErrorAlLeer("GIF89a"), "");
    EXPECT_NE(ErrorAlLeer("XGB\r\nXGA\r\n\x01"), "");
    EXPECT_NE(ErrorAlLeer("XGA\nXGA\n\x01"), "");            // lines must end in CR LF
    EXPECT_NE(ErrorAlLeer("XGA\r\nbang.gif\r\n1\r\n"), "");  // never closed
    EXPECT_NE(ErrorAlLeer("XGA\r\nbang.gif\r\n"), "");       // a name without its length
    for (const char* longitud : {"", "-1", "1a", " 1", "0x10", "2147483648", "99999999999"}) {
        EXPECT_NE(ErrorAlLeer(std::string("XGA\r\nbang.gif\r\n") + longitud + "\r\nXGA\r\nx\x01"),
                  "")
            << longitud;
    }
}

TEST(Contenedor, RefusesMembersRunningPastTheEndAndAMissingOrZeroMultiplier) {
    EXPECT_NE(ErrorAlLeer("XGA\r\nbang.gif\r\n5\r\nXGA\r\nabc"), "");
    EXPECT_NE(ErrorAlLeer("XGA\r\nbang.gif\r\n2147483647\r\nXGA\r\nabc"), "");
    EXPECT_NE(ErrorAlLeer("XGA\r\nbang.gif\r\n3\r\nXGA\r\nabc"), "");  // no multiplier
    EXPECT_NE(ErrorAlLeer("XGA\r\nXGA\r\n"), "");
    EXPECT_NE(ErrorAlLeer(std::string("XGA\r\nXGA\r\n\0", 11)), "");
    EXPECT_NE(ErrorAlLeer("XGA\r\nXGA\r\n\x02\x02"), "");  // bytes after the multiplier
    xga::Contenedor cero;
    cero.multiplicador = 0;
    EXPECT_NE(ErrorAlEscribir(cero), "");
}

TEST(Contenedor, EveryShortenedContainerIsRefusedWithoutACrash) {
    const auto escrito = std::get<std::vector<std::uint8_t>>(xga::Escribir(Ejemplo()));
    for (std::size_t largo = 0; largo < escrito.size(); ++largo) {
        const std::span<const std::uint8_t> corto(escrito.data(), largo);
        EXPECT_TRUE(std::holds_alternative<xga::Error>(xga::Leer(corto))) << largo;
    }
}
