// What SetUp's tests share: a stand-in for the desktop that records what the window asks of
// it, and a game folder laid out as the distribution has it.
#pragma once

#include <QTest>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CarpetaDePrueba.h"
#include "Instalar.h"
#include "Servicios.h"

namespace polvareda::setup::prueba {

class ServiciosDePrueba : public Servicios {
  public:
    void Abrir(const QUrl& enlace) override { abiertos.push_back(enlace.toString()); }
    bool Ejecutar(const QString& programa, const QStringList& argumentos) override {
        ejecutados.push_back((QStringList{programa} + argumentos).join(' '));
        return true;
    }
    void Informar(QWidget*, const QString& titulo, const QString& texto) override {
        mensajes.push_back("info|" + titulo + "|" + texto);
    }
    void Avisar(QWidget*, const QString& titulo, const QString& texto) override {
        mensajes.push_back("aviso|" + titulo + "|" + texto);
    }
    bool PreguntarSiNo(QWidget*, const QString&, const QString& texto) override {
        preguntas.push_back(texto);
        return Respuesta();
    }
    bool PreguntarAceptar(QWidget*, const QString&, const QString& texto) override {
        preguntas.push_back(texto);
        return Respuesta();
    }
    std::optional<QString> ElegirCarpeta(QWidget*, const QString&) override { return carpeta; }
    void Terminar() override { ++terminado; }

    std::vector<QString> abiertos, ejecutados, mensajes, preguntas;
    std::deque<bool> respuestas;  // answers to the questions, in order; Yes/OK when none left
    std::optional<QString> carpeta;
    int terminado = 0;

  private:
    bool Respuesta() {
        if (respuestas.empty()) return true;
        const bool r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
};

// A game folder: the programs (small stand-ins, executable), the read-me files and the
// language files (encoded), one extension.
inline void PonerJuego(const std::filesystem::path& carpeta) {
    namespace fs = std::filesystem;
    using polvareda::prueba::Escribir;
    using polvareda::prueba::EscribirCodificado;
    for (const char* programa : {"Polvareda", "SetUp"}) {
        Escribir(carpeta / programa, "#!/bin/sh\n");
        fs::permissions(carpeta / programa, fs::perms::owner_all | fs::perms::group_read |
                                                fs::perms::group_exec | fs::perms::others_read |
                                                fs::perms::others_exec);
    }
    Escribir(carpeta / "DOC" / "LeeMe.TXT", "Lee");
    Escribir(carpeta / "DOC" / "ReadMe.TXT", "Read");
    EscribirCodificado(carpeta / "LNG" / "Texto0.LNG",
                       "[General]\r\nIdioma=Espa\xF1ol\r\nTraductor=Equipo Candil\r\n");
    EscribirCodificado(carpeta / "LNG" / "Texto1.LNG",
                       "[General]\r\nIdioma=English\r\nTraductor=Marta Olmedo\r\n");
    EscribirCodificado(carpeta / "LNG" / "Texto2.LNG",
                       "[General]\r\nIdioma=Fran\xE7"
                       "ais\r\nTraductor=Claire Dubosc\r\n");
    Escribir(carpeta / "XTRAS" / "Nitido2x.XGA", "xga");
}

// An installed game folder: the game and SetUp's mark.
inline void PonerInstalado(const std::filesystem::path& carpeta, int idioma = 0) {
    PonerJuego(carpeta);
    polvareda::prueba::Escribir(
        carpeta / "SetUp.INF",
        "[General]\r\nIdioma= " + std::to_string(idioma) + "\r\nInstalado=1\r\n");
}

inline std::unique_ptr<Instalar> Ventana(const std::filesystem::path& carpeta,
                                         ServiciosDePrueba& servicios, bool juego = false) {
    Entorno entorno;
    entorno.carpetaPrograma = carpeta;
    entorno.carpetaPersonal = carpeta.parent_path() / "casa";
    entorno.carpetaAplicaciones = carpeta.parent_path() / "casa" / "aplicaciones";
    entorno.juego = juego;
    auto ventana = std::make_unique<Instalar>(entorno, servicios);
    ventana->show();
    return ventana;
}

inline void Clic(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

inline void Tecla(QWidget* ventana, Qt::Key tecla, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(ventana, tecla, mods);
}

}  // namespace polvareda::setup::prueba
