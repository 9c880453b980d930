// The two caption tables. The version line is made from the release numbers.
#include "Textos.h"

namespace polvareda::setup {

namespace {

QString Version(const char* palabra) {
    return QString::fromUtf8(palabra) + QString::number(kVersionMayor) + "." +
           QString::number(kVersionMenor);
}

Textos Espanol() {
    Textos t;
    t.carpetaJuego = "Carpeta de destino del juego:";
    t.carpetaAccesos = "Carpeta de destino de los accesos directos:";
    t.abrirLeeme = "Abrir LeeMe.TXT antes de instalar";
    t.cargarJuego = QString::fromUtf8("Cargar el juego después de instalar");
    t.instalar = "Instalar";
    t.salir = "Salir";
    t.aceptar = "Aceptar";
    t.cancelar = "Cancelar";
    t.tituloPrograma = QString::fromUtf8("Programa de Instalación");
    t.version = Version("Versión ");
    t.iconos = {"Pantalla",
                "Sonido",
                "Teclado",
                "Idioma",
                "Opciones",
                "Internet",
                QString::fromUtf8("Créditos")};
    t.extensionGrafica = QString::fromUtf8("E&xtensión gráfica");
    t.xgaPredeterminada = "&Predeterminada";
    t.directDraw = "&Direct Draw 320x200 (recomendado)";
    t.resoluciones = "&Resoluciones alternativas";
    t.pantallaCompleta = "&Pantalla completa";
    t.forzarPantallaCompleta = "&Forzar pantalla completa (no recomendado)";
    t.scroll = QString::fromUtf8("&Scroll rápido (para procesadores lentos)");
    t.aspecto43 = QString::fromUtf8("Imagen a &4:3, como en los monitores de antes");
    t.nitido = QString::fromUtf8("Píxeles &nítidos (ampliación entera)");
    t.efectosDeSonido = "Efectos de &sonido";
    t.musica = "Temas &musicales";
    t.redefinir = "Redefinir";
    t.noEsperarPuertas = "No esperar &puertas abiertas para terminar fase (variante A)";
    t.vidaExtra = "Vida e&xtra en el duelo (variante B)";
    t.chicaAmenazada = "La chica puede ser amenazada (variante C)";
    t.predeterminadas = "&Predeterminadas";
    t.restaurar = "&Restaurar puntuaciones";
    t.polvareda = "'Polvareda' (Ferrosol)";
    t.polvaredaPlus = "\"Polvareda &Plus\" en '" + kNombreSitio + "'";
    t.descargar = "&Descargar";
    t.acercaDe = "Acerca de";
    t.creditoPrograma = QString::fromUtf8("PROGRAMA, GRÁFICOS Y SONIDO:");
    t.creditoVoces = "VOCES:";
    t.creditoTraductores = "TRADUCTORES:";
    t.creditoProbadores = "PROBADORES:";
    t.portalTexto = QString::fromUtf8("• • • Distribuido por");
    t.pulsaUnaTecla = "Pulsa una tecla para:";
    t.nombresTeclas = {"Izquierda", "Derecha", "Disparo 1", "Disparo 2", "Disparo 3"};
    t.confirmarCancelar = QString::fromUtf8("¿Seguro que quieres cancelar la instalación?");
    t.crearCarpeta = QString::fromUtf8("La carpeta de destino no existe, ¿deseas crearla?");
    t.instalacionTerminada = QString::fromUtf8(
        "La instalación ha finalizado.\r\n\r\nGracias por confiar en nuestro programa.");
    t.noHayCarpeta =
        QString::fromUtf8("La carpeta de destino no existe. No se ha instalado nada:\r\n%1");
    t.carpetaNoCreada = QString::fromUtf8(
        "No se ha podido crear la carpeta de destino. No se ha instalado nada:\r\n%1");
    t.noCopiado =
        QString::fromUtf8("La instalación no se ha completado. No se ha podido copiar:\r\n%1");
    t.accesosNoCreados = QString::fromUtf8(
        "El juego está instalado, pero no se han podido crear los accesos directos en:\r\n%1");
    t.carpetaDentroDeOrigen = QString::fromUtf8(
        "La carpeta de destino no puede ser la carpeta de la que se instala ni estar dentro de "
        "ella:\r\n%1");
    t.configuracionNoEscrita = QString::fromUtf8(
        "No se ha podido escribir la configuración; tus cambios no se han guardado:\r\n%1");
    return t;
}

Textos Ingles() {
    Textos t;
    t.carpetaJuego = "Destination folder for the game:";
    t.carpetaAccesos = "Destination folder for the links:";
    t.abrirLeeme = "Open ReadMe.TXT before install";
    t.cargarJuego = "Run the game after install";
    t.instalar = "Install";
    t.salir = "Exit";
    t.aceptar = "OK";
    t.cancelar = "Cancel";
    t.tituloPrograma = "SetUp";
    t.version = Version("Version ");
    t.iconos = {"Display", "Sound", "Keyboard", "Language", "Options", "Internet", "Credits"};
    t.extensionGrafica = "E&xtended graphics";
    t.xgaPredeterminada = "&Default";
    t.directDraw = "&Direct Draw 320x200 (recommended)";
    t.resoluciones = "Alternative dis&plays";
    t.pantallaCompleta = "&Fullscreen";
    t.forzarPantallaCompleta = "For&ce fullscreen (not recommended)";
    t.scroll = "Fast &scroll (for slow computers)";
    t.aspecto43 = "Picture at &4:3, as the old monitors showed it";
    t.nitido = "Sharp &pixels (whole enlargements only)";
    t.efectosDeSonido = "&Sound effects";
    t.musica = "&Music themes";
    t.redefinir = "Redefine";
    t.noEsperarPuertas = "Finish phase despite open &doors (variant A)";
    t.vidaExtra = "E&xtra life in the duel (variant B)";
    t.chicaAmenazada = "The &girl can be threatened (variant C)";
    t.predeterminadas = "&Default";
    t.restaurar = "&Restore scores";
    t.polvareda = "'Polvareda' (Ferrosol)";
    t.polvaredaPlus = "\"Polvareda &Plus\" in '" + kNombreSitio + "'";
    t.descargar = "&Download";
    t.acercaDe = "About";
    t.creditoPrograma = "PROGRAM, GRAPHICS AND SOUND:";
    t.creditoVoces = "VOICES:";
    t.creditoTraductores = "TRANSLATORS:";
    t.creditoProbadores = "TESTERS:";
    t.portalTexto = QString::fromUtf8("• • • Distributed by");
    t.pulsaUnaTecla = "Push a key for:";
    t.nombresTeclas = {"Left", "Right", "Shoot 1", "Shoot 2", "Shoot 3"};
    t.confirmarCancelar = "Are you sure you want to cancel installation?";
    t.crearCarpeta = "Destination folder doesn't exist, do you want to create it?";
    t.instalacionTerminada =
        "Installation has finished.\r\n\r\nThank you for trust in our software.";
    t.noHayCarpeta = "The destination folder does not exist. Nothing was installed:\r\n%1";
    t.carpetaNoCreada = "The destination folder could not be created. Nothing was installed:\r\n%1";
    t.noCopiado = "The installation is not complete. These could not be copied:\r\n%1";
    t.accesosNoCreados = "The game is installed, but the shortcuts could not be made in:\r\n%1";
    t.carpetaDentroDeOrigen =
        "The destination folder cannot be the folder you install from, nor lie inside "
        "it:\r\n%1";
    t.configuracionNoEscrita =
        "The settings could not be written; your changes were not saved:\r\n%1";
    return t;
}

}  // namespace

const Textos& TextosDe(int idioma) {
    static const Textos espanol = Espanol();
    static const Textos ingles = Ingles();
    return idioma == kIngles ? ingles : espanol;
}

}  // namespace polvareda::setup
