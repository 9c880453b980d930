// The configuration table and the game's reading of "Polvareda.INI".
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Configuracion.h"
#include "IdiomaInicial.h"
#include "OpcionesJuego.h"
#include "Perfil.h"

using namespace polvareda;

namespace {

Configuracion Leida(std::string_view texto) {
    Configuracion config;
    LeerConfiguracion(texto, config);
    return config;
}

}  // namespace

TEST(TablaConfiguracion, ListsEveryKeyOnceInTheGamesReadingOrder) {
    const auto tabla = TablaConfiguracion();
    const char* orden[] = {"PantallaCompleta",
                           "Ancho",
                           "Alto",
                           "Scroll",
                           "XGA",
                           "SND",
                           "MUS",
                           "Izquierda",
                           "Derecha",
                           "Disparo1",
                           "Disparo2",
                           "Disparo3",
                           "NoEsperarPuertas",
                           "VidaExtra",
                           "ChicaAmenazada",
                           "Idioma",
                           "DDraw",
                           "Aspecto",
                           "Nitido",
                           "VolumenEfectos",
                           "VolumenMusica",
                           "PausaSinFoco",
                           "VSync",
                           "Disparo1",
                           "Disparo2",
                           "Disparo3",
                           "Pausa",
                           "Atras"};
    ASSERT_EQ(tabla.size(), std::size(orden));
    std::set<std::string> nombres;
    for (std::size_t i = 0; i < tabla.size(); ++i) {
        EXPECT_EQ(tabla[i].nombre, orden[i]);
        EXPECT_EQ(&Definicion(tabla[i].clave), &tabla[i]);
        nombres.insert(std::string(tabla[i].seccion) + "/" + std::string(tabla[i].nombre));
    }
    EXPECT_EQ(nombres.size(), tabla.size());
}

TEST(ConfiguracionPorDefecto, IsTheSetUpProgramsFreshFile) {
    EXPECT_EQ(
        ConfiguracionPorDefecto(),
        "[Pantalla]\r\nDDraw=1\r\nAncho= 640\r\nAlto= 400\r\nPantallaCompleta=1\r\n"
        "Scroll=15\r\nXGA=\r\n\r\n"
        "[Sonido]\r\nSND=1\r\nMUS=1\r\n\r\n"
        "[Teclado]\r\nIzquierda=79\r\nDerecha=80\r\nDisparo1=49\r\nDisparo2=50\r\n"
        "Disparo3=51\r\n\r\n"
        "[Opciones]\r\nIdioma=0\r\nNoEsperarPuertas=0\r\nVidaExtra=1\r\nChicaAmenazada=1\r\n");
}

TEST(LeerConfiguracion, ReadsTheDefaultConfiguration) {
    const std::string texto = ConfiguracionPorDefecto();
    const Configuracion c = Leida(texto);
    EXPECT_TRUE(c.modoPantallaCompleta);
    EXPECT_FALSE(c.escalaLibre);
    EXPECT_EQ(c.ancho, "640");
    EXPECT_EQ(c.alto, "400");
    EXPECT_EQ(c.scroll, 15);
    EXPECT_EQ(c.nombreXGA, "");
    EXPECT_TRUE(c.sonido);
    EXPECT_TRUE(c.musica);
    EXPECT_EQ(c.teclasMovimiento[0], 79);
    EXPECT_EQ(c.teclasMovimiento[1], 80);
    EXPECT_EQ(c.teclasDisparo[0], 49);
    EXPECT_EQ(c.teclasDisparo[1], 50);
    EXPECT_EQ(c.teclasDisparo[2], 51);
    EXPECT_FALSE(c.noEsperarPuertas);
    EXPECT_TRUE(c.vidaExtra);
    EXPECT_TRUE(c.chicaAmenazada);
    EXPECT_EQ(c.idioma, 0);
    EXPECT_EQ(LeerDDraw(texto), 1);
}

TEST(LeerConfiguracion, MissingKeysTakeTheGamesDefaults) {
    const Configuracion c = Leida("");
    EXPECT_FALSE(c.modoPantallaCompleta);
    EXPECT_EQ(c.ancho, "0");
    EXPECT_EQ(c.alto, "0");
    EXPECT_EQ(c.scroll, 15);
    EXPECT_TRUE(c.sonido);
    EXPECT_TRUE(c.musica);
    EXPECT_EQ(c.teclasMovimiento[0], 1);
    EXPECT_EQ(c.teclasDisparo[2], 1);
    EXPECT_FALSE(c.noEsperarPuertas);
    EXPECT_TRUE(c.vidaExtra);
    EXPECT_TRUE(c.chicaAmenazada);
    EXPECT_EQ(LeerDDraw(""), 1);
}

