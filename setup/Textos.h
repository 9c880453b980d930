// Every caption and message of the setup window, in its two interface languages.
#pragma once

#include <QString>
#include <array>

namespace polvareda::setup {

constexpr int kEspanol = 0;
constexpr int kIngles = 1;

// The release shown on the version line.
constexpr int kVersionMayor = 1;
constexpr int kVersionMenor = 3;

// The distribution site named in the Internet menu and shown by the credits' logo.
inline const QString kNombreSitio = QStringLiteral("Candil Juegos");

struct Textos {
    // The folder fields, tick boxes and buttons.
    QString carpetaJuego, carpetaAccesos, abrirLeeme, cargarJuego;
    QString instalar, salir, aceptar, cancelar;
    QString tituloPrograma, version;
    std::array<QString, 7> iconos;
    // The menus.
    QString extensionGrafica, xgaPredeterminada, directDraw, resoluciones, pantallaCompleta,
        forzarPantallaCompleta, scroll, aspecto43, nitido, efectosDeSonido, musica, redefinir,
        noEsperarPuertas, vidaExtra, chicaAmenazada, predeterminadas, restaurar, polvareda,
        polvaredaPlus, descargar, acercaDe;
    // The controller's submenu and its two roles beyond the fire keys.
    QString mando, pausaMando, atrasMando;
    QString vsync;  // [Pantalla] VSync
    // The credits.
    QString creditoPrograma, creditoVoces, creditoTraductores, creditoProbadores, portalTexto;
    // Key capture: the prompt and the names of the five controls.
    QString pulsaUnaTecla;
    std::array<QString, 5> nombresTeclas;
    // Questions and messages.
    QString confirmarCancelar, crearCarpeta, instalacionTerminada;
    // Our own messages for what went wrong (the game folder, the copy, the shortcuts, the
    // settings file) and for a folder that would be copied onto itself.
    QString noHayCarpeta, carpetaNoCreada, noCopiado, accesosNoCreados, carpetaDentroDeOrigen,
        configuracionNoEscrita;
};

// The texts of language 0 (Spanish) or 1 (English); any other number gives Spanish.
const Textos& TextosDe(int idioma);

}  // namespace polvareda::setup
