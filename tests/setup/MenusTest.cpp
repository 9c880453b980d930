// The option menus: each item's rule, the reading of the settings file into the menus and
// the writing back through OK.
#include <gtest/gtest.h>

#include <QMenu>

#include "ApoyoSetUp.h"
#include "Listas.h"
#include "OpcionesJuego.h"
#include "Perfil.h"

namespace polvareda::setup {

namespace {

using polvareda::prueba::CarpetaDePrueba;
using polvareda::prueba::Escribir;
using polvareda::prueba::Leer;
using prueba::Clic;
using prueba::ServiciosDePrueba;

class MenusTest : public ::testing::Test {
  protected:
    // An installed game with the given settings file (none when empty), its window opened.
    void Abrir(const std::string& ini, bool juego = false) {
        prueba::PonerInstalado(carpeta_.Ruta());
        if (!ini.empty()) Escribir(carpeta_ / "Polvareda.INI", ini);
        ventana_ = prueba::Ventana(carpeta_.Ruta(), servicios_, juego);
        m_ = ventana_->Menus();
    }
    std::string Valor(const char* seccion, const char* clave) {
        return LeerPerfil(carpeta_ / "Polvareda.INI", seccion, clave, "<none>");
    }
    void Aceptar() { Clic(ventana_->Boton(1)); }

    CarpetaDePrueba carpeta_;
    ServiciosDePrueba servicios_;
    std::unique_ptr<Instalar> ventana_;
    MenusOpciones* m_ = nullptr;
};

}  // namespace

TEST_F(MenusTest, AFreshGameGetsTheDefaultsInTheirOrderAndFormat) {
    Abrir("");
    Aceptar();
    EXPECT_EQ(servicios_.terminado, 1);
    EXPECT_TRUE(servicios_.ejecutados.empty());
    EXPECT_EQ(Leer(carpeta_ / "Polvareda.INI"),
              "[Pantalla]\r\nDDraw=1\r\nAncho= 640\r\nAlto= 400\r\nPantallaCompleta=1\r\n"
              "Scroll=15\r\nXGA=\r\n\r\n[Sonido]\r\nSND=1\r\nMUS=1\r\n\r\n[Teclado]\r\n"
              "Izquierda=79\r\nDerecha=80\r\nDisparo1=49\r\nDisparo2=50\r\nDisparo3=51\r\n\r\n"
              "[Opciones]\r\nIdioma=0\r\nNoEsperarPuertas=0\r\nVidaExtra=1\r\n"
              "ChicaAmenazada=1\r\n");
    // It is the configuration the game's table calls a fresh one.
    EXPECT_EQ(Leer(carpeta_ / "Polvareda.INI"), ConfiguracionPorDefecto());
}

TEST_F(MenusTest, StartedByTheGameItStartsTheGameAfterOk) {
    Abrir("", true);
    Aceptar();
    ASSERT_EQ(servicios_.ejecutados.size(), 1u);
    EXPECT_EQ(servicios_.ejecutados[0].toStdString(), (carpeta_ / "Polvareda").string());
}

TEST_F(MenusTest, DirectDrawEnablesTheOtherDisplayItemsOnlyWhenOff) {
    Abrir("");
    EXPECT_TRUE(m_->directDraw->isChecked());
    EXPECT_FALSE(m_->res[0]->isEnabled());
    EXPECT_FALSE(m_->pantallaCompleta->isEnabled());
    m_->directDraw->trigger();
    for (QAction* r : m_->res) EXPECT_TRUE(r->isEnabled());
    EXPECT_TRUE(m_->forzarPantallaCompleta->isEnabled());
    m_->res[4]->trigger();
    m_->res[4]->trigger();  // clicking the ticked one keeps it
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m_->res[i]->isChecked(), i == 4);
    // Ticked again, the items are disabled but their marks are still written.
    m_->directDraw->trigger();
    Aceptar();
    EXPECT_EQ(Valor("Pantalla", "DDraw"), "1");
    EXPECT_NE(Leer(carpeta_ / "Polvareda.INI").find("Ancho= 800\r\nAlto= 600\r\n"),
              std::string::npos);
}

