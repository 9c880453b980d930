// Where the game looks for its data and keeps the player's files: beside the program, or in
// the standard places of an installed package.
#include "Carpetas.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include "ArchivoAcotado.h"
#include "CarpetaDePrueba.h"
#include "SoloPosix.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

TEST(Carpetas, DataBesideTheProgramFirstThenTheInstalledShareFolder) {
    prueba::CarpetaDePrueba raiz;
    const fs::path junto = raiz / "juego";
    fs::create_directories(junto / "LNG");
    EXPECT_EQ(CarpetaDeDatos(junto), junto);

    const fs::path bin = raiz / "prefijo" / "bin";
    fs::create_directories(bin);
    EXPECT_EQ(CarpetaDeDatos(bin), bin);  // nothing anywhere: its own folder
    fs::create_directories(raiz / "prefijo" / "share" / "polvareda" / "LNG");
    EXPECT_EQ(CarpetaDeDatos(bin), bin.parent_path() / "share" / "polvareda");
}

TEST(Carpetas, TheGamesLayoutKeepsItsDataInShareGamesAndThePlayersFilesAtHome) {
    POLVAREDA_SOLO_POSIX("The games layout is a Linux distribution's (/usr/share/games, $HOME)");
    prueba::CarpetaDePrueba raiz;
    const fs::path usr = raiz / "usr";
    const fs::path datos = usr / "share" / "games" / "polvareda";
    const fs::path privada = usr / "lib" / "games" / "polvareda";
    fs::create_directories(datos / "LNG");
    fs::create_directories(privada);
    EXPECT_EQ(CarpetaDeDatos(privada), datos);        // the programs themselves
    EXPECT_EQ(CarpetaDeDatos(usr / "games"), datos);  // started through a copy in games/
    EXPECT_EQ(CarpetaDeDatos(raiz / "lib" / "games" / "otro"), raiz / "lib" / "games" / "otro");

    // Writable (as for root), and still never the player's folder.
    ASSERT_TRUE(SePuedeEscribir(datos));
    const std::string casa = (raiz / "casa").string();
    const Entorno entorno = [&](const char* nombre) -> const char* {
        return std::string_view(nombre) == "XDG_DATA_HOME" ? casa.c_str() : nullptr;
    };
    EXPECT_EQ(CarpetaDelJugador(datos, entorno), raiz / "casa" / "Polvareda");
    EXPECT_EQ(CarpetaDelJugador(datos / "", entorno), raiz / "casa" / "Polvareda");
}

TEST(Carpetas, ThePlayersFilesGoToTheUsersDataFolderWhenTheGameFolderIsNotWritable) {
    POLVAREDA_SOLO_POSIX("/proc stands for a folder nobody can write to; Windows has none");
    prueba::CarpetaDePrueba raiz;
    std::map<std::string, std::string> variables;
    const Entorno entorno = [&](const char* nombre) -> const char* {
        const auto v = variables.find(nombre);
        return v == variables.end() ? nullptr : v->second.c_str();
    };
    // A folder the game may write to keeps everything, as SetUp's folders always did.
    variables["XDG_DATA_HOME"] = (raiz / "datos").string();
    EXPECT_EQ(CarpetaDelJugador(raiz.Ruta(), entorno), raiz.Ruta());
    EXPECT_FALSE(fs::exists(raiz / "datos"));
    EXPECT_EQ(std::distance(fs::directory_iterator(raiz.Ruta()), fs::directory_iterator()), 0);

    // No file can be made in /proc, not even by a privileged user.
    const fs::path soloLectura = "/proc";
    ASSERT_FALSE(SePuedeEscribir(soloLectura));
    EXPECT_EQ(CarpetaDelJugador(soloLectura, entorno), raiz / "datos" / "Polvareda");
    EXPECT_TRUE(fs::is_directory(raiz / "datos" / "Polvareda"));

    // A relative XDG_DATA_HOME is ignored, as the standard says: the home folder's default.
    variables["XDG_DATA_HOME"] = "relativa";
    variables["HOME"] = (raiz / "casa").string();
    EXPECT_EQ(CarpetaDelJugador(soloLectura, entorno),
              raiz / "casa" / ".local" / "share" / "Polvareda");
    // Nowhere to go: the game folder, where SetUp and the game say what they cannot write.
    variables.clear();
    EXPECT_EQ(CarpetaDelJugador(soloLectura, entorno), soloLectura);
}

TEST(Carpetas, APlayersFolderStartsWithTheGameFoldersFilesItLacks) {
    prueba::CarpetaDePrueba raiz;
    const fs::path juego = raiz / "juego";
    const fs::path jugador = raiz / "jugador";
    fs::create_directories(juego);
    fs::create_directories(jugador);
    const auto escribir = [](const fs::path& archivo, const std::string& texto) {
        std::ofstream(archivo, std::ios::binary) << texto;
    };
    escribir(juego / "Polvareda.INI", "[Pantalla]\r\nDDraw=0\r\n");
    escribir(juego / "Polvareda.DAT", "de la carpeta del juego");
    escribir(jugador / "Polvareda.DAT", "del jugador");
    TomarArchivosIniciales(juego, jugador);
    EXPECT_EQ(LeerArchivoAcotado(jugador / "Polvareda.INI"), "[Pantalla]\r\nDDraw=0\r\n");
    EXPECT_EQ(LeerArchivoAcotado(jugador / "Polvareda.DAT"), "del jugador");  // never replaced
    // The same folder reached another way is left as it is.
    fs::remove(juego / "Polvareda.INI");
    TomarArchivosIniciales(juego, juego / ".." / "juego");
    EXPECT_FALSE(fs::exists(juego / "Polvareda.INI"));
}

}  // namespace
}  // namespace polvareda