TEST(LeerConfiguracion, FullScreenModeMapsTwoOneAndZeroAndIgnoresOtherValues) {
    Configuracion c = Leida("[Pantalla]\nPantallaCompleta=2\n");
    EXPECT_TRUE(c.modoPantallaCompleta);
    EXPECT_TRUE(c.escalaLibre);
    LeerConfiguracion("[Pantalla]\nPantallaCompleta=1\n", c);
    EXPECT_TRUE(c.modoPantallaCompleta);
    EXPECT_FALSE(c.escalaLibre);
    // Any other value leaves the previous setting.
    for (const char* otro : {"3", "1.5", "-1", "1e999"}) {
        LeerConfiguracion(std::string("[Pantalla]\nPantallaCompleta=") + otro + "\n", c);
        EXPECT_TRUE(c.modoPantallaCompleta) << otro;
        EXPECT_FALSE(c.escalaLibre) << otro;
    }
    // From the start values, 3 is the window mode.
    c = Leida("[Pantalla]\nPantallaCompleta=3\n");
    EXPECT_FALSE(c.modoPantallaCompleta);
    EXPECT_FALSE(c.escalaLibre);
    LeerConfiguracion("[Pantalla]\nPantallaCompleta=abc\n", c);  // Val gives 0
    EXPECT_FALSE(c.modoPantallaCompleta);
}

TEST(LeerConfiguracion, ScrollZeroMissingOrUnconvertibleBecomesFifteen) {
    EXPECT_EQ(Leida("[Pantalla]\nScroll=0\n").scroll, 15);
    EXPECT_EQ(Leida("[Pantalla]\n").scroll, 15);
    EXPECT_EQ(Leida("[Pantalla]\nScroll=99999\n").scroll, 15);
    EXPECT_EQ(Leida("[Pantalla]\nScroll=5\n").scroll, 5);
    EXPECT_EQ(Leida("[Pantalla]\nScroll=2.5\n").scroll, 2);
    EXPECT_EQ(Leida("[Pantalla]\nScroll=-3\n").scroll, -3);
    // A failed conversion keeps the value held before.
    Configuracion c;
    c.scroll = 7;
    LeerConfiguracion("[Pantalla]\nScroll=99999\n", c);
    EXPECT_EQ(c.scroll, 7);
}

TEST(LeerConfiguracion, FireKeysConvertTheTextItselfAndMoveKeysGoThroughVal) {
    Configuracion c =
        Leida("[Teclado]\nIzquierda=A\nDerecha=37abc\nDisparo1=A\nDisparo2= 50 \nDisparo3=51abc\n");
    EXPECT_EQ(c.teclasMovimiento[0], 0);
    EXPECT_EQ(c.teclasMovimiento[1], 37);
    EXPECT_EQ(c.teclasDisparo[0], 0);
    EXPECT_EQ(c.teclasDisparo[1], 50);
    EXPECT_EQ(c.teclasDisparo[2], 0);

    c.teclasDisparo[0] = 49;
    c.teclasMovimiento[0] = 79;
    LeerConfiguracion("[Teclado]\nIzquierda=99999\nDisparo1=A\n", c);
    EXPECT_EQ(c.teclasDisparo[0], 49);
    EXPECT_EQ(c.teclasMovimiento[0], 79);
}

TEST(LeerConfiguracion, FlagsAreTrueWhenValIsNotZero) {
    Configuracion c = Leida(
        "[Sonido]\nSND=0\nMUS=x\n[Opciones]\nVidaExtra=x\nChicaAmenazada=0.5\n"
        "NoEsperarPuertas=-1\n");
    EXPECT_FALSE(c.sonido);
    EXPECT_FALSE(c.musica);
    EXPECT_FALSE(c.vidaExtra);
    EXPECT_TRUE(c.chicaAmenazada);
    EXPECT_TRUE(c.noEsperarPuertas);
}

