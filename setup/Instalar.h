// The setup window: a fixed 480 x 460 form that installs the game from the distribution
// folder (installation mode) or edits the settings of an installed game (configuration mode),
// in Spanish or English.
#pragma once

#include <QLineEdit>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "CapturaTeclas.h"
#include "MenusOpciones.h"
#include "Pulsable.h"
#include "Servicios.h"
#include "Textos.h"

namespace polvareda::setup {

// Where the window lives: the folders it works with and how it was started.
struct Entorno {
    std::filesystem::path carpetaPrograma;      // where this program (and the game) lies
    std::filesystem::path carpetaPersonal;      // the user's home folder
    std::filesystem::path carpetaAplicaciones;  // the desktop's applications folder
    bool juego = false;                         // started with "/juego"
    // An installed package keeps the game's data apart from the programs and the player's
    // settings and scores in the user's data folder, as the game does; empty: the program's
    // own folder, as for a game installed by this program.
    std::filesystem::path carpetaDatos;
    std::filesystem::path carpetaJugador;

    const std::filesystem::path& Datos() const {
        return carpetaDatos.empty() ? carpetaPrograma : carpetaDatos;
    }
    const std::filesystem::path& Jugador() const {
        return carpetaJugador.empty() ? carpetaPrograma : carpetaJugador;
    }
    // A package's programs are never an installation source: it is always configured.
    bool Paquete() const { return Datos() != carpetaPrograma; }
    // SetUp.INF: beside the program, or with the player's files for a package.
    const std::filesystem::path& CarpetaSetUp() const {
        return Paquete() ? Jugador() : carpetaPrograma;
    }
};

// The window's fonts: a free font at the sizes the window was designed with, in pixels so that the
// fixed layout holds on any screen.
QFont Fuente(int pixeles, bool negrita);

class Instalar : public QWidget {
    Q_OBJECT

  public:
    Instalar(const Entorno& entorno, Servicios& servicios);

    // The caption routine: every caption and message for language 0 or 1; any other number
    // is only stored.
    void PonerTextos(int idioma);
    int Idioma() const { return idioma_; }
    bool ModoInstalacion() const { return instalacion_; }
    // The Install button pressed with these two folders in the fields and both tick boxes
    // cleared (no read-me, nothing started after); false, doing nothing, in configuration mode.
    bool InstalarEn(const QString& juego, const QString& accesos);

    // The controls, for the tests and the screenshots.
    QLabel* Etiqueta(int i) const { return etiqueta_[static_cast<std::size_t>(i)]; }
    QLineEdit* Ruta(int i) const { return ruta_[static_cast<std::size_t>(i)]; }
    Pulsable* Boton(int i) const { return boton_[static_cast<std::size_t>(i)]; }
    Pulsable* Examinar(int i) const { return examinar_[static_cast<std::size_t>(i)]; }
    Pulsable* CuadroIcono(int i) const { return cuadro_[static_cast<std::size_t>(i)]; }
    Pulsable* EtiquetaDeIcono(int i) const { return etiquetaIcono_[static_cast<std::size_t>(i)]; }
    Pulsable* IdiomaIco(int i) const { return idiomaIco_[static_cast<std::size_t>(i)]; }
    Pulsable* Leeme() const { return leeme_; }
    Pulsable* Cargar() const { return cargar_; }
    bool LeemeMarcado() const;
    bool CargarMarcado() const;
    Pulsable* Portal() const { return portal_; }
    Flecha* FlechaCreditos(int i) const { return flecha_[static_cast<std::size_t>(i)]; }
    MenusOpciones* Menus() const { return menus_; }
    const CapturaTeclas& Teclas() const { return teclas_; }
    const std::vector<QLabel*>& Encabezados() const { return encabezados_; }
    const std::vector<Pulsable*>& Nombres() const { return nombres_; }
    bool CreditosAbiertos() const { return !nombres_.empty(); }
    const std::vector<std::string>& Traductores() const { return traductores_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

  private:
    // Building the controls.
    void CrearControles();
    Pulsable* CrearBoton(int i, int x);
    Pulsable* CrearCasilla(int y, int etiqueta);
    void Clicable(QWidget* control);

    // Configuration mode: the icon layout and the reading of the settings.
    void PrepararVentana(bool leerConfiguracion);
    QPoint PosicionIcono(int i) const;
    void AlIcono(int i);
    void Resaltar(int icono);
    void Aceptar();
    void Cancelar();
    void EscribirIdiomaSetUp();

    // Installation mode.
    void CarpetasPorDefecto();
    void Elegir(int n);
    void InstalarJuego();
    void Salir();

    // Buttons and keys.
    void PulsarBoton(int i);
    void EmpezarCaptura();
    void TerminarCaptura();

    // Credits.
    void AbrirCreditos();
    void CerrarCreditos();
    void Desplazar(int paso);
    void AbrirLeeme();

    Entorno entorno_;
    Servicios& servicios_;
    int idioma_ = 0;
    bool instalacion_ = true;
    bool iconosDibujados_ = false;
    bool pintada_ = false;
    std::filesystem::path baseAccesos_;  // the applications folder the shortcut field is under

    QPixmap fondo_;
    QPixmap iconoJuego_;
    std::array<QPixmap, 7> iconos_;
    QPixmap boton_normal_, boton_pulsado_, examinar_normal_, examinar_pulsado_;
    QCursor mano_;

    std::array<QLabel*, 10> etiqueta_ = {};
    std::array<QLineEdit*, 3> ruta_ = {};
    std::array<Pulsable*, 3> examinar_ = {};
    std::array<Pulsable*, 3> boton_ = {};
    Pulsable* leeme_ = nullptr;
    Pulsable* cargar_ = nullptr;
    QLabel* marcaLeeme_ = nullptr;
    QLabel* marcaCargar_ = nullptr;
    std::array<Pulsable*, 7> cuadro_ = {};
    std::array<Pulsable*, 7> etiquetaIcono_ = {};
    std::array<Pulsable*, 2> idiomaIco_ = {};
    Pulsable* portal_ = nullptr;
    QLabel* portalBorde_ = nullptr;
    QLabel* portalTexto_ = nullptr;
    std::array<Flecha*, 2> flecha_ = {};
    MenusOpciones* menus_ = nullptr;

    CapturaTeclas teclas_;
    std::vector<std::string> traductores_;
    std::vector<QLabel*> encabezados_;  // credits headings, by row
    std::vector<Pulsable*> nombres_;    // credits names, by entry
    std::vector<QLabel*> lineasCreditos_;
};

}  // namespace polvareda::setup
