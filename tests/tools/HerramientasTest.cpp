// The build-time tools as the packaging runs them: complementar and xgapack on real files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <vector>

#include "CarpetaDePrueba.h"
#include "Ejecutar.h"

namespace fs = std::filesystem;
using namespace polvareda::prueba;

namespace {

const std::string kComplementar = Citado(COMPLEMENTAR_EXE);
const std::string kXgapack = Citado(XGAPACK_EXE);

}  // namespace

TEST(Complementar, StoresEveryByteComplementedAndASecondRunGivesTheOriginalBack) {
    CarpetaDePrueba carpeta;
    std::string todos;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    Escribir(carpeta.Ruta() / "origen.wav", todos);
    const auto codificado = carpeta.Ruta() / "SND" / "Efecto0.SND";
    const auto salida = carpeta.Ruta() / "salida.txt";

    ASSERT_EQ(Ejecutar(kComplementar + " " + Citado(carpeta.Ruta() / "origen.wav") + " " +
                           Citado(codificado),
                       salida),
              0)
        << Leer(salida);
    EXPECT_EQ(Leer(codificado), Complemento(todos));

    ASSERT_EQ(Ejecutar(kComplementar + " " + Citado(codificado) + " " +
                           Citado(carpeta.Ruta() / "vuelta.wav"),
                       salida),
              0);
    EXPECT_EQ(Leer(carpeta.Ruta() / "vuelta.wav"), todos);
}

TEST(Complementar, AMissingSourceFailsAndWritesNothing) {
    CarpetaDePrueba carpeta;
    const auto salida = carpeta.Ruta() / "salida.txt";
    EXPECT_EQ(Ejecutar(kComplementar + " " + Citado(carpeta.Ruta() / "no.wav") + " " +
                           Citado(carpeta.Ruta() / "no.SND"),
                       salida),
              1);
    EXPECT_FALSE(fs::exists(carpeta.Ruta() / "no.SND"));
}

TEST(Xgapack, PacksThePicturesOfAFolderSortedByNameAndStoresThemComplemented) {
    CarpetaDePrueba carpeta;
    const auto imagenes = carpeta.Ruta() / "imagenes";
    fs::create_directories(imagenes);
    Escribir(imagenes / "vida.gif", "GIF89a-vida");
    Escribir(imagenes / "bang.gif", "GIF89a-bang");
    Escribir(imagenes / "notas.txt", "not a picture");
    fs::create_directories(imagenes / "sub.gif");
    const auto xga = carpeta.Ruta() / "Doble.XGA";
    const auto salida = carpeta.Ruta() / "salida.txt";

    ASSERT_EQ(Ejecutar(kXgapack + " pack " + Citado(imagenes) + " 2 " + Citado(xga), salida), 0)
        << Leer(salida);
    EXPECT_EQ(Complemento(Leer(xga)),
              "XGA\r\nbang.gif\r\n11\r\nvida.gif\r\n11\r\nXGA\r\nGIF89a-bangGIF89a-vida\x02");

    ASSERT_EQ(Ejecutar(kXgapack + " list " + Citado(xga), salida), 0);
    EXPECT_EQ(Leer(salida), "bang.gif 11\nvida.gif 11\nmultiplier 2\n");

    ASSERT_EQ(Ejecutar(kXgapack + " unpack " + Citado(xga) + " " + Citado(carpeta.Ruta() / "fuera"),
                       salida),
              0);
    EXPECT_EQ(Leer(carpeta.Ruta() / "fuera" / "bang.gif"), "GIF89a-bang");
    EXPECT_EQ(Leer(carpeta.Ruta() / "fuera" / "vida.gif"), "GIF89a-vida");

    // --plain writes and reads the decoded form.
    const auto plano = carpeta.Ruta() / "Plano.XGA";
    ASSERT_EQ(
        Ejecutar(kXgapack + " --plain pack " + Citado(imagenes) + " 3 " + Citado(plano), salida),
        0);
    EXPECT_EQ(Leer(plano).substr(0, 5), "XGA\r\n");
    ASSERT_EQ(Ejecutar(kXgapack + " list --plain " + Citado(plano), salida), 0);
    EXPECT_NE(Leer(salida).find("multiplier 3"), std::string::npos);
}

