// A picture or caption of the setup window that answers the mouse: pressed, released, clicked
// (released over it) and the pointer coming over it.
#pragma once

#include <QLabel>

namespace polvareda::setup {

class Pulsable : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void Pulsado();
    void Soltado();
    void Clic();
    void Encima();

  protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void enterEvent(QEnterEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
};

// The credits' arrows: a triangle pointing up or down, drawn by us; moving the mouse over one
// scrolls the credits one step per movement.
class Flecha : public Pulsable {
    Q_OBJECT

  public:
    Flecha(bool arriba, QWidget* padre);

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    bool arriba_;
};

}  // namespace polvareda::setup
