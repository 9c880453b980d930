// The window's keys: Escape and Alt+F4 press the buttons, a capture takes the five game keys,
// Up and Down scroll the credits.
#include <QKeyEvent>

#include "Instalar.h"
#include "TeclasQt.h"

namespace polvareda::setup {

namespace {

constexpr int kEscape = 27;
constexpr int kF4 = 115;
constexpr int kAlt = 4;
constexpr int kArriba = 38;
constexpr int kAbajo = 40;

}  // namespace

void Instalar::keyPressEvent(QKeyEvent* evento) {
    const int tecla = TeclaVirtual(*evento);
    const int shift = EstadoShift(evento->modifiers());
    if (evento->isAutoRepeat() && tecla != kArriba && tecla != kAbajo) return;
    if (shift == kAlt && tecla == kF4) {
        PulsarBoton(2);
    } else if (tecla == kEscape) {
        PulsarBoton(boton_[2]->isVisible() ? 2 : 1);
    } else if (teclas_.Capturando()) {
        if (teclas_.Pulsar(tecla)) {
            if (teclas_.Capturando())
                PonerTextos(idioma_);
            else
                TerminarCaptura();
        }
    } else if (CreditosAbiertos() && (tecla == kAbajo || tecla == kArriba)) {
        Desplazar(tecla == kAbajo ? 1 : -1);
    } else {
        QWidget::keyPressEvent(evento);
    }
}

void Instalar::EmpezarCaptura() {
    if (teclas_.Capturando() || CreditosAbiertos()) return;
    iconosDibujados_ = false;
    update();
    for (int i = 0; i < 7; ++i) {
        cuadro_[static_cast<std::size_t>(i)]->hide();
        etiquetaIcono_[static_cast<std::size_t>(i)]->hide();
    }
    etiqueta_[6]->hide();
    etiqueta_[7]->hide();
    etiqueta_[4]->hide();
    boton_[1]->hide();
    teclas_.Empezar();
    PonerTextos(idioma_);
    etiqueta_[0]->show();
    etiqueta_[1]->show();
    setFocus();
}

void Instalar::TerminarCaptura() {
    for (int i = 0; i < 7; ++i) {
        cuadro_[static_cast<std::size_t>(i)]->show();
        etiquetaIcono_[static_cast<std::size_t>(i)]->show();
    }
    etiqueta_[4]->show();
    etiqueta_[6]->show();
    etiqueta_[7]->show();
    boton_[1]->show();
    PonerTextos(idioma_);
    PrepararVentana(false);
}

}  // namespace polvareda::setup
