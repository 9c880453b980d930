// The build-time tools as the packaging runs them: complementar and xgapack on real files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <vector>

#include "CarpetaDePrueba.h"

namespace fs = std::filesystem;

namespace {

const std::string kComplementar = Citado(COMPLEMENTAR_EXE);
const std::string kXgapack = Citado(XGAPACK_EXE);

}  // namespace

TEST(Complementar, StoresEveryByteComplementedAndASecondRunGivesTheOriginalBack) {
    CarpetaDePrueba carpeta;
    std::string todos;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    EscribirBytes(carpeta.ruta() / "origen.wav", todos);
    const auto codificado = carpeta.ruta() / "SND" / "Efecto0.SND";
    const auto salida = carpeta.ruta() / "salida.txt";

    ASSERT_EQ(Ejecutar(kComplementar + " " + Citado(carpeta.ruta() / "origen.wav") + " " +
                           Citado(codificado),
                       salida),
              0)
        << LeerBytes(salida);
    EXPECT_EQ(LeerBytes(codificado), Complemento(todos));

    ASSERT_EQ(Ejecutar(kComplementar + " " + Citado(codificado) + " " +
                           Citado(carpeta.ruta() / "vuelta.wav"),
                       salida),
              0);
    EXPECT_EQ(LeerBytes(carpeta.ruta() / "vuelta.wav"), todos);
}

TEST(Complementar, AMissingSourceFailsAndWritesNothing) {
    CarpetaDePrueba carpeta;
    const auto salida = carpeta.ruta() / "salida.txt";
    EXPECT_EQ(Ejecutar(kComplementar + " " + Citado(carpeta.ruta() / "no.wav") + " " +
                           Citado(carpeta.ruta() / "no.SND"),
                       salida),
              1);
    EXPECT_FALSE(fs::exists(carpeta.ruta() / "no.SND"));
}

TEST(Xgapack, PacksThePicturesOfAFolderSortedByNameAndStoresThemComplemented) {
    CarpetaDePrueba carpeta;
    const auto imagenes = carpeta.ruta() / "imagenes";
    fs::create_directories(imagenes);
    EscribirBytes(imagenes / "vida.gif", "GIF89a-vida");
    EscribirBytes(imagenes / "bang.gif", "GIF89a-bang");
    EscribirBytes(imagenes / "notas.txt", "not a picture");
    fs::create_directories(imagenes / "sub.gif");
    const auto xga = carpeta.ruta() / "Doble.XGA";
    const auto salida = carpeta.ruta() / "salida.txt";

    ASSERT_EQ(Ejecutar(kXgapack + " pack " + Citado(imagenes) + " 2 " + Citado(xga), salida), 0)
        << LeerBytes(salida);
    EXPECT_EQ(Complemento(LeerBytes(xga)),
              "XGA\r\nbang.gif\r\n11\r\nvida.gif\r\n11\r\nXGA\r\nGIF89a-bangGIF89a-vida\x02");

    ASSERT_EQ(Ejecutar(kXgapack + " list " + Citado(xga), salida), 0);
    EXPECT_EQ(LeerBytes(salida), "bang.gif 11\nvida.gif 11\nmultiplier 2\n");

    ASSERT_EQ(Ejecutar(kXgapack + " unpack " + Citado(xga) + " " + Citado(carpeta.ruta() / "fuera"),
                       salida),
              0);
    EXPECT_EQ(LeerBytes(carpeta.ruta() / "fuera" / "bang.gif"), "GIF89a-bang");
    EXPECT_EQ(LeerBytes(carpeta.ruta() / "fuera" / "vida.gif"), "GIF89a-vida");

    // --plain writes and reads the decoded form.
    const auto plano = carpeta.ruta() / "Plano.XGA";
    ASSERT_EQ(
        Ejecutar(kXgapack + " --plain pack " + Citado(imagenes) + " 3 " + Citado(plano), salida),
        0);
    EXPECT_EQ(LeerBytes(plano).substr(0, 5), "XGA\r\n");
    ASSERT_EQ(Ejecutar(kXgapack + " list --plain " + Citado(plano), salida), 0);
    EXPECT_NE(LeerBytes(salida).find("multiplier 3"), std::string::npos);
}

TEST(Xgapack, RefusesBadArgumentsWithAMessage) {
    CarpetaDePrueba carpeta;
    const auto salida = carpeta.ruta() / "salida.txt";
    const auto xga = Citado(carpeta.ruta() / "x.XGA");
    const auto folder = Citado(carpeta.ruta());
    EXPECT_EQ(Ejecutar(kXgapack, salida), 2);
    EXPECT_EQ(Ejecutar(kXgapack + " pack " + folder + " 2", salida), 2);
    EXPECT_EQ(Ejecutar(kXgapack + " explode " + xga, salida), 2);
    for (const char* multiplicador : {"0", "256", "-1", "2x", "", "1000"}) {
        EXPECT_EQ(
            Ejecutar(kXgapack + " pack " + folder + " \"" + multiplicador + "\" " + xga, salida), 1)
            << multiplicador;
        EXPECT_NE(LeerBytes(salida).find("multiplier"), std::string::npos);
    }
    EXPECT_EQ(Ejecutar(kXgapack + " pack " + Citado(carpeta.ruta() / "none") + " 2 " + xga, salida),
              1);
    EXPECT_EQ(Ejecutar(kXgapack + " list " + xga, salida), 1);
    EXPECT_FALSE(fs::exists(carpeta.ruta() / "x.XGA"));
}

TEST(Xgapack, AHostileContainerWritesNothingOutsideTheChosenFolder) {
    CarpetaDePrueba carpeta;
    const auto destino = carpeta.ruta() / "destino";
    const auto salida = carpeta.ruta() / "salida.txt";
    const auto hostil = carpeta.ruta() / "hostil.XGA";
    for (const std::string& nombre :
         std::vector<std::string>{"../fuera.gif", "/tmp/fuera.gif", "..", "a\\..\\fuera.gif"}) {
        // A harmless member first: nothing may be written when a later one is refused.
        EscribirBytes(hostil,
                      Complemento("XGA\r\nbien.gif\r\n1\r\n" + nombre + "\r\n1\r\nXGA\r\nab\x02"));
        EXPECT_EQ(Ejecutar(kXgapack + " unpack " + Citado(hostil) + " " + Citado(destino), salida),
                  1)
            << nombre;
        EXPECT_NE(LeerBytes(salida).find("member name"), std::string::npos) << LeerBytes(salida);
        EXPECT_FALSE(fs::exists(carpeta.ruta() / "fuera.gif"));
        EXPECT_FALSE(fs::exists(destino / "bien.gif"));
    }

    // A link already standing in the folder is not followed.
    fs::create_directories(destino);
    fs::create_symlink(carpeta.ruta() / "fuera.gif", destino / "bien.gif");
    EscribirBytes(hostil, Complemento("XGA\r\nbien.gif\r\n1\r\nXGA\r\na\x02"));
    EXPECT_EQ(Ejecutar(kXgapack + " unpack " + Citado(hostil) + " " + Citado(destino), salida), 1);
    EXPECT_FALSE(fs::exists(carpeta.ruta() / "fuera.gif"));
}