TEST(LeerConfiguracion, AFailedFlagReadGivesTrueOnlyForFlagsThatDefaultToOne) {
    Configuracion c;
    c.noEsperarPuertas = false;
    LeerConfiguracion(
        "[Sonido]\nSND=1e999\nMUS=1e999\n[Opciones]\nVidaExtra=1e999\n"
        "ChicaAmenazada=-1e999\nNoEsperarPuertas=1e999\n",
        c);
    EXPECT_TRUE(c.sonido);
    EXPECT_TRUE(c.musica);
    EXPECT_TRUE(c.vidaExtra);
    EXPECT_TRUE(c.chicaAmenazada);
    EXPECT_FALSE(c.noEsperarPuertas);
}

TEST(LeerConfiguracion, KeepsWidthHeightAndExtensionAsText) {
    const Configuracion c = Leida("[Pantalla]\nAncho= 640\nAlto=\" 400\"\nXGA= Oro \xE9\n");
    EXPECT_EQ(c.ancho, "640");
    EXPECT_EQ(c.alto, " 400");
    EXPECT_EQ(c.nombreXGA, "Oro \xE9");
}

TEST(LeerConfiguracion, ReadsTheLanguageAndDirectDrawThroughVal) {
    const std::string texto = "[Opciones]\nIdioma=1x\n[Pantalla]\nDDraw=2.5\n";
    EXPECT_EQ(Leida(texto).idioma, 1);
    EXPECT_EQ(LeerDDraw(texto), 2.5);
    EXPECT_EQ(LeerDDraw("[Pantalla]\nDDraw=no\n"), 0);
}

TEST(LeerConfiguracion, ReadsBackWhatTheSetUpProgramWritesThroughTheTable) {
    std::string texto = ConfiguracionPorDefecto();
    const auto escribir = [&](Clave clave, std::string_view valor) {
        const DefinicionClave& d = Definicion(clave);
        texto = EscribirValorPerfil(texto, d.seccion, d.nombre, valor);
    };
    escribir(Clave::PantallaCompleta, "2");
    escribir(Clave::Scroll, "5");
    escribir(Clave::XGA, "Oro");
    escribir(Clave::MUS, "0");
    escribir(Clave::Disparo3, "32");
    escribir(Clave::Idioma, "3");
    const Configuracion c = Leida(texto);
    EXPECT_TRUE(c.escalaLibre);
    EXPECT_EQ(c.scroll, 5);
    EXPECT_EQ(c.nombreXGA, "Oro");
    EXPECT_TRUE(c.sonido);
    EXPECT_FALSE(c.musica);
    EXPECT_EQ(c.teclasDisparo[2], 32);
    EXPECT_EQ(c.idioma, 3);
}

TEST(LeerConfiguracion, TheDesktopKeysTakeTheirDefaultForAnyValueOutsideTheirRange) {
    const Configuracion porDefecto = Leida(ConfiguracionPorDefecto());
    EXPECT_FALSE(porDefecto.aspecto43);
    EXPECT_TRUE(porDefecto.nitido);
    EXPECT_EQ(porDefecto.volumenEfectos, 100);
    EXPECT_EQ(porDefecto.volumenMusica, 100);
    EXPECT_TRUE(porDefecto.pausaSinFoco);

    const auto volumen = [](std::string_view valor) {
        return Leida("[Sonido]\nVolumenEfectos=" + std::string(valor) +
                     "\nVolumenMusica=" + std::string(valor) + "\n");
    };
    for (const auto& [valor, esperado] :
         std::vector<std::pair<std::string, int>>{{"0", 0},
                                                  {" 35 ", 35},
                                                  {"100", 100},
                                                  {"", 100},
                                                  {"-5", 100},
                                                  {"101", 100},
                                                  {"99999999999999999999", 100},
                                                  {"50%", 100},
                                                  {"1e1", 100},
                                                  {"+7", 100},
                                                  {"7.5", 100},
                                                  {"mucho", 100}}) {
        EXPECT_EQ(volumen(valor).volumenEfectos, esperado) << valor;
        EXPECT_EQ(volumen(valor).volumenMusica, esperado) << valor;
    }
    for (const auto& [valor, uno] : std::vector<std::pair<std::string, bool>>{
             {"0", false}, {"1", true}, {"2", false}, {"-1", false}, {"", false}, {"si", false}}) {
        const Configuracion c = Leida("[Pantalla]\nAspecto=" + valor + "\nNitido=" + valor +
                                      "\n[Opciones]\nPausaSinFoco=" + valor + "\n");
        EXPECT_EQ(c.aspecto43, uno) << valor;
        // The others default to 1: a bad value leaves them on.
        const bool malo = valor != "0" && valor != "1";
        EXPECT_EQ(c.nitido, malo || uno) << valor;
        EXPECT_EQ(c.pausaSinFoco, malo || uno) << valor;
    }
}

