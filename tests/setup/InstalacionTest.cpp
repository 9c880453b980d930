// Installing from a distribution folder into a temporary home: the copied files and their
// permissions, the desktop entries, SetUp.INF, the questions and what is reported.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ApoyoSetUp.h"
#include "Instalacion.h"
#include "Perfil.h"

namespace polvareda::setup {

namespace {

namespace fs = std::filesystem;
using polvareda::prueba::CarpetaDePrueba;
using polvareda::prueba::Escribir;
using polvareda::prueba::Leer;
using prueba::Clic;
using prueba::ServiciosDePrueba;

class InstalacionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dist_ = raiz_ / "dist";
        prueba::PonerJuego(dist_);
        Escribir(dist_ / "LNG" / "sub" / "hondo.txt", "not copied");  // deeper than one level
        v_ = prueba::Ventana(dist_, s_);
        casa_ = raiz_ / "casa";
        aplicaciones_ = casa_ / "aplicaciones";
    }
    fs::path Juego() const { return casa_ / "Candil" / "Polvareda"; }

    CarpetaDePrueba raiz_;
    fs::path dist_, casa_, aplicaciones_;
    ServiciosDePrueba s_;
    std::unique_ptr<Instalar> v_;
};

bool Ejecutable(const fs::path& archivo) {
    return (fs::status(archivo).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

// desktop-file-validate's verdict; empty when the entry is valid.
std::string Validar(const fs::path& entrada) {
    const std::string orden = "desktop-file-validate '" + entrada.string() + "' 2>&1";
    std::string salida;
    if (FILE* tubo = popen(orden.c_str(), "r")) {
        char trozo[256];
        while (fgets(trozo, sizeof trozo, tubo)) salida += trozo;
        if (pclose(tubo) != 0 && salida.empty()) salida = "failed";
    }
    return salida;
}

}  // namespace

TEST_F(InstalacionTest, InstallsIntoTheDefaultFoldersOfTheHome) {
    EXPECT_EQ(v_->Ruta(1)->text().toStdString(), Juego().string());
    EXPECT_EQ(v_->Ruta(2)->text(), "Candil/Polvareda");
    EXPECT_TRUE(v_->LeemeMarcado());
    EXPECT_TRUE(v_->CargarMarcado());
    Clic(v_->IdiomaIco(1));
    Clic(v_->Boton(1));

    // The read-me first, in the window's language; the missing folder is asked about.
    ASSERT_EQ(s_.abiertos.size(), 1u);
    EXPECT_EQ(s_.abiertos[0].toStdString(), "file://" + (dist_ / "DOC" / "ReadMe.TXT").string());
    ASSERT_EQ(s_.preguntas.size(), 1u);
    EXPECT_EQ(s_.preguntas[0], "Destination folder doesn't exist, do you want to create it?");

    for (const char* archivo : {"Polvareda", "SetUp", "DOC/LeeMe.TXT", "LNG/Texto1.LNG",
                                "XTRAS/Nitido2x.XGA", "SetUp.INF", "Polvareda.png"}) {
        EXPECT_TRUE(fs::is_regular_file(Juego() / archivo)) << archivo;
    }
    EXPECT_EQ(Leer(Juego() / "LNG" / "Texto1.LNG"), Leer(dist_ / "LNG" / "Texto1.LNG"));
    EXPECT_FALSE(fs::exists(Juego() / "LNG" / "sub"));
    EXPECT_TRUE(Ejecutable(Juego() / "Polvareda"));
    EXPECT_TRUE(Ejecutable(Juego() / "SetUp"));
    EXPECT_FALSE(Ejecutable(Juego() / "DOC" / "LeeMe.TXT"));
    EXPECT_EQ(Leer(Juego() / "SetUp.INF"), "[General]\r\nIdioma= 1\r\nInstalado=1\r\n");
    EXPECT_TRUE(EstaInstalado(Juego()));

    const fs::path accesos = aplicaciones_ / "Candil" / "Polvareda";
    EXPECT_EQ(Leer(accesos / "Polvareda.desktop"),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Polvareda\nExec=\"" +
                  (Juego() / "Polvareda").string() + "\"\nPath=" + Juego().string() +
                  "\nIcon=" + (Juego() / "Polvareda.png").string() +
                  "\nTerminal=false\nCategories=Game;ArcadeGame;\n");
    const std::string setup = Leer(accesos / "Polvareda-SetUp.desktop");
    EXPECT_NE(setup.find("Name=SetUp + Polvareda\n"), std::string::npos);
    EXPECT_NE(setup.find("Exec=\"" + (Juego() / "SetUp").string() + "\" \"/juego\"\n"),
              std::string::npos);
    EXPECT_EQ(Validar(accesos / "Polvareda.desktop"), "");
    EXPECT_EQ(Validar(accesos / "Polvareda-SetUp.desktop"), "");

    // Finished, then the game's setup (there are no settings yet), then the end.
    ASSERT_EQ(s_.mensajes.size(), 1u);
    EXPECT_EQ(s_.mensajes[0],
              "info|SetUp|Installation has finished.\r\n\r\nThank you for trust in our software.");
    ASSERT_EQ(s_.ejecutados.size(), 1u);
    EXPECT_EQ(s_.ejecutados[0].toStdString(), (Juego() / "SetUp").string() + " /juego");
    EXPECT_EQ(s_.terminado, 1);

    // The installed copy opens in configuration mode.
    ServiciosDePrueba otros;
    auto instalado = prueba::Ventana(Juego(), otros);
    EXPECT_FALSE(instalado->ModoInstalacion());
    EXPECT_EQ(instalado->Idioma(), 1);
}

TEST_F(InstalacionTest, AnyFolderNameIsQuotedSoTheEntriesStayValid) {
    const fs::path juego = raiz_ / "Mis juegos" / "a \"b\" $c `d` \\e 100% ñ";
    v_->Ruta(1)->setText(QString::fromStdString(juego.string()) + "/");  // a trailing slash too
    Clic(v_->Leeme());                                                   // no read-me
    Clic(v_->Etiqueta(3));                                               // and no game afterwards
    EXPECT_FALSE(v_->LeemeMarcado());
    EXPECT_FALSE(v_->CargarMarcado());
    Clic(v_->Boton(1));
    EXPECT_TRUE(s_.abiertos.empty());
    EXPECT_TRUE(s_.ejecutados.empty());
    ASSERT_TRUE(fs::is_regular_file(juego / "Polvareda"));
    const fs::path accesos = aplicaciones_ / "Candil" / "Polvareda";
    EXPECT_EQ(Validar(accesos / "Polvareda.desktop"), "");
    EXPECT_EQ(Validar(accesos / "Polvareda-SetUp.desktop"), "");
    const std::string entrada = Leer(accesos / "Polvareda.desktop");
    EXPECT_NE(entrada.find(R"(a \\"b\\" \\$c \\`d\\` \\\\e 100%% ñ/Polvareda")"), std::string::npos)
        << entrada;
}

TEST_F(InstalacionTest, WithoutAShortcutFolderNoShortcutIsMade) {
    v_->Ruta(2)->clear();
    v_->Ruta(1)->setText("~/Candil/Polvareda/");  // the home folder, as a shell reads it
    Clic(v_->Boton(1));
    EXPECT_TRUE(fs::is_regular_file(Juego() / "SetUp.INF"));
    EXPECT_FALSE(fs::exists(aplicaciones_));
    ASSERT_EQ(s_.mensajes.size(), 1u);
    EXPECT_TRUE(s_.mensajes[0].startsWith("info|"));
}

TEST_F(InstalacionTest, CancelOnTheFolderQuestionInstallsNothingAndSaysSo) {
    s_.respuestas = {false};
    Clic(v_->Boton(1));
    EXPECT_FALSE(fs::exists(Juego()));
    EXPECT_FALSE(fs::exists(aplicaciones_));
    ASSERT_EQ(s_.mensajes.size(), 1u);
    EXPECT_TRUE(s_.mensajes[0].startsWith(
        QString::fromUtf8("aviso|Programa de Instalación|La carpeta de destino no existe.")));
    EXPECT_TRUE(s_.mensajes[0].contains(QString::fromStdString(Juego().string())));
    EXPECT_TRUE(s_.ejecutados.empty());
    EXPECT_EQ(s_.terminado, 0);
}

TEST_F(InstalacionTest, AFolderThatCannotBeWrittenIsReportedAndNotMarkedInstalled) {
    fs::create_directories(Juego());
    Escribir(Juego() / "SetUp", "busy");
    // A folder in the place of a file: that file cannot be copied.
    fs::create_directories(Juego() / "LNG" / "Texto1.LNG");
    Clic(v_->Boton(1));
    EXPECT_FALSE(fs::exists(Juego() / "SetUp.INF"));
    EXPECT_FALSE(fs::exists(aplicaciones_));
    ASSERT_EQ(s_.mensajes.size(), 1u);
    EXPECT_TRUE(s_.mensajes[0].contains("Texto1.LNG"));
    EXPECT_FALSE(s_.mensajes[0].contains("Texto0.LNG"));
    EXPECT_TRUE(s_.ejecutados.empty());
    // The rest was copied; a program that was there is replaced whole.
    EXPECT_EQ(Leer(Juego() / "SetUp"), "#!/bin/sh\n");
}

TEST_F(InstalacionTest, TheDistributionFolderItselfOrAFolderInsideItIsRefused) {
    for (const fs::path& destino : {dist_, dist_ / "dentro", dist_ / "LNG" / ".." / "otra"}) {
        s_.mensajes.clear();
        v_->Ruta(1)->setText(QString::fromStdString(destino.string()));
        Clic(v_->Boton(1));
        ASSERT_EQ(s_.mensajes.size(), 1u) << destino;
        EXPECT_TRUE(s_.mensajes[0].contains("no puede ser la carpeta")) << destino;
    }
    EXPECT_FALSE(fs::exists(dist_ / "dentro"));
    EXPECT_FALSE(fs::exists(dist_ / "SetUp.INF"));
    EXPECT_FALSE(DentroDe(raiz_ / "distinta", dist_));
    EXPECT_FALSE(DentroDe(raiz_.Ruta(), dist_));
}

TEST_F(InstalacionTest, AnExistingSettingsFileStartsTheGameAfterInstalling) {
    fs::create_directories(Juego());
    Escribir(Juego() / "Polvareda.INI", "[Pantalla]\r\nDDraw=1\r\n");
    Clic(v_->Boton(1));
    EXPECT_TRUE(s_.preguntas.empty());
    ASSERT_EQ(s_.ejecutados.size(), 1u);
    EXPECT_EQ(s_.ejecutados[0].toStdString(), (Juego() / "Polvareda").string());
    // The player's settings stay.
    EXPECT_EQ(Leer(Juego() / "Polvareda.INI"), "[Pantalla]\r\nDDraw=1\r\n");
}

TEST_F(InstalacionTest, BrowsingFillsTheFieldAndCancellingKeepsIt) {
    s_.carpeta = QStringLiteral("/tmp/elegida");
    Clic(v_->Examinar(1));
    EXPECT_EQ(v_->Ruta(1)->text(), "/tmp/elegida");
    s_.carpeta.reset();
    Clic(v_->Examinar(1));
    EXPECT_EQ(v_->Ruta(1)->text(), "/tmp/elegida");
    EXPECT_FALSE(v_->Examinar(2)->isVisibleTo(v_.get()));
}

TEST_F(InstalacionTest, AnEmptyGameFolderDoesNothing) {
    v_->Ruta(1)->clear();
    Clic(v_->Boton(1));
    EXPECT_TRUE(s_.abiertos.empty());
    EXPECT_TRUE(s_.mensajes.empty());
    EXPECT_EQ(s_.terminado, 0);
}

}  // namespace polvareda::setup
