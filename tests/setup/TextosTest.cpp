// The captions in both languages and both modes, that each fits its box, and the choice of
// mode and language at start-up.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "ApoyoSetUp.h"
#include "Perfil.h"
#include "Textos.h"

namespace polvareda::setup {

namespace {

using polvareda::prueba::CarpetaDePrueba;
using polvareda::prueba::Escribir;
using prueba::Clic;
using prueba::ServiciosDePrueba;

std::vector<QString> Captions(const Instalar& v) {
    std::vector<QString> textos;
    for (int i = 0; i <= 9; ++i) textos.push_back(v.Etiqueta(i)->text());
    for (int i = 0; i < 7; ++i) textos.push_back(v.EtiquetaDeIcono(i)->text());
    return textos;
}

// Every visible caption of the window fits its box (icon captions also in bold, as they are
// drawn under the pointer).
void ComprobarQueCaben(const Instalar& v) {
    std::vector<QLabel*> etiquetas;
    for (int i = 0; i <= 9; ++i) etiquetas.push_back(v.Etiqueta(i));
    for (int i = 0; i < 7; ++i) etiquetas.push_back(v.EtiquetaDeIcono(i));
    for (QLabel* e : etiquetas) {
        if (!e->isVisibleTo(&v)) continue;
        QFont negrita = e->font();
        negrita.setBold(true);
        const int ancho = QFontMetrics(negrita).horizontalAdvance(e->text());
        EXPECT_LE(ancho, e->width()) << e->text().toStdString();
        EXPECT_LE(QFontMetrics(e->font()).height(), e->height() + 2) << e->text().toStdString();
    }
}

}  // namespace

TEST(SetUpTextos, InstallationModeSpeaksSpanishUntilTheEnglishPlaqueIsClicked) {
    CarpetaDePrueba carpeta;
    prueba::PonerJuego(carpeta.Ruta());
    ServiciosDePrueba s;
    auto v = prueba::Ventana(carpeta.Ruta(), s);
    ASSERT_TRUE(v->ModoInstalacion());
    EXPECT_EQ(v->Etiqueta(0)->text(), "Carpeta de destino del juego:");
    EXPECT_EQ(v->Etiqueta(1)->text(), "Carpeta de destino de los accesos directos:");
    EXPECT_EQ(v->Etiqueta(2)->text(), "Abrir LeeMe.TXT antes de instalar");
    EXPECT_EQ(v->Etiqueta(3)->text(), QString::fromUtf8("Cargar el juego después de instalar"));
    EXPECT_EQ(v->Etiqueta(4)->text(), "Instalar");
    EXPECT_EQ(v->Etiqueta(5)->text(), "Salir");
    EXPECT_EQ(v->Etiqueta(6)->text(), "Polvareda Plus");
    EXPECT_EQ(v->Etiqueta(7)->text(), "Polvareda Plus");
    EXPECT_EQ(v->Etiqueta(8)->text(), QString::fromUtf8("Programa de Instalación"));
    EXPECT_EQ(v->Etiqueta(9)->text(), QString::fromUtf8("Versión 1.3"));
    EXPECT_TRUE(v->Ruta(1)->isVisible());
    EXPECT_FALSE(v->CuadroIcono(0)->isVisible());
    ComprobarQueCaben(*v);

    const auto antes = Captions(*v);
    Clic(v->IdiomaIco(0));  // the language already in use: nothing changes
    EXPECT_EQ(Captions(*v), antes);

    Clic(v->IdiomaIco(1));
    EXPECT_EQ(v->Idioma(), 1);
    EXPECT_EQ(v->Etiqueta(0)->text(), "Destination folder for the game:");
    EXPECT_EQ(v->Etiqueta(1)->text(), "Destination folder for the links:");
    EXPECT_EQ(v->Etiqueta(2)->text(), "Open ReadMe.TXT before install");
    EXPECT_EQ(v->Etiqueta(3)->text(), "Run the game after install");
    EXPECT_EQ(v->Etiqueta(4)->text(), "Install");
    EXPECT_EQ(v->Etiqueta(5)->text(), "Exit");
    EXPECT_EQ(v->Etiqueta(8)->text(), "SetUp");
    EXPECT_EQ(v->Etiqueta(9)->text(), "Version 1.3");
    ComprobarQueCaben(*v);
    // Leaving through Exit writes nothing.
    EXPECT_FALSE(std::filesystem::exists(carpeta / "SetUp.INF"));
}

TEST(SetUpTextos, ConfigurationModeShowsTheIconsAndOkCancelInBothLanguages) {
    CarpetaDePrueba carpeta;
    prueba::PonerInstalado(carpeta.Ruta(), 1);
    ServiciosDePrueba s;
    auto v = prueba::Ventana(carpeta.Ruta(), s);
    ASSERT_FALSE(v->ModoInstalacion());
    EXPECT_EQ(v->Idioma(), 1);
    const char* ingles[7] = {"Display", "Sound",    "Keyboard", "Language",
                             "Options", "Internet", "Credits"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(v->EtiquetaDeIcono(i)->text(), ingles[i]);
        EXPECT_TRUE(v->CuadroIcono(i)->isVisible());
    }
    EXPECT_EQ(v->Etiqueta(4)->text(), "OK");
    EXPECT_EQ(v->Etiqueta(5)->text(), "Cancel");
    EXPECT_FALSE(v->Ruta(1)->isVisible());
    EXPECT_FALSE(v->Leeme()->isVisible());
    ComprobarQueCaben(*v);

    Clic(v->IdiomaIco(0));
    const char* espanol[7] = {"Pantalla", "Sonido",   "Teclado", "Idioma",
                              "Opciones", "Internet", "Créditos"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(v->EtiquetaDeIcono(i)->text(), QString::fromUtf8(espanol[i]));
    EXPECT_EQ(v->Etiqueta(4)->text(), "Aceptar");
    EXPECT_EQ(v->Etiqueta(5)->text(), "Cancelar");
    EXPECT_EQ(v->Menus()->directDraw->text(), "&Direct Draw 320x200 (recomendado)");
    EXPECT_EQ(v->Menus()->polvaredaPlus->text(), "\"Polvareda &Plus\" en '" + kNombreSitio + "'");
    ComprobarQueCaben(*v);

    // Cancel keeps the settings file as it was and stores the window's language.
    Clic(v->Boton(2));
    EXPECT_EQ(s.terminado, 1);
    EXPECT_FALSE(std::filesystem::exists(carpeta / "Polvareda.INI"));
    EXPECT_EQ(LeerPerfil(carpeta / "SetUp.INF", "General", "Idioma", ""), "0");
    EXPECT_EQ(polvareda::prueba::Leer(carpeta / "SetUp.INF"),
              "[General]\r\nIdioma= 0\r\nInstalado=1\r\n");
}

TEST(SetUpTextos, OnlyAStoredOneMeansEnglish) {
    for (const auto& [valor, idioma] : std::vector<std::pair<std::string, int>>{
             {"1", 1}, {" 1", 1}, {"2", 0}, {"abc", 0}, {"", 0}}) {
        CarpetaDePrueba carpeta;
        prueba::PonerJuego(carpeta.Ruta());
        Escribir(carpeta / "SetUp.INF", "[General]\r\nIdioma=" + valor + "\r\n");
        ServiciosDePrueba s;
        auto v = prueba::Ventana(carpeta.Ruta(), s);
        EXPECT_EQ(v->Idioma(), idioma) << valor;
        // Without the installed mark the folder is one to install from.
        EXPECT_TRUE(v->ModoInstalacion());
    }
}

TEST(SetUpTextos, AnyOtherLanguageNumberIsOnlyStored) {
    CarpetaDePrueba carpeta;
    prueba::PonerJuego(carpeta.Ruta());
    ServiciosDePrueba s;
    auto v = prueba::Ventana(carpeta.Ruta(), s);
    v->PonerTextos(7);
    EXPECT_EQ(v->Idioma(), 7);
    EXPECT_EQ(v->Etiqueta(4)->text(), "Instalar");
}

}  // namespace polvareda::setup
