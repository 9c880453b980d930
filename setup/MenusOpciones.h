// The pop-up menus of the configuration window: their items, ticks and enabling rules, the
// reading of "Polvareda.INI" into them and the values they write back. Each item keeps its
// own state (its tick, and in its data what the settings file said), as the window shows it.
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CapturaTeclas.h"
#include "Configuracion.h"
#include "Listas.h"
#include "MenuMando.h"
#include "Textos.h"

namespace polvareda::setup {

class MenusOpciones : public QObject {
    Q_OBJECT

  public:
    explicit MenusOpciones(QWidget* ventana);

    // The pop-up of icon 0, 1, 3, 4 or 5 (the keyboard icon starts a capture instead; its
    // menu holds the single "Redefine" item).
    QMenu* Menu(int icono) const { return menus_[static_cast<std::size_t>(icono)]; }

    void PonerTextos(const Textos& textos);

    // The extensions and game languages found in the game folder.
    void Llenar(const std::vector<std::string>& extensiones,
                const std::vector<IdiomaJuego>& idiomas);

    // Sets every item from the text of "Polvareda.INI" (empty when missing); the key codes go
    // to `teclas`. `idiomaInterfaz` picks the game language when the file names none found.
    void Leer(std::string_view textoIni, int idiomaInterfaz, CapturaTeclas& teclas);

    // What OK writes, in its order.
    std::vector<ValorConfiguracion> Valores(const CapturaTeclas& teclas) const;

    // The items, for the window and the tests.
    QMenu* extensionGrafica = nullptr;
    QAction* xgaPredeterminada = nullptr;
    std::vector<QAction*> xga;
    QAction* directDraw = nullptr;
    QMenu* resoluciones = nullptr;
    std::array<QAction*, 5> res = {};
    QAction* pantallaCompleta = nullptr;
    QAction* forzarPantallaCompleta = nullptr;
    QAction* scroll = nullptr;
    QAction* aspecto43 = nullptr;  // [Pantalla] Aspecto
    QAction* nitido = nullptr;     // [Pantalla] Nitido
    QAction* vsync = nullptr;      // [Pantalla] VSync
    QAction* efectosDeSonido = nullptr;
    QAction* musica = nullptr;
    QAction* redefinir = nullptr;
    std::vector<QAction*> idiomas;
    QAction* noEsperarPuertas = nullptr;
    QAction* vidaExtra = nullptr;
    QAction* chicaAmenazada = nullptr;
    MenuMando* mando = nullptr;  // [Mando]
    QAction* predeterminadas = nullptr;
    QAction* restaurar = nullptr;
    QMenu* descargar = nullptr;
    QMenu* descargarPolvareda = nullptr;
    std::array<QAction*, 4> descargarVersion = {};
    QMenu* web = nullptr;
    QAction* polvaredaPlus = nullptr;
    QAction* polvareda = nullptr;
    QAction* buscarNuevaVersion = nullptr;

  signals:
    void RestaurarPuntuaciones();
    // A link of the Internet menu; we have no pages of our own, so the window opens the
    // local read-me for every one of them.
    void AbrirEnlace();

  private:
    QAction* Casilla(QMenu* menu, bool marcada, bool activa = true);
    void AlDirectDraw();
    void AlPantallaCompleta(QAction* pulsada);
    void AlPredeterminadas();
    void AlXga(QAction* pulsada);
    void AlIdioma(QAction* pulsada);
    void ActivarSegunDirectDraw();

    std::array<QMenu*, 6> menus_ = {};
};

}  // namespace polvareda::setup