TEST_F(MenusTest, FullScreenZeroThenOneClickWritesTwo) {
    Abrir("[Pantalla]\r\nPantallaCompleta=0\r\nDDraw=0\r\n");
    EXPECT_FALSE(m_->pantallaCompleta->isChecked());
    EXPECT_FALSE(m_->forzarPantallaCompleta->isChecked());
    m_->forzarPantallaCompleta->trigger();
    EXPECT_TRUE(m_->pantallaCompleta->isChecked());
    EXPECT_TRUE(m_->forzarPantallaCompleta->isChecked());
    Aceptar();
    EXPECT_EQ(Valor("Pantalla", "PantallaCompleta"), "2");
    EXPECT_EQ(Valor("Pantalla", "DDraw"), "0");
}

TEST_F(MenusTest, ReadingPicksTheResolutionAndTheFullScreenItems) {
    const std::vector<std::tuple<std::string, int, std::string>> casos = {
        {"Ancho= 320\r\nAlto= 200", 0, "1"}, {"Ancho=512\r\nAlto=384", 1, "1"},
        {"Ancho=640\r\nAlto=400", 2, "1"},   {"Ancho=640\r\nAlto=480", 3, "1"},
        {"Ancho=1024\r\nAlto=768", 4, "2"},  {"", 2, "x"}};
    for (const auto& [medidas, elegida, modo] : casos) {
        CarpetaDePrueba carpeta;
        prueba::PonerInstalado(carpeta.Ruta());
        Escribir(carpeta / "Polvareda.INI",
                 "[Pantalla]\r\n" + medidas + "\r\nPantallaCompleta=" + modo + "\r\n");
        ServiciosDePrueba s;
        auto v = prueba::Ventana(carpeta.Ruta(), s);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(v->Menus()->res[i]->isChecked(), i == elegida) << medidas;
        EXPECT_EQ(v->Menus()->forzarPantallaCompleta->isChecked(), modo == "2");
        // Read by its number, as the game reads it: "x" is 0, the window.
        EXPECT_EQ(v->Menus()->pantallaCompleta->isChecked(), modo == "1");
    }
}

TEST_F(MenusTest, FastScrollKeepsASlowerStepAndOtherwiseWritesFive) {
    Abrir("[Pantalla]\r\nScroll=3\r\n");
    EXPECT_TRUE(m_->scroll->isChecked());
    Aceptar();
    EXPECT_EQ(Valor("Pantalla", "Scroll"), "3");

    CarpetaDePrueba otra;
    prueba::PonerInstalado(otra.Ruta());
    Escribir(otra / "Polvareda.INI", "[Pantalla]\r\nScroll=15\r\n");
    ServiciosDePrueba s;
    auto v = prueba::Ventana(otra.Ruta(), s);
    EXPECT_FALSE(v->Menus()->scroll->isChecked());
    v->Menus()->scroll->trigger();
    Clic(v->Boton(1));
    EXPECT_EQ(LeerPerfil(otra / "Polvareda.INI", "Pantalla", "Scroll", ""), "5");
}

