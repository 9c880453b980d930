// The setup window: its controls, the start-up, the captions and the painting.
#include "Instalar.h"

#include <QCloseEvent>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <system_error>

#include "Instalacion.h"

namespace polvareda::setup {

namespace fs = std::filesystem;

namespace {

const QColor kCrema(255, 255, 221);
const QColor kTierra(160, 128, 96);
const QColor kFondoCampo(255, 255, 204);

QPixmap Imagen(const QString& nombre) {
    return QPixmap(QStringLiteral(":/imagenes/") + nombre);
}

// An icon strip (picture over its mask) as one picture with transparency: the mask's white
// lets the window show through, as the masked copy did.
QPixmap Icono(const QString& nombre) {
    const QImage tira = Imagen(nombre).toImage().convertToFormat(QImage::Format_RGB32);
    QImage icono(48, 48, QImage::Format_ARGB32);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const bool transparente = qRed(tira.pixel(x, y + 48)) > 127;
            icono.setPixel(x, y, transparente ? 0u : tira.pixel(x, y) | 0xFF000000u);
        }
    }
    return QPixmap::fromImage(icono);
}

QLabel* Etiquetar(QWidget* padre, const QRect& caja, const QFont& fuente) {
    auto* etiqueta = new QLabel(padre);
    etiqueta->setGeometry(caja);
    etiqueta->setFont(fuente);
    return etiqueta;
}

void Colorear(QWidget* control, const QColor& texto, const QColor& fondo = QColor()) {
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::WindowText, texto);
    if (fondo.isValid()) {
        paleta.setColor(QPalette::Window, fondo);
        control->setAutoFillBackground(true);
    }
    control->setPalette(paleta);
}

}  // namespace

