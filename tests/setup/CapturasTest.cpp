// Golden pictures of the window: the installer and the configuration window in both
// languages, compared pixel for pixel with the pictures in docs/capturas (which the README
// shows). POLVAREDA_ACTUALIZAR_CAPTURAS=1 rewrites them, on purpose only.
#include <gtest/gtest.h>

#include <QImage>

#include "ApoyoSetUp.h"

namespace polvareda::setup {

namespace {

namespace fs = std::filesystem;
using polvareda::prueba::CarpetaDePrueba;
using prueba::ServiciosDePrueba;

const fs::path kCapturas = fs::path(POLVAREDA_SOURCE_DIR) / "docs" / "capturas";

void Comparar(Instalar& v, const std::string& nombre) {
    v.setFocus();
    QApplication::processEvents();
    const QImage imagen = v.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const fs::path archivo = kCapturas / (nombre + ".png");
    if (qEnvironmentVariableIsSet("POLVAREDA_ACTUALIZAR_CAPTURAS")) {
        ASSERT_TRUE(imagen.save(QString::fromStdString(archivo.string())));
        return;
    }
    const QImage esperada =
        QImage(QString::fromStdString(archivo.string())).convertToFormat(QImage::Format_RGB32);
    if (imagen != esperada) {
        const fs::path obtenida = fs::path(POLVAREDA_BINARY_DIR) / (nombre + "-obtenida.png");
        imagen.save(QString::fromStdString(obtenida.string()));
        ADD_FAILURE() << nombre << " differs from " << archivo << "; see " << obtenida;
    }
}

// A window with the same folders on every machine.
std::unique_ptr<Instalar> VentanaFija(const fs::path& carpeta, ServiciosDePrueba& s) {
    Entorno entorno;
    entorno.carpetaPrograma = carpeta;
    entorno.carpetaPersonal = "/home/jugador";
    entorno.carpetaAplicaciones = "/home/jugador/.local/share/applications";
    auto v = std::make_unique<Instalar>(entorno, s);
    v->show();
    return v;
}

}  // namespace

TEST(SetUpCapturas, InstallerInBothLanguages) {
    CarpetaDePrueba carpeta;
    prueba::PonerJuego(carpeta.Ruta());
    ServiciosDePrueba s;
    auto v = VentanaFija(carpeta.Ruta(), s);
    Comparar(*v, "setup-instalar-es");
    v->PonerTextos(1);
    Comparar(*v, "setup-instalar-en");
}

TEST(SetUpCapturas, ConfigurationInBothLanguages) {
    CarpetaDePrueba carpeta;
    prueba::PonerInstalado(carpeta.Ruta());
    ServiciosDePrueba s;
    auto v = VentanaFija(carpeta.Ruta(), s);
    Comparar(*v, "setup-configurar-es");
    v->PonerTextos(1);
    Comparar(*v, "setup-configurar-en");
    prueba::Clic(v->CuadroIcono(2));
    Comparar(*v, "setup-teclas-en");
    QTest::keyClick(v.get(), Qt::Key_Escape);
    prueba::Clic(v->CuadroIcono(6));
    Comparar(*v, "setup-creditos-en");
}

}  // namespace polvareda::setup