// The picture's fit: a classic file stays without the keys until the player changes them; a
// file that has them keeps them, read and written as 0 or 1 (a bad value reads as the default).
TEST_F(MenusTest, AspectAndSharpPixelsAreWrittenOnlyWhenChangedOrAlreadyThere) {
    Abrir("[Pantalla]\r\nDDraw=1\r\n");
    EXPECT_FALSE(m_->aspecto43->isChecked());
    EXPECT_TRUE(m_->nitido->isChecked());
    Aceptar();
    EXPECT_EQ(Valor("Pantalla", "Aspecto"), "<none>");
    EXPECT_EQ(Valor("Pantalla", "Nitido"), "<none>");

    CarpetaDePrueba otra;
    prueba::PonerInstalado(otra.Ruta());
    Escribir(otra / "Polvareda.INI", "[Pantalla]\r\nAspecto=1\r\nNitido=x\r\n");
    ServiciosDePrueba s;
    auto v = prueba::Ventana(otra.Ruta(), s);
    EXPECT_TRUE(v->Menus()->aspecto43->isChecked());
    EXPECT_TRUE(v->Menus()->nitido->isChecked());
    v->Menus()->nitido->trigger();
    Clic(v->Boton(1));
    EXPECT_EQ(LeerPerfil(otra / "Polvareda.INI", "Pantalla", "Aspecto", ""), "1");
    EXPECT_EQ(LeerPerfil(otra / "Polvareda.INI", "Pantalla", "Nitido", ""), "0");
}

// An installed package: the programs in bin/, the data in share/polvareda, the player's files
// in the user's data folder. SetUp configures (never installs from bin/), lists the data's
// languages, and reads, writes and restores the player's files there, where the game reads them.
TEST_F(MenusTest, APackageIsConfiguredInThePlayersFolder) {
    namespace fs = std::filesystem;
    const fs::path bin = carpeta_ / "bin";
    const fs::path datos = carpeta_ / "share" / "polvareda";
    const fs::path jugador = carpeta_ / "jugador";
    fs::create_directories(bin);
    fs::create_directories(jugador);
    polvareda::prueba::EscribirCodificado(datos / "LNG" / "Texto7.LNG",
                                          "[General]\r\nIdioma=Siete\r\n");
    Escribir(jugador / "Polvareda.INI", "[Teclado]\r\nDisparo1=65\r\n");
    Escribir(jugador / "Polvareda.DAT", "x");
    Entorno entorno;
    entorno.carpetaPrograma = bin;
    entorno.carpetaDatos = datos;
    entorno.carpetaJugador = jugador;
    entorno.carpetaPersonal = carpeta_ / "casa";
    entorno.carpetaAplicaciones = carpeta_ / "casa" / "aplicaciones";
    ServiciosDePrueba s;
    Instalar v(entorno, s);
    v.show();
    EXPECT_FALSE(v.ModoInstalacion());
    ASSERT_NE(v.Menus(), nullptr);
    EXPECT_FALSE(v.Menus()->idiomas.empty());
    v.Menus()->restaurar->trigger();
    EXPECT_FALSE(fs::exists(jugador / "Polvareda.DAT"));
    Clic(v.Boton(1));
    EXPECT_EQ(LeerPerfil(jugador / "Polvareda.INI", "Teclado", "Disparo1", ""), "65");
    EXPECT_NE(LeerPerfil(jugador / "Polvareda.INI", "Pantalla", "DDraw", ""), "");
    EXPECT_FALSE(fs::exists(bin / "Polvareda.INI"));
}

TEST_F(MenusTest, ExtensionsAreListedChosenAndLeftOutWhenThereIsNone) {
    Abrir("[Pantalla]\r\nXGA=Nitido2x\r\n");
    ASSERT_EQ(m_->xga.size(), 1u);
    EXPECT_EQ(m_->xga[0]->text(), "Nitido2x");
    EXPECT_TRUE(m_->xga[0]->isChecked());
    EXPECT_FALSE(m_->xgaPredeterminada->isChecked());
    m_->xgaPredeterminada->trigger();
    EXPECT_TRUE(m_->xgaPredeterminada->isChecked());
    EXPECT_FALSE(m_->xga[0]->isChecked());
    Aceptar();
    EXPECT_EQ(Valor("Pantalla", "XGA"), "");

    CarpetaDePrueba otra;
    prueba::PonerInstalado(otra.Ruta());
    std::filesystem::remove(otra / "XTRAS" / "Nitido2x.XGA");
    ServiciosDePrueba s;
    auto v = prueba::Ventana(otra.Ruta(), s);
    EXPECT_FALSE(v->Menus()->extensionGrafica->isEnabled());
    Clic(v->Boton(1));
    EXPECT_EQ(LeerPerfil(otra / "Polvareda.INI", "Pantalla", "XGA", "<none>"), "<none>");
}

