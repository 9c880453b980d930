// A picture or caption of the setup window that answers the mouse.
#include "Pulsable.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace polvareda::setup {

void Pulsable::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) emit Pulsado();
}

void Pulsable::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    emit Soltado();
    if (rect().contains(evento->position().toPoint())) emit Clic();
}

void Pulsable::enterEvent(QEnterEvent* evento) {
    QLabel::enterEvent(evento);
    emit Encima();
}

void Pulsable::mouseMoveEvent(QMouseEvent* evento) {
    QLabel::mouseMoveEvent(evento);
    emit Encima();
}

Flecha::Flecha(bool arriba, QWidget* padre) : Pulsable(padre), arriba_(arriba) {
    setMouseTracking(true);
}

void Flecha::paintEvent(QPaintEvent*) {
    // A solid triangle in the frame colour of the window, with a cream edge.
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const int h = height();
    QPolygon triangulo;
    if (arriba_) {
        triangulo << QPoint(w / 2, 6) << QPoint(w - 5, h - 8) << QPoint(4, h - 8);
    } else {
        triangulo << QPoint(4, 8) << QPoint(w - 5, 8) << QPoint(w / 2, h - 6);
    }
    pintor.setPen(QPen(QColor(255, 255, 221), 2));
    pintor.setBrush(QColor(160, 128, 96));
    pintor.drawPolygon(triangulo);
}

}  // namespace polvareda::setup
