// Damaged and hostile inputs: never a crash, a hang or a write outside the folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "CarpetaDePrueba.h"
#include "Configuracion.h"
#include "Numeros.h"
#include "Perfil.h"

using namespace polvareda;

namespace {

std::string BytesAlAzar(std::mt19937& azar, std::size_t maximo) {
    // Mostly the bytes that matter to the parsers, so that the structure gets exercised.
    static constexpr std::string_view kAlfabeto =
        "[]=;\"'\r\n \t&HhOoEeDd.+-0123456789ab\0\xEF\xBB\xBF";
    std::uniform_int_distribution<std::size_t> longitud(0, maximo);
    std::uniform_int_distribution<int> eleccion(0, 3);
    std::uniform_int_distribution<std::size_t> letra(0, kAlfabeto.size() - 1);
    std::uniform_int_distribution<int> octeto(0, 255);
    std::string bytes(longitud(azar), '\0');
    for (char& c : bytes) {
        c = eleccion(azar) == 0 ? static_cast<char>(octeto(azar)) : kAlfabeto[letra(azar)];
    }
    return bytes;
}

}  // namespace

TEST(EntradasHostiles, RandomBytesNeverBreakReadingWritingOrNumbers) {
    std::mt19937 azar(20240611);
    for (int i = 0; i < 4000; ++i) {
        const std::string texto = BytesAlAzar(azar, 200);
        const std::string nombre = BytesAlAzar(azar, 6);
        const std::string valor = BytesAlAzar(azar, 12);

        Configuracion config;
        LeerConfiguracion(texto, config);
        static_cast<void>(LeerDDraw(texto));
        EXPECT_LE(LeerValorPerfil(texto, nombre, nombre, valor).size(), kBufferPerfil - 1);

        const std::string escrito = EscribirValorPerfil(texto, "Pantalla", "XGA", valor);
        // What was written reads back as the classic reader returns it.
        const std::string esperado =
            LeerValorPerfil("[s]\nk=" + valor.substr(0, valor.find_first_of("\r\n")), "s", "k", "");
        EXPECT_EQ(LeerValorPerfil(escrito, "Pantalla", "XGA", "?"), esperado)
            << "text of " << texto.size() << " bytes, case " << i;

        const double v = Val(texto);
        static_cast<void>(EnteroCorto(v));
        static_cast<void>(EnteroCorto(std::string_view(valor)));
        static_cast<void>(EnteroLargo(v));
    }
}

TEST(EntradasHostiles, BinaryGarbageGivesTheDefaults) {
    std::string basura(4096, '\0');
    for (std::size_t i = 0; i < basura.size(); ++i) {
        basura[i] = static_cast<char>((i * 7919u + 13u) % 251u);
    }
    basura.erase(std::remove(basura.begin(), basura.end(), '['), basura.end());
    EXPECT_EQ(LeerValorPerfil(basura, "Pantalla", "Scroll", "0"), "0");
    Configuracion config;
    LeerConfiguracion(basura, config);
    EXPECT_EQ(config.scroll, 15);
}

TEST(EntradasHostiles, AFileOfOneHugeLineIsReadQuickly) {
    prueba::CarpetaDePrueba carpeta;
    const auto archivo = carpeta.Ruta() / "Polvareda.INI";
    std::string linea = "[Pantalla]\nScroll=" + std::string(8u << 20, '7');
    prueba::Escribir(archivo, linea);
    EXPECT_EQ(LeerPerfil(archivo, "Pantalla", "Scroll", "0"), std::string(kBufferPerfil - 1, '7'));
    Configuracion config;
    LeerConfiguracion(linea, config);
    EXPECT_EQ(config.scroll, 15);  // the value does not fit in 16 bits

    // Writing replaces the huge line, and the result stays readable.
    ASSERT_TRUE(EscribirPerfil(archivo, "Pantalla", "Scroll", "5"));
    EXPECT_EQ(prueba::Leer(archivo), "[Pantalla]\nScroll=5");
}

TEST(EntradasHostiles, ManyShortLinesAndSectionsStayLinear) {
    std::string texto;
    for (int i = 0; i < 200000; ++i) texto += "[s" + std::to_string(i) + "]\nk=1\n";
    texto += "[Pantalla]\nScroll=3\n";
    EXPECT_EQ(LeerValorPerfil(texto, "Pantalla", "Scroll", "0"), "3");
    const std::string escrito = EscribirValorPerfil(texto, "Pantalla", "Ancho", "1");
    EXPECT_EQ(escrito.size(), texto.size() + 9);
}