TEST_F(MenusTest, LanguagesAreSortedByNameAndTheFileOrInterfaceLanguageIsTicked) {
    Abrir("[Opciones]\r\nIdioma=2\r\n");
    ASSERT_EQ(m_->idiomas.size(), 3u);
    EXPECT_EQ(m_->idiomas[0]->text(), "English");
    EXPECT_EQ(m_->idiomas[1]->text(), QString::fromUtf8("Español"));
    EXPECT_EQ(m_->idiomas[2]->text(), QString::fromUtf8("Français"));
    EXPECT_TRUE(m_->idiomas[2]->isChecked());
    EXPECT_EQ(ventana_->Traductores(),
              (std::vector<std::string>{"Equipo Candil", "Marta Olmedo", "Claire Dubosc"}));
    m_->idiomas[0]->trigger();
    EXPECT_FALSE(m_->idiomas[2]->isChecked());
    Aceptar();
    EXPECT_EQ(Valor("Opciones", "Idioma"), "1");

    // A file without a language shows the desktop's, when the game has it.
    setenv("LANG", "fr_FR.UTF-8", 1);
    Abrir("[Pantalla]\r\nDDraw=1\r\n");
    setenv("LANG", "C.UTF-8", 1);
    EXPECT_TRUE(m_->idiomas[2]->isChecked());
}

TEST_F(MenusTest, ControllerButtonsAndVsyncShowTheFileAndAreWrittenOnlyWhenChanged) {
    Abrir("[Pantalla]\r\nDDraw=1\r\n");
    EXPECT_TRUE(m_->mando->botones[0][0]->isChecked());  // fire 1 on a
    Aceptar();
    EXPECT_EQ(Valor("Mando", "Disparo1"), "<none>");
    EXPECT_EQ(Valor("Pantalla", "VSync"), "<none>");
    EXPECT_FALSE(m_->vsync->isChecked());
    m_->vsync->trigger();
    Aceptar();
    EXPECT_EQ(Valor("Pantalla", "VSync"), "1");

    Abrir("[Mando]\r\nDisparo1=b\r\nDisparo2=a\r\nPausa=nada\r\n");
    EXPECT_TRUE(m_->mando->botones[0][1]->isChecked());
    EXPECT_TRUE(m_->mando->botones[1][0]->isChecked());
    EXPECT_TRUE(m_->mando->botones[3][6]->isChecked());  // start, the default
    m_->mando->botones[2][3]->trigger();                 // fire 3 on y
    EXPECT_FALSE(m_->mando->botones[2][2]->isChecked());
    Aceptar();
    EXPECT_EQ(Valor("Mando", "Disparo1"), "b");
    EXPECT_EQ(Valor("Mando", "Disparo2"), "a");
    EXPECT_EQ(Valor("Mando", "Disparo3"), "y");
    EXPECT_EQ(Valor("Mando", "Pausa"), "start");
    EXPECT_EQ(Valor("Mando", "Atras"), "back");
}

TEST(SetUpIdiomas, TwoFilesWithTheSameNumberGiveTwoItemsAndTheFirstWins) {
    CarpetaDePrueba carpeta;
    prueba::PonerInstalado(carpeta.Ruta());
    polvareda::prueba::EscribirCodificado(carpeta / "LNG" / "Texto1b.LNG",
                                          "[General]\r\nIdioma=Aleman\r\n");
    Escribir(carpeta / "Polvareda.INI", "[Opciones]\r\nIdioma=1\r\n");
    ServiciosDePrueba s;
    auto v = prueba::Ventana(carpeta.Ruta(), s);
    const auto& idiomas = v->Menus()->idiomas;
    ASSERT_EQ(idiomas.size(), 4u);
    EXPECT_EQ(idiomas[0]->text(), "Aleman");
    EXPECT_EQ(idiomas[0]->data().toInt(), 1);
    EXPECT_TRUE(idiomas[0]->isChecked());
    EXPECT_FALSE(idiomas[1]->isChecked());  // "English", also number 1
    EXPECT_EQ(NumeroDeIdioma("Texto12.LNG"), 12);
    EXPECT_EQ(NumeroDeIdioma("TextoAB.LNG"), 0);
}