QFont Fuente(int pixeles, bool negrita) {
    QFont fuente(QStringLiteral("Liberation Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(pixeles);
    fuente.setBold(negrita);
    return fuente;
}

Instalar::Instalar(const Entorno& entorno, Servicios& servicios)
    : entorno_(entorno), servicios_(servicios) {
    setFixedSize(480, 460);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    fondo_ = Imagen(QStringLiteral("setup/fondo.png"));
    const char* nombres[7] = {"pantalla", "sonido",   "teclado", "idioma",
                              "opciones", "internet", "creditos"};
    for (std::size_t i = 0; i < iconos_.size(); ++i) {
        iconos_[i] = Icono(QStringLiteral("setup/icono_%1.png").arg(nombres[i]));
    }
    boton_normal_ = Imagen(QStringLiteral("setup/boton.png"));
    boton_pulsado_ = Imagen(QStringLiteral("setup/boton_pulsado.png"));
    examinar_normal_ = Imagen(QStringLiteral("setup/examinar.png"));
    examinar_pulsado_ = Imagen(QStringLiteral("setup/examinar_pulsado.png"));
    mano_ = QCursor(Imagen(QStringLiteral("setup/mano.png")), 5, 0);

    // The program folder and the product title.
    CrearControles();
    etiqueta_[6]->setText(QStringLiteral("Polvareda Plus"));
    etiqueta_[7]->setText(QStringLiteral("Polvareda Plus"));

    // The game's icon in the corner, when the game lies beside this program.
    std::error_code error;
    if (fs::is_regular_file(entorno_.carpetaPrograma / NombreJuego().toStdString(), error)) {
        iconoJuego_ = Imagen(QStringLiteral("icono.png"))
                          .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    // The window's own language.
    instalacion_ = !entorno_.Paquete() && !EstaInstalado(entorno_.carpetaPrograma);
    PonerTextos(IdiomaDeSetUp(entorno_.CarpetaSetUp()));

    // The mode: an installed game is configured, anything else is installed from.
    if (instalacion_) {
        CarpetasPorDefecto();
    } else {
        PrepararVentana(true);
        // No field takes the keys in this mode: the window does (Escape, the capture).
        setFocus();
    }
    setWindowTitle(etiqueta_[8]->text());
    setWindowIcon(QIcon(Imagen(QStringLiteral("icono.png"))));
}

void Instalar::Clicable(QWidget* control) {
    control->setCursor(mano_);
}

Pulsable* Instalar::CrearBoton(int i, int x) {
    auto* boton = new Pulsable(this);
    boton->setGeometry(x, 416, 75, 23);
    boton->setPixmap(boton_normal_);
    Clicable(boton);
    // The caption lies on the button; the mouse reaches the button through it.
    auto* caption = Etiquetar(boton, QRect(0, 4, 75, 13), Fuente(11, false));
    caption->setAlignment(Qt::AlignCenter);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    Colorear(caption, kCrema);
    etiqueta_[static_cast<std::size_t>(i + 3)] = caption;
    connect(boton, &Pulsable::Pulsado, this, [this, boton] { boton->setPixmap(boton_pulsado_); });
    connect(boton, &Pulsable::Soltado, this, [this, boton] { boton->setPixmap(boton_normal_); });
    connect(boton, &Pulsable::Clic, this, [this, i] { PulsarBoton(i); });
    return boton;
}

Pulsable* Instalar::CrearCasilla(int y, int indiceEtiqueta) {
    auto* casilla = new Pulsable(this);
    casilla->setGeometry(120, y, 13, 13);
    casilla->setPixmap(Imagen(QStringLiteral("setup/casilla.png")));
    auto* marca = new QLabel(casilla);
    marca->setGeometry(0, 0, 13, 13);
    marca->setPixmap(Imagen(QStringLiteral("setup/marca.png")));
    marca->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (indiceEtiqueta == 2)
        marcaLeeme_ = marca;
    else
        marcaCargar_ = marca;
    // Both start ticked; the box and its caption turn the tick.
    auto* caption = new Pulsable(this);
    caption->setGeometry(144, y - 1, 300, 16);
    caption->setFont(Fuente(13, true));
    etiqueta_[static_cast<std::size_t>(indiceEtiqueta)] = caption;
    if (indiceEtiqueta == 2) Clicable(casilla);
    Clicable(caption);
    for (Pulsable* p : {casilla, caption}) {
        connect(p, &Pulsable::Clic, this, [marca] { marca->setVisible(!marca->isVisible()); });
    }
    return casilla;
}

void Instalar::CrearControles() {
    const QFont titulo = Fuente(32, true);
    // The shadow first, so that the title lies over it.
    etiqueta_[7] = Etiquetar(this, QRect(122, 167, 303, 35), titulo);
    Colorear(etiqueta_[7], kTierra);
    etiqueta_[6] = Etiquetar(this, QRect(120, 167, 303, 35), titulo);
    Colorear(etiqueta_[6], kCrema);
    // The boxes of the first folder caption, the program title and the version line are wider
    // than designed: the free font runs a little wider than the one the window was drawn for.
    etiqueta_[8] = Etiquetar(this, QRect(120, 16, 270, 16), Fuente(13, false));
    etiqueta_[9] = Etiquetar(this, QRect(120, 32, 270, 16), Fuente(13, false));
    etiqueta_[0] = Etiquetar(this, QRect(120, 224, 281, 16), Fuente(13, true));
    etiqueta_[1] = Etiquetar(this, QRect(120, 280, 284, 16), Fuente(13, true));

    for (int n : {1, 2}) {
        auto* campo = new QLineEdit(this);
        campo->setGeometry(120, n == 1 ? 248 : 304, 281, 19);
        campo->setFont(Fuente(12, false));
        QPalette paleta = campo->palette();
        paleta.setColor(QPalette::Base, kFondoCampo);
        paleta.setColor(QPalette::Text, Qt::black);
        campo->setPalette(paleta);
        ruta_[static_cast<std::size_t>(n)] = campo;
        auto* examinar = new Pulsable(this);
        examinar->setGeometry(408, n == 1 ? 248 : 304, 19, 19);
        examinar->setPixmap(examinar_normal_);
        Clicable(examinar);
        connect(examinar, &Pulsable::Pulsado, this,
                [this, examinar] { examinar->setPixmap(examinar_pulsado_); });
        connect(examinar, &Pulsable::Soltado, this,
                [this, examinar] { examinar->setPixmap(examinar_normal_); });
        connect(examinar, &Pulsable::Clic, this, [this, n] { Elegir(n); });
        examinar_[static_cast<std::size_t>(n)] = examinar;
    }
    // The shortcut folder is always under the applications folder: no browsing for it.
    examinar_[2]->hide();

    leeme_ = CrearCasilla(344, 2);
    cargar_ = CrearCasilla(376, 3);
    boton_[1] = CrearBoton(1, 120);
    boton_[2] = CrearBoton(2, 208);

    const char* plaquetas[2] = {"setup/idioma_es.png", "setup/idioma_en.png"};
    const QString ayudas[2] = {QString::fromUtf8("Español"), QStringLiteral("English")};
    for (int n : {0, 1}) {
        auto* plaqueta = new Pulsable(this);
        plaqueta->setGeometry(400 + 24 * n, 51, 16, 12);
        plaqueta->setPixmap(Imagen(QString::fromLatin1(plaquetas[n])));
        plaqueta->setToolTip(ayudas[n]);
        Clicable(plaqueta);
        connect(plaqueta, &Pulsable::Clic, this, [this, n] {
            if (n != idioma_) PonerTextos(n);
        });
        idiomaIco_[static_cast<std::size_t>(n)] = plaqueta;
    }

    for (int i = 0; i < 7; ++i) {
        auto* cuadro = new Pulsable(this);
        cuadro->resize(56, 56);
        cuadro->hide();
        auto* caption = new Pulsable(this);
        caption->setAlignment(Qt::AlignCenter);
        caption->hide();
        for (Pulsable* p : {cuadro, caption}) {
            Clicable(p);
            p->setMouseTracking(true);
            connect(p, &Pulsable::Clic, this, [this, i] { AlIcono(i); });
            connect(p, &Pulsable::Encima, this, [this, i] { Resaltar(i); });
        }
        cuadro_[static_cast<std::size_t>(i)] = cuadro;
        etiquetaIcono_[static_cast<std::size_t>(i)] = caption;
    }
    Resaltar(-1);

    // The credits' logo, its frame, its line and the arrows.
    portalBorde_ = new QLabel(this);
    portalBorde_->setGeometry(360, 404, 104, 40);
    portalBorde_->setStyleSheet(QStringLiteral("border: 2px solid rgb(160, 128, 96);"));
    portal_ = new Pulsable(this);
    portal_->setGeometry(362, 406, 100, 36);
    portal_->setPixmap(Imagen(QStringLiteral("setup/logo.png")));
    Clicable(portal_);
    connect(portal_, &Pulsable::Clic, this, [this] { AbrirLeeme(); });
    portalTexto_ = Etiquetar(this, QRect(240, 404, 116, 13), Fuente(11, true));
    for (int n : {0, 1}) {
        auto* flecha = new Flecha(n == 0, this);
        flecha->setGeometry(432, n == 0 ? 168 : 360, 34, 33);
        Clicable(flecha);
        connect(flecha, &Pulsable::Encima, this, [this, n] { Desplazar(n == 0 ? -1 : 1); });
        flecha_[static_cast<std::size_t>(n)] = flecha;
    }
    for (QWidget* w : {static_cast<QWidget*>(portalBorde_), static_cast<QWidget*>(portal_),
                       static_cast<QWidget*>(portalTexto_), static_cast<QWidget*>(flecha_[0]),
                       static_cast<QWidget*>(flecha_[1])}) {
        w->hide();
    }

    menus_ = new MenusOpciones(this);
    connect(menus_, &MenusOpciones::RestaurarPuntuaciones, this, [this] {
        std::error_code error;
        fs::remove(entorno_.Jugador() / "Polvareda.DAT", error);
    });
    connect(menus_, &MenusOpciones::AbrirEnlace, this, [this] { AbrirLeeme(); });
    connect(menus_->redefinir, &QAction::triggered, this, [this] { EmpezarCaptura(); });
}

bool Instalar::LeemeMarcado() const {
    return !marcaLeeme_->isHidden();
}

bool Instalar::CargarMarcado() const {
    return !marcaCargar_->isHidden();
}

void Instalar::PonerTextos(int idioma) {
    if (idioma != kEspanol && idioma != kIngles) {
        idioma_ = idioma;
        return;
    }
    idioma_ = idioma;
    const Textos& t = TextosDe(idioma);
    if (teclas_.Capturando()) {
        etiqueta_[0]->setText(t.pulsaUnaTecla);
        etiqueta_[1]->setText(t.nombresTeclas[static_cast<std::size_t>(teclas_.Control())]);
        return;
    }
    etiqueta_[0]->setText(t.carpetaJuego);
    etiqueta_[1]->setText(t.carpetaAccesos);
    etiqueta_[2]->setText(t.abrirLeeme);
    etiqueta_[3]->setText(t.cargarJuego);
    etiqueta_[4]->setText(instalacion_ ? t.instalar : t.aceptar);
    etiqueta_[5]->setText(instalacion_ ? t.salir : t.cancelar);
    etiqueta_[8]->setText(t.tituloPrograma);
    etiqueta_[9]->setText(t.version);
    for (std::size_t i = 0; i < t.iconos.size(); ++i) etiquetaIcono_[i]->setText(t.iconos[i]);
    menus_->PonerTextos(t);
    portalTexto_->setText(t.portalTexto);
    // The credits' headings, by row: program, voices, translators (when there are any) and
    // testers.
    if (!encabezados_.empty()) {
        std::vector<QString> titulos = {t.creditoPrograma, t.creditoVoces};
        if (!traductores_.empty()) titulos.push_back(t.creditoTraductores);
        titulos.push_back(t.creditoProbadores);
        for (std::size_t i = 0; i < encabezados_.size() && i < titulos.size(); ++i) {
            encabezados_[i]->setText(titulos[i]);
            encabezados_[i]->adjustSize();
        }
    }
    setWindowTitle(t.tituloPrograma);
}

void Instalar::paintEvent(QPaintEvent*) {
    // With POLVAREDA_TIEMPOS set, the moment of the first paint goes to standard error in
    // milliseconds of the wall clock, for the start-up benchmark.
    if (!pintada_ && qEnvironmentVariableIsSet("POLVAREDA_TIEMPOS")) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        std::fprintf(stderr, "SetUp: ventana %lld\n", static_cast<long long>(ms.count()));
    }
    pintada_ = true;
    QPainter pintor(this);
    pintor.drawPixmap(0, 0, fondo_);
    if (!iconoJuego_.isNull()) pintor.drawPixmap(0, 0, iconoJuego_);
    // The title's board belongs to the title: while the title is hidden (key capture, credits)
    // plain parchment from above it covers the board, so the lines written there stay legible.
    if (etiqueta_[6]->isHidden()) {
        pintor.drawPixmap(QRect(112, 158, 355, 53), fondo_, QRect(112, 96, 355, 53));
    }
    if (!iconosDibujados_) return;
    for (int i = 0; i < 7; ++i) {
        const QPoint p = PosicionIcono(i);
        pintor.setPen(kTierra);
        pintor.drawRect(p.x() - 4, p.y() - 4, 56, 56);
        pintor.setPen(kCrema);
        pintor.drawRect(p.x() - 3, p.y() - 3, 56, 56);
        pintor.drawPixmap(p, iconos_[static_cast<std::size_t>(i)]);
    }
}

void Instalar::mouseMoveEvent(QMouseEvent* evento) {
    // The bare window: no caption highlighted, no link underlined.
    Resaltar(-1);
    for (Pulsable* nombre : nombres_) {
        QFont f = nombre->font();
        f.setUnderline(false);
        nombre->setFont(f);
    }
    QWidget::mouseMoveEvent(evento);
}

void Instalar::Resaltar(int icono) {
    for (int i = 0; i < 7; ++i) {
        Pulsable* caption = etiquetaIcono_[static_cast<std::size_t>(i)];
        const bool resaltada = i == icono;
        caption->setFont(Fuente(11, resaltada));
        Colorear(caption, resaltada ? kTierra : kCrema, resaltada ? kCrema : kTierra);
    }
}

void Instalar::closeEvent(QCloseEvent* evento) {
    // The window manager's close (Alt+F4 on most desktops) acts as the Exit/Cancel button; the
    // program ends through that button's path, or not at all.
    evento->ignore();
    PulsarBoton(2);
}

}  // namespace polvareda::setup
