// The desktop as Qt offers it, and the standard streams of a run without a window.
#include "Servicios.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <iostream>

namespace polvareda::setup {

void ServiciosEscritorio::Abrir(const QUrl& enlace) {
    QDesktopServices::openUrl(enlace);
}

bool ServiciosEscritorio::Ejecutar(const QString& programa, const QStringList& argumentos) {
    return QProcess::startDetached(programa, argumentos, QFileInfo(programa).absolutePath());
}

void ServiciosEscritorio::Informar(QWidget* ventana, const QString& titulo, const QString& texto) {
    QMessageBox::information(ventana, titulo, texto);
}

void ServiciosEscritorio::Avisar(QWidget* ventana, const QString& titulo, const QString& texto) {
    QMessageBox::warning(ventana, titulo, texto);
}

bool ServiciosEscritorio::PreguntarSiNo(QWidget* ventana, const QString& titulo,
                                        const QString& texto) {
    return QMessageBox::question(ventana, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool ServiciosEscritorio::PreguntarAceptar(QWidget* ventana, const QString& titulo,
                                           const QString& texto) {
    return QMessageBox::question(ventana, titulo, texto, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

std::optional<QString> ServiciosEscritorio::ElegirCarpeta(QWidget* ventana,
                                                          const QString& inicial) {
    const QString carpeta = QFileDialog::getExistingDirectory(ventana, QString(), inicial);
    if (carpeta.isEmpty()) return std::nullopt;
    return carpeta;
}

void ServiciosEscritorio::Terminar() {
    QApplication::exit(0);
}

void ServiciosSinVentana::Informar(QWidget*, const QString&, const QString& texto) {
    std::cout << texto.toStdString() << std::endl;
}

void ServiciosSinVentana::Avisar(QWidget*, const QString&, const QString& texto) {
    avisado_ = true;
    std::cerr << "SetUp: " << texto.toStdString() << std::endl;
}

}  // namespace polvareda::setup