TEST(SetUpIdiomas, TextOfTheWindowsCodePageRoundTrips) {
    const std::string bytes = "Espa\xF1ol \x80 \x93x\x94";
    EXPECT_EQ(DesdeAnsi(bytes), QString::fromUtf8("Español € “x”"));
    EXPECT_EQ(HaciaAnsi(DesdeAnsi(bytes)), bytes);
    EXPECT_EQ(HaciaAnsi(QString::fromUtf8("日")), "?");
}

TEST_F(MenusTest, SoundAndRuleItemsFollowTheFileAndTheDefaultItemKeepsTheOthers) {
    Abrir("[Sonido]\r\nSND=0\r\n[Opciones]\r\nNoEsperarPuertas=1\r\nVidaExtra=0\r\n");
    EXPECT_FALSE(m_->efectosDeSonido->isChecked());
    EXPECT_TRUE(m_->musica->isChecked());
    EXPECT_TRUE(m_->noEsperarPuertas->isChecked());
    EXPECT_FALSE(m_->vidaExtra->isChecked());
    EXPECT_TRUE(m_->chicaAmenazada->isChecked());

    // Ticking the default rules saves the player's choice; unticking gives it back.
    m_->predeterminadas->trigger();  // ticked at start: now off, the saved states come back
    EXPECT_FALSE(m_->predeterminadas->isChecked());
    m_->predeterminadas->trigger();
    EXPECT_FALSE(m_->noEsperarPuertas->isChecked());
    EXPECT_TRUE(m_->vidaExtra->isChecked());
    m_->predeterminadas->trigger();
    EXPECT_TRUE(m_->noEsperarPuertas->isChecked());
    EXPECT_FALSE(m_->vidaExtra->isChecked());

    // Leaving a default rule unticks the default item; variant A with the defaults on turns
    // them off.
    m_->predeterminadas->trigger();
    m_->chicaAmenazada->trigger();
    EXPECT_FALSE(m_->predeterminadas->isChecked());
    m_->predeterminadas->trigger();
    m_->noEsperarPuertas->trigger();
    EXPECT_FALSE(m_->predeterminadas->isChecked());
    EXPECT_TRUE(m_->noEsperarPuertas->isChecked());

    m_->efectosDeSonido->trigger();
    m_->musica->trigger();
    Aceptar();
    EXPECT_EQ(Valor("Sonido", "SND"), "1");
    EXPECT_EQ(Valor("Sonido", "MUS"), "0");
    EXPECT_EQ(Valor("Opciones", "NoEsperarPuertas"), "1");
}

TEST_F(MenusTest, IconsPopUpTheirMenus) {
    Abrir("");
    for (int i : {0, 1, 3, 4, 5}) {
        Clic(ventana_->CuadroIcono(i));
        EXPECT_TRUE(m_->Menu(i)->isVisible()) << i;
        m_->Menu(i)->hide();
    }
    Clic(ventana_->EtiquetaDeIcono(1));
    EXPECT_TRUE(m_->Menu(1)->isVisible());
    m_->Menu(1)->hide();
    // Every link of the Internet menu opens the read-me: we have no web pages.
    m_->polvaredaPlus->trigger();
    m_->descargarVersion[2]->trigger();
    ASSERT_EQ(servicios_.abiertos.size(), 2u);
    EXPECT_TRUE(servicios_.abiertos[0].endsWith("DOC/LeeMe.TXT"));
}