TEST(IdiomaInicial, TheDesktopsLocaleNamesOneOfTheFiveLanguagesOrNone) {
    EXPECT_EQ(IdiomaDeLocale("es_ES.UTF-8"), 0);
    EXPECT_EQ(IdiomaDeLocale("en_GB.UTF-8"), 1);
    EXPECT_EQ(IdiomaDeLocale("fr_CA"), 2);
    EXPECT_EQ(IdiomaDeLocale("it"), 3);
    EXPECT_EQ(IdiomaDeLocale("PT_br@euro"), 4);
    for (const char* otro : {"", "C", "C.UTF-8", "POSIX", "de_DE.UTF-8", "eng", "e"}) {
        EXPECT_EQ(IdiomaDeLocale(otro), std::nullopt) << otro;
    }
    EXPECT_TRUE(SinIdioma("[Pantalla]\r\nDDraw=0\r\n"));
    EXPECT_FALSE(SinIdioma("[Opciones]\r\nIdioma=\r\n"));
    EXPECT_FALSE(SinIdioma(ConfiguracionPorDefecto()));
}

TEST(LeerConfiguracion, ControllerButtonsByNameAnyCaseAndTheDefaultForAnythingElse) {
    Configuracion c;
    LeerConfiguracion("[Mando]\r\nDisparo1=B\r\nDisparo2=a\r\nDisparo3=trigger\r\nPausa=\r\n", c);
    EXPECT_EQ(c.botonesMando, (std::array<int, kRolesMando>{1, 0, 2, 6, 4}));
    LeerConfiguracion(ConfiguracionPorDefecto(), c);
    EXPECT_EQ(c.botonesMando, Configuracion{}.botonesMando);
}

// What the options screen writes into a file edited by hand: only the changed keys, in place;
// the full screen filled (2) is kept when the full screen is chosen again, the 320 x 200 path
// leaves PantallaCompleta alone, and comments, unknown keys and sections stay.
TEST(ValoresOpciones, TouchOnlyWhatChangedAndKeepTheFullScreenFilled) {
    const std::string texto =
        "; mine\r\n[Pantalla]\r\nDDraw=0\r\nPantallaCompleta=2\r\nMio=x\r\n[Otra]\r\nY=1\r\n";
    const OpcionesJuego antes = LeerOpcionesJuego(texto, 0);
    EXPECT_EQ(antes.pantalla, ModoVentana::Completa);
    const auto escrito = [&](const OpcionesJuego& ahora) {
        std::string t = texto;
        for (const ValorConfiguracion& v : ValoresOpciones(antes, ahora))
            t = EscribirValorPerfil(t, Definicion(v.clave).seccion, Definicion(v.clave).nombre,
                                    v.valor);
        return t;
    };
    OpcionesJuego ahora = antes;
    ahora.pantalla = ModoVentana::Ventana;
    const std::string ventana = escrito(ahora);
    EXPECT_EQ(ventana,
              "; mine\r\n[Pantalla]\r\nDDraw=0\r\nPantallaCompleta=0\r\nMio=x\r\n"
              "[Otra]\r\nY=1\r\n");
    ahora.pantalla = ModoVentana::Completa;  // back again: the file's 2 stays
    EXPECT_TRUE(ValoresOpciones(antes, ahora).empty());
    const OpcionesJuego enVentana = LeerOpcionesJuego(ventana, 0);
    OpcionesJuego completa = enVentana;
    completa.pantalla = ModoVentana::Completa;
    EXPECT_EQ(ValoresOpciones(enVentana, completa).at(0).valor, "1");
    ahora.pantalla = ModoVentana::Exclusiva;
    EXPECT_EQ(escrito(ahora),
              "; mine\r\n[Pantalla]\r\nDDraw=1\r\nPantallaCompleta=2\r\nMio=x\r\n"
              "[Otra]\r\nY=1\r\n");
}
