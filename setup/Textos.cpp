// The caption table: every caption in Spanish and English, side by side. The version line is
// made from the release numbers.
#include "Textos.h"

#include <cstddef>

namespace polvareda::setup {

namespace {

QString Version(const char* palabra) {
    return QString::fromUtf8(palabra) + QString::number(kVersionMayor) + "." +
           QString::number(kVersionMenor);
}

// One caption: the field it fills, in Spanish and in English (UTF-8).
struct Fila {
    QString Textos::*campo;
    const char* texto[2];
};

const Fila kFilas[] = {
    {&Textos::carpetaJuego, {"Carpeta de destino del juego:", "Destination folder for the game:"}},
    {&Textos::carpetaAccesos,
     {"Carpeta de destino de los accesos directos:", "Destination folder for the links:"}},
    {&Textos::abrirLeeme, {"Abrir LeeMe.TXT antes de instalar", "Open ReadMe.TXT before install"}},
    {&Textos::cargarJuego, {"Cargar el juego después de instalar", "Run the game after install"}},
    {&Textos::instalar, {"Instalar", "Install"}},
    {&Textos::salir, {"Salir", "Exit"}},
    {&Textos::aceptar, {"Aceptar", "OK"}},
    {&Textos::cancelar, {"Cancelar", "Cancel"}},
    {&Textos::tituloPrograma, {"Programa de Instalación", "SetUp"}},
    {&Textos::extensionGrafica, {"E&xtensión gráfica", "E&xtended graphics"}},
    {&Textos::xgaPredeterminada, {"&Predeterminada", "&Default"}},
    {&Textos::directDraw,
     {"&Direct Draw 320x200 (recomendado)", "&Direct Draw 320x200 (recommended)"}},
    {&Textos::resoluciones, {"&Resoluciones alternativas", "Alternative dis&plays"}},
    {&Textos::pantallaCompleta, {"&Pantalla completa", "&Fullscreen"}},
    {&Textos::forzarPantallaCompleta,
     {"&Forzar pantalla completa (no recomendado)", "For&ce fullscreen (not recommended)"}},
    {&Textos::scroll,
     {"&Scroll rápido (para procesadores lentos)", "Fast &scroll (for slow computers)"}},
    {&Textos::aspecto43,
     {"Imagen a &4:3, como en los monitores de antes",
      "Picture at &4:3, as the old monitors showed it"}},
    {&Textos::nitido,
     {"Píxeles &nítidos (ampliación entera)", "Sharp &pixels (whole enlargements only)"}},
    {&Textos::efectosDeSonido, {"Efectos de &sonido", "&Sound effects"}},
    {&Textos::musica, {"Temas &musicales", "&Music themes"}},
    {&Textos::redefinir, {"Redefinir", "Redefine"}},
    {&Textos::noEsperarPuertas,
     {"No esperar &puertas abiertas para terminar fase (variante A)",
      "Finish phase despite open &doors (variant A)"}},
    {&Textos::vidaExtra,
     {"Vida e&xtra en el duelo (variante B)", "E&xtra life in the duel (variant B)"}},
    {&Textos::chicaAmenazada,
     {"La chica puede ser amenazada (variante C)", "The &girl can be threatened (variant C)"}},
    {&Textos::vsync,
     {"Esperar al &refresco de la pantalla (sin cortes al desplazar)",
      "Wait for the display's &refresh (no tearing while scrolling)"}},
    {&Textos::mando, {"&Botones del mando", "&Controller buttons"}},
    {&Textos::pausaMando, {"Pausa", "Pause"}},
    {&Textos::atrasMando, {"Atrás", "Back"}},
    {&Textos::predeterminadas, {"&Predeterminadas", "&Default"}},
    {&Textos::restaurar, {"&Restaurar puntuaciones", "&Restore scores"}},
    {&Textos::polvareda, {"'Polvareda' (Ferrosol)", "'Polvareda' (Ferrosol)"}},
    {&Textos::descargar, {"&Descargar", "&Download"}},
    {&Textos::acercaDe, {"Acerca de", "About"}},
    {&Textos::creditoPrograma, {"PROGRAMA, GRÁFICOS Y SONIDO:", "PROGRAM, GRAPHICS AND SOUND:"}},
    {&Textos::creditoVoces, {"VOCES:", "VOICES:"}},
    {&Textos::creditoTraductores, {"TRADUCTORES:", "TRANSLATORS:"}},
    {&Textos::creditoProbadores, {"PROBADORES:", "TESTERS:"}},
    {&Textos::portalTexto, {"• • • Distribuido por", "• • • Distributed by"}},
    {&Textos::pulsaUnaTecla, {"Pulsa una tecla para:", "Push a key for:"}},
    {&Textos::confirmarCancelar,
     {"¿Seguro que quieres cancelar la instalación?",
      "Are you sure you want to cancel installation?"}},
    {&Textos::crearCarpeta,
     {"La carpeta de destino no existe, ¿deseas crearla?",
      "Destination folder doesn't exist, do you want to create it?"}},
    {&Textos::instalacionTerminada,
     {"La instalación ha finalizado.\r\n\r\nGracias por confiar en nuestro programa.",
      "Installation has finished.\r\n\r\nThank you for trust in our software."}},
    {&Textos::noHayCarpeta,
     {"La carpeta de destino no existe. No se ha instalado nada:\r\n%1",
      "The destination folder does not exist. Nothing was installed:\r\n%1"}},
    {&Textos::carpetaNoCreada,
     {"No se ha podido crear la carpeta de destino. No se ha instalado nada:\r\n%1",
      "The destination folder could not be created. Nothing was installed:\r\n%1"}},
    {&Textos::noCopiado,
     {"La instalación no se ha completado. No se ha podido copiar:\r\n%1",
      "The installation is not complete. These could not be copied:\r\n%1"}},
    {&Textos::accesosNoCreados,
     {"El juego está instalado, pero no se han podido crear los accesos directos en:\r\n%1",
      "The game is installed, but the shortcuts could not be made in:\r\n%1"}},
    {&Textos::carpetaDentroDeOrigen,
     {"La carpeta de destino no puede ser la carpeta de la que se instala ni estar dentro de "
      "ella:\r\n%1",
      "The destination folder cannot be the folder you install from, nor lie inside it:\r\n%1"}},
    {&Textos::configuracionNoEscrita,
     {"No se ha podido escribir la configuración; tus cambios no se han guardado:\r\n%1",
      "The settings could not be written; your changes were not saved:\r\n%1"}},
};

// The menu icons' captions and the five controls' names, in the same two columns.
const char* const kIconos[7][2] = {{"Pantalla", "Display"}, {"Sonido", "Sound"},
                                   {"Teclado", "Keyboard"}, {"Idioma", "Language"},
                                   {"Opciones", "Options"}, {"Internet", "Internet"},
                                   {"Créditos", "Credits"}};
const char* const kNombresTeclas[5][2] = {{"Izquierda", "Left"},
                                          {"Derecha", "Right"},
                                          {"Disparo 1", "Shoot 1"},
                                          {"Disparo 2", "Shoot 2"},
                                          {"Disparo 3", "Shoot 3"}};

Textos EnIdioma(int columna) {
    Textos t;
    for (const Fila& fila : kFilas) t.*fila.campo = QString::fromUtf8(fila.texto[columna]);
    for (std::size_t i = 0; i < t.iconos.size(); ++i)
        t.iconos[i] = QString::fromUtf8(kIconos[i][columna]);
    for (std::size_t i = 0; i < t.nombresTeclas.size(); ++i)
        t.nombresTeclas[i] = QString::fromUtf8(kNombresTeclas[i][columna]);
    t.version = Version(columna == kEspanol ? "Versión " : "Version ");
    t.polvaredaPlus =
        (columna == kEspanol ? "\"Polvareda &Plus\" en '" : "\"Polvareda &Plus\" in '") +
        kNombreSitio + "'";
    return t;
}

}  // namespace

const Textos& TextosDe(int idioma) {
    static const Textos espanol = EnIdioma(kEspanol);
    static const Textos ingles = EnIdioma(kIngles);
    return idioma == kIngles ? ingles : espanol;
}

}  // namespace polvareda::setup