TEST(Xgapack, RefusesBadArgumentsWithAMessage) {
    CarpetaDePrueba carpeta;
    const auto salida = carpeta.Ruta() / "salida.txt";
    const auto xga = Citado(carpeta.Ruta() / "x.XGA");
    const auto folder = Citado(carpeta.Ruta());
    EXPECT_EQ(Ejecutar(kXgapack, salida), 2);
    EXPECT_EQ(Ejecutar(kXgapack + " pack " + folder + " 2", salida), 2);
    EXPECT_EQ(Ejecutar(kXgapack + " explode " + xga, salida), 2);
    for (const char* multiplicador : {"0", "17", "256", "-1", "2x", "", "1000"}) {
        EXPECT_EQ(
            Ejecutar(kXgapack + " pack " + folder + " \"" + multiplicador + "\" " + xga, salida), 1)
            << multiplicador;
        EXPECT_NE(Leer(salida).find("multiplier"), std::string::npos);
    }
    EXPECT_EQ(Ejecutar(kXgapack + " pack " + Citado(carpeta.Ruta() / "none") + " 2 " + xga, salida),
              1);
    EXPECT_EQ(Ejecutar(kXgapack + " list " + xga, salida), 1);
    EXPECT_FALSE(fs::exists(carpeta.Ruta() / "x.XGA"));
}

TEST(Xgapack, PackingRefusesAMemberNameTheGameWouldSkip) {
    CarpetaDePrueba carpeta;
    const auto imagenes = carpeta.Ruta() / "imagenes";
    const auto salida = carpeta.Ruta() / "salida.txt";
    Escribir(imagenes / "bang.gif", "GIF89a-bang");
    const auto xga = carpeta.Ruta() / "x.XGA";
    // A name the member rule refuses, and pictures under names the game never looks up: the
    // game's names are lower case and all GIF.
    for (const char* nombre : {"con.gif", "Bang.gif", "bang.png", "sprite10.gif"}) {
        Escribir(imagenes / nombre, "GIF89a-x");
        EXPECT_EQ(Ejecutar(kXgapack + " pack " + Citado(imagenes) + " 2 " + Citado(xga), salida),
                  1);
        EXPECT_NE(Leer(salida).find("\"" + std::string(nombre) + "\""), std::string::npos)
            << Leer(salida);
        EXPECT_FALSE(fs::exists(xga));
        fs::remove(imagenes / nombre);
    }
    EXPECT_EQ(Ejecutar(kXgapack + " pack " + Citado(imagenes) + " 16 " + Citado(xga), salida), 0);
}

TEST(Xgapack, AHostileContainerWritesNothingOutsideTheChosenFolder) {
    CarpetaDePrueba carpeta;
    const auto destino = carpeta.Ruta() / "destino";
    const auto salida = carpeta.Ruta() / "salida.txt";
    const auto hostil = carpeta.Ruta() / "hostil.XGA";
    for (const std::string& nombre :
         std::vector<std::string>{"../fuera.gif", "/tmp/fuera.gif", "..", "a\\..\\fuera.gif"}) {
        // A harmless member first: nothing may be written when a later one is refused.
        Escribir(hostil,
                 Complemento("XGA\r\nbien.gif\r\n1\r\n" + nombre + "\r\n1\r\nXGA\r\nab\x02"));
        EXPECT_EQ(Ejecutar(kXgapack + " unpack " + Citado(hostil) + " " + Citado(destino), salida),
                  1)
            << nombre;
        EXPECT_NE(Leer(salida).find("member name"), std::string::npos) << Leer(salida);
        EXPECT_FALSE(fs::exists(carpeta.Ruta() / "fuera.gif"));
        EXPECT_FALSE(fs::exists(destino / "bien.gif"));
    }

    // A link already standing in the folder is not followed.
    fs::create_directories(destino);
    fs::create_symlink(carpeta.Ruta() / "fuera.gif", destino / "bien.gif");
    Escribir(hostil, Complemento("XGA\r\nbien.gif\r\n1\r\nXGA\r\na\x02"));
    EXPECT_EQ(Ejecutar(kXgapack + " unpack " + Citado(hostil) + " " + Citado(destino), salida), 1);
    EXPECT_FALSE(fs::exists(carpeta.Ruta() / "fuera.gif"));
}
