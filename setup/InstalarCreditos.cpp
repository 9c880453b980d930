// The credits screen: rows of names under their headings, scrolled by 16 pixels a step, with
// links that open a mail to the person.
#include <QMouseEvent>

#include "Creditos.h"
#include "Instalar.h"

namespace polvareda::setup {

namespace {

constexpr int kArribaVisible = 172;  // the first line's top when the list is at its start
constexpr int kAbajoVisible = 388;   // lines at or below this are hidden
constexpr int kUltimaAbajo = 372;    // the last name's top when the list is at its end
constexpr int kPaso = 16;

void Mostrar(QLabel* linea) {
    linea->setVisible(linea->y() >= kArribaVisible && linea->y() < kAbajoVisible);
}

}  // namespace

void Instalar::AbrirCreditos() {
    if (CreditosAbiertos() || teclas_.Capturando()) return;
    iconosDibujados_ = false;
    update();
    for (int i = 0; i < 7; ++i) {
        cuadro_[static_cast<std::size_t>(i)]->hide();
        etiquetaIcono_[static_cast<std::size_t>(i)]->hide();
    }
    etiqueta_[5]->hide();
    etiqueta_[6]->hide();
    etiqueta_[7]->hide();
    boton_[2]->hide();

    const std::vector<NombreCreditos> entradas = EntradasCreditos(traductores_);
    int izquierda = 120;
    int arriba = 148;  // the hidden template name's top
    int ancho = 0;
    for (std::size_t i = 0; i < entradas.size(); ++i) {
        const NombreCreditos& e = entradas[i];
        if (i == 0 || e.fila != entradas[i - 1].fila) {
            auto* encabezado = new QLabel(this);
            encabezado->setFont(Fuente(13, true));
            encabezado->move(112, arriba + 24);
            encabezados_.push_back(encabezado);
            lineasCreditos_.push_back(encabezado);
            arriba += 40;
            izquierda = 120;
        } else {
            izquierda += ancho + 16;
        }
        auto* nombre = new Pulsable(e.nombre, this);
        nombre->setFont(Fuente(11, true));
        nombre->adjustSize();
        nombre->move(izquierda, arriba);
        ancho = nombre->width();
        nombre->setMouseTracking(true);
        if (!e.enlace.isEmpty()) {
            // A link: dark blue, the hand, underlined under the pointer, white while pressed.
            QPalette paleta = nombre->palette();
            paleta.setColor(QPalette::WindowText, QColor(0, 0, 128));
            paleta.setColor(QPalette::Window, Qt::white);
            nombre->setPalette(paleta);
            Clicable(nombre);
            nombre->setProperty("enlace", true);
            const QUrl enlace(e.enlace);
            connect(nombre, &Pulsable::Clic, this, [this, enlace] { servicios_.Abrir(enlace); });
            connect(nombre, &Pulsable::Pulsado, nombre,
                    [nombre] { nombre->setAutoFillBackground(true); });
            connect(nombre, &Pulsable::Soltado, nombre,
                    [nombre] { nombre->setAutoFillBackground(false); });
        }
        connect(nombre, &Pulsable::Encima, this, [this, nombre] {
            for (Pulsable* otro : nombres_) {
                QFont f = otro->font();
                f.setUnderline(otro == nombre && otro->property("enlace").toBool());
                otro->setFont(f);
            }
        });
        nombres_.push_back(nombre);
        lineasCreditos_.push_back(nombre);
    }
    PonerTextos(idioma_);
    for (QLabel* linea : lineasCreditos_) Mostrar(linea);
    portal_->show();
    portalBorde_->show();
    portalTexto_->show();
    flecha_[0]->show();
    flecha_[1]->show();
}

void Instalar::CerrarCreditos() {
    for (QLabel* linea : lineasCreditos_) delete linea;
    lineasCreditos_.clear();
    encabezados_.clear();
    nombres_.clear();
    portal_->hide();
    portalBorde_->hide();
    portalTexto_->hide();
    flecha_[0]->hide();
    flecha_[1]->hide();
    for (int i = 0; i < 7; ++i) {
        cuadro_[static_cast<std::size_t>(i)]->show();
        etiquetaIcono_[static_cast<std::size_t>(i)]->show();
    }
    etiqueta_[5]->show();
    etiqueta_[6]->show();
    etiqueta_[7]->show();
    boton_[2]->show();
    PrepararVentana(false);
}

void Instalar::Desplazar(int paso) {
    if (!CreditosAbiertos()) return;
    // Down while the last name is still below its end place, Up while the first heading is
    // above its start place. A list shorter than the window does not move at all.
    if (paso > 0 && nombres_.back()->y() <= kUltimaAbajo) return;
    if (paso < 0 && encabezados_.front()->y() >= kArribaVisible) return;
    for (QLabel* linea : lineasCreditos_) {
        linea->move(linea->x(), linea->y() - paso * kPaso);
        Mostrar(linea);
    }
}

}  // namespace polvareda::setup