TEST_F(MenusTest, AReadOnlySettingsFileIsReportedAndTheWindowStays) {
    Abrir("[Pantalla]\r\nScroll=15\r\n");
    std::filesystem::permissions(carpeta_ / "Polvareda.INI", std::filesystem::perms::owner_read);
    m_->scroll->trigger();
    Aceptar();
    EXPECT_EQ(servicios_.terminado, 0);
    ASSERT_EQ(servicios_.mensajes.size(), 1u);
    EXPECT_TRUE(servicios_.mensajes[0].startsWith("aviso|"));
    EXPECT_TRUE(servicios_.mensajes[0].contains("Polvareda.INI"));
    EXPECT_EQ(Leer(carpeta_ / "Polvareda.INI"), "[Pantalla]\r\nScroll=15\r\n");
    // Writable again, OK works.
    std::filesystem::permissions(carpeta_ / "Polvareda.INI", std::filesystem::perms::owner_all);
    Aceptar();
    EXPECT_EQ(servicios_.terminado, 1);
    EXPECT_EQ(Valor("Pantalla", "Scroll"), "5");
}

TEST_F(MenusTest, RestoreScoresDeletesTheStoredTableWithoutAQuestion) {
    Abrir("");
    Escribir(carpeta_ / "Polvareda.DAT", "scores");
    m_->restaurar->trigger();
    EXPECT_FALSE(std::filesystem::exists(carpeta_ / "Polvareda.DAT"));
    m_->restaurar->trigger();  // nothing left: no message either
    EXPECT_TRUE(servicios_.mensajes.empty());
    EXPECT_TRUE(servicios_.preguntas.empty());
}

// The game's options screen writes through the same code: for the same choices (a window,
// another fire key 1, pad A and B swapped, VSync) its file holds the bytes SetUp writes, and
// SetUp shows what the game wrote.
TEST(OpcionesDelJuego, TheSameChoicesGiveSetUpsBytesAndSetUpShowsThem) {
    CarpetaDePrueba carpeta;
    const std::string fresca = ConfiguracionPorDefecto();
    const auto deSetUp = carpeta / "setup.ini";
    const auto delJuego = carpeta / "juego.ini";
    Escribir(deSetUp, fresca);
    Escribir(delJuego, fresca);

    QWidget dueno;
    MenusOpciones menus(&dueno);
    menus.Llenar({}, {});
    CapturaTeclas teclas;
    menus.Leer(fresca, 0, teclas);
    menus.directDraw->setChecked(false);
    menus.pantallaCompleta->setChecked(false);
    teclas.PonerComprometidas({79, 80, 90, 50, 51});
    menus.mando->botones[0][1]->setChecked(true);
    menus.mando->botones[1][0]->setChecked(true);
    menus.vsync->setChecked(true);
    ASSERT_TRUE(EscribirConfiguracion(deSetUp, menus.Valores(teclas)));

    const OpcionesJuego antes = LeerOpcionesJuego(fresca, 0);
    EXPECT_TRUE(ValoresOpciones(antes, antes).empty());  // nothing changed, nothing written
    OpcionesJuego ahora = antes;
    ahora.pantalla = ModoVentana::Ventana;
    ahora.teclas[2] = 90;
    CambiarAyB(ahora.botones);
    ahora.vsync = true;
    ASSERT_TRUE(EscribirConfiguracion(delJuego, ValoresOpciones(antes, ahora)));
    EXPECT_EQ(Leer(delJuego), Leer(deSetUp));

    MenusOpciones vista(&dueno);
    vista.Llenar({}, {});
    CapturaTeclas leidas;
    vista.Leer(Leer(delJuego), 0, leidas);
    EXPECT_FALSE(vista.directDraw->isChecked());
    EXPECT_FALSE(vista.pantallaCompleta->isChecked());
    EXPECT_EQ(leidas.Comprometidas()[2], 90);
    EXPECT_TRUE(vista.mando->botones[0][1]->isChecked());
    EXPECT_TRUE(vista.mando->botones[1][0]->isChecked());
    EXPECT_TRUE(vista.vsync->isChecked());
}

}  // namespace polvareda::setup
