// The option menus and their rules.
#include "MenusOpciones.h"

#include <tuple>

#include "IdiomaInicial.h"
#include "Numeros.h"
#include "Perfil.h"

namespace polvareda::setup {

namespace {

struct Resolucion {
    int ancho;
    int alto;
};
constexpr Resolucion kResoluciones[5] = {
    {320, 200}, {512, 384}, {640, 400}, {640, 480}, {800, 600}};
constexpr int kResolucionPorDefecto = 2;

// One key of the settings file with the default this window assumes for it.
std::string LeerClave(std::string_view textoIni, Clave clave, std::string_view porDefecto) {
    const DefinicionClave& d = Definicion(clave);
    return LeerValorPerfil(textoIni, d.seccion, d.nombre, porDefecto);
}

double LeerNumero(std::string_view textoIni, Clave clave, std::string_view porDefecto) {
    return Val(LeerClave(textoIni, clave, porDefecto));
}

std::string Bandera(const QAction* item) {
    return item->isChecked() ? "1" : "0";
}

}  // namespace

QAction* MenusOpciones::Casilla(QMenu* menu, bool marcada, bool activa) {
    QAction* item = menu->addAction(QString());
    item->setCheckable(true);
    item->setChecked(marcada);
    item->setEnabled(activa);
    return item;
}

MenusOpciones::MenusOpciones(QWidget* ventana) : QObject(ventana) {
    for (auto& menu : menus_) menu = new QMenu(ventana);

    // Display.
    QMenu* pantalla = menus_[0];
    extensionGrafica = pantalla->addMenu(QString());
    xgaPredeterminada = Casilla(extensionGrafica, true);
    extensionGrafica->addSeparator();
    connect(xgaPredeterminada, &QAction::triggered, this, [this] { AlXga(nullptr); });
    pantalla->addSeparator();
    directDraw = Casilla(pantalla, true);
    connect(directDraw, &QAction::triggered, this, [this] { AlDirectDraw(); });
    resoluciones = pantalla->addMenu(QString());
    for (std::size_t i = 0; i < res.size(); ++i) {
        res[i] = Casilla(resoluciones, i == kResolucionPorDefecto, false);
        res[i]->setText(
            QStringLiteral("%1x%2").arg(kResoluciones[i].ancho).arg(kResoluciones[i].alto));
        connect(res[i], &QAction::triggered, this, [this, i] {
            for (QAction* r : res) r->setChecked(false);
            res[i]->setChecked(true);
        });
    }
    pantalla->addSeparator();
    pantallaCompleta = Casilla(pantalla, true, false);
    forzarPantallaCompleta = Casilla(pantalla, false, false);
    connect(pantallaCompleta, &QAction::triggered, this,
            [this] { AlPantallaCompleta(pantallaCompleta); });
    connect(forzarPantallaCompleta, &QAction::triggered, this,
            [this] { AlPantallaCompleta(forzarPantallaCompleta); });
    pantalla->addSeparator();
    scroll = Casilla(pantalla, false);
    // How the game fits its picture to the screen.
    pantalla->addSeparator();
    aspecto43 = Casilla(pantalla, false);
    nitido = Casilla(pantalla, true);
    vsync = Casilla(pantalla, false);

    // Sound.
    efectosDeSonido = Casilla(menus_[1], true);
    musica = Casilla(menus_[1], true);

    // Keyboard: the icon starts the capture; the menu is never shown.
    redefinir = menus_[2]->addAction(QString());

    // Options.
    QMenu* opciones = menus_[4];
    noEsperarPuertas = Casilla(opciones, false);
    vidaExtra = Casilla(opciones, true);
    chicaAmenazada = Casilla(opciones, true);
    opciones->addSeparator();
    mando = new MenuMando(opciones);
    opciones->addSeparator();
    predeterminadas = Casilla(opciones, true);
    opciones->addSeparator();
    restaurar = opciones->addAction(QString());
    for (QAction* regla : {noEsperarPuertas, vidaExtra, chicaAmenazada}) {
        regla->setData(regla->isChecked());
    }
    connect(noEsperarPuertas, &QAction::triggered, this, [this](bool marcada) {
        noEsperarPuertas->setData(marcada);
        if (marcada && predeterminadas->isChecked()) {
            predeterminadas->setChecked(false);
            AlPredeterminadas();
        }
    });
    for (QAction* regla : {vidaExtra, chicaAmenazada}) {
        connect(regla, &QAction::triggered, this, [this](bool marcada) {
            if (!marcada) predeterminadas->setChecked(false);
        });
    }
    connect(predeterminadas, &QAction::triggered, this, [this] { AlPredeterminadas(); });
    connect(restaurar, &QAction::triggered, this, &MenusOpciones::RestaurarPuntuaciones);

    // Internet.
    QMenu* internet = menus_[5];
    descargar = internet->addMenu(QString());
    descargarPolvareda = descargar->addMenu(QStringLiteral("Polvareda (Ferrosol)"));
    for (std::size_t i = 0; i < descargarVersion.size(); ++i) {
        descargarVersion[i] = descargarPolvareda->addAction(QString::fromUtf8("Versión ") +
                                                            QChar(static_cast<char16_t>(u'A' + i)));
        connect(descargarVersion[i], &QAction::triggered, this, &MenusOpciones::AbrirEnlace);
    }
    web = internet->addMenu(QStringLiteral("Web"));
    polvaredaPlus = web->addAction(QString());
    connect(polvaredaPlus, &QAction::triggered, this, &MenusOpciones::AbrirEnlace);
    polvareda = internet->addAction(QString());
    polvareda->setVisible(false);
    internet->addSeparator()->setVisible(false);
    buscarNuevaVersion = internet->addAction(QString::fromUtf8("Buscar última versión"));
    buscarNuevaVersion->setVisible(false);
}

void MenusOpciones::PonerTextos(const Textos& t) {
    extensionGrafica->setTitle(t.extensionGrafica);
    xgaPredeterminada->setText(t.xgaPredeterminada);
    directDraw->setText(t.directDraw);
    resoluciones->setTitle(t.resoluciones);
    pantallaCompleta->setText(t.pantallaCompleta);
    forzarPantallaCompleta->setText(t.forzarPantallaCompleta);
    scroll->setText(t.scroll);
    aspecto43->setText(t.aspecto43);
    nitido->setText(t.nitido);
    vsync->setText(t.vsync);
    efectosDeSonido->setText(t.efectosDeSonido);
    musica->setText(t.musica);
    redefinir->setText(t.redefinir);
    noEsperarPuertas->setText(t.noEsperarPuertas);
    vidaExtra->setText(t.vidaExtra);
    chicaAmenazada->setText(t.chicaAmenazada);
    mando->PonerTextos(t.mando, {t.nombresTeclas[2], t.nombresTeclas[3], t.nombresTeclas[4],
                                 t.pausaMando, t.atrasMando});
    predeterminadas->setText(t.predeterminadas);
    restaurar->setText(t.restaurar);
    polvareda->setText(t.polvareda);
    polvaredaPlus->setText(t.polvaredaPlus);
    descargar->setTitle(t.descargar);
}

void MenusOpciones::Llenar(const std::vector<std::string>& extensiones,
                           const std::vector<IdiomaJuego>& lista) {
    for (const std::string& nombre : extensiones) {
        QAction* item = Casilla(extensionGrafica, false);
        // Shown as the file system spells it; written back as those very bytes.
        item->setText(QString::fromLocal8Bit(nombre.data(), static_cast<qsizetype>(nombre.size())));
        item->setData(QByteArray::fromStdString(nombre));
        connect(item, &QAction::triggered, this, [this, item] { AlXga(item); });
        xga.push_back(item);
    }
    extensionGrafica->setEnabled(!xga.empty());

    for (const IdiomaJuego& idioma : lista) {
        QAction* item = Casilla(menus_[3], false);
        item->setText(DesdeAnsi(idioma.nombre));
        item->setData(idioma.numero);
        connect(item, &QAction::triggered, this, [this, item] { AlIdioma(item); });
        idiomas.push_back(item);
    }
}

void MenusOpciones::Leer(std::string_view ini, int idiomaInterfaz, CapturaTeclas& teclas) {
    mando->Leer(ini);
    const double ancho = LeerNumero(ini, Clave::Ancho, "640");
    const double alto = LeerNumero(ini, Clave::Alto, "400");
    std::size_t elegida = 4;
    if (ancho == 320)
        elegida = 0;
    else if (ancho == 512)
        elegida = 1;
    else if (ancho == 640)
        elegida = alto == 400 ? 2 : 3;
    for (std::size_t i = 0; i < res.size(); ++i) res[i]->setChecked(i == elegida);

    directDraw->setChecked(LeerNumero(ini, Clave::DDraw, "1") != 0);
    ActivarSegunDirectDraw();

    const double modo = LeerNumero(ini, Clave::PantallaCompleta, "1");
    pantallaCompleta->setChecked(modo != 0 && modo != 2);
    forzarPantallaCompleta->setChecked(modo == 2);

    const double pasos = LeerNumero(ini, Clave::Scroll, "15");
    scroll->setChecked(pasos < 15);
    if (pasos < 15) scroll->setData(pasos);

    const std::string nombreXga = LeerClave(ini, Clave::XGA, "");
    AlXga(nullptr);
    for (QAction* item : xga) {
        if (item->data().toByteArray().toStdString() == nombreXga) {
            AlXga(item);
            break;
        }
    }

    aspecto43->setChecked(LeerAcotado(ini, Clave::Aspecto) == 1);
    nitido->setChecked(LeerAcotado(ini, Clave::Nitido) == 1);
    // A classic file without these keys stays without them unless the player changes them.
    aspecto43->setData(LeerClave(ini, Clave::Aspecto, "-") != "-");
    nitido->setData(LeerClave(ini, Clave::Nitido, "-") != "-");
    vsync->setChecked(LeerAcotado(ini, Clave::VSync) == 1);
    vsync->setData(LeerClave(ini, Clave::VSync, "-") != "-");

    efectosDeSonido->setChecked(LeerNumero(ini, Clave::SND, "1") != 0);
    musica->setChecked(LeerNumero(ini, Clave::MUS, "1") != 0);

    constexpr Clave kClaves[kControles] = {Clave::Izquierda, Clave::Derecha, Clave::Disparo1,
                                           Clave::Disparo2, Clave::Disparo3};
    std::array<std::int16_t, kControles> codigos = kTeclasPorDefecto;
    for (std::size_t i = 0; i < codigos.size(); ++i) {
        const std::string porDefecto = std::to_string(kTeclasPorDefecto[i]);
        codigos[i] = EnteroCorto(LeerNumero(ini, kClaves[i], porDefecto)).value_or(codigos[i]);
    }
    teclas.PonerComprometidas(codigos);

    // A file without a language (a fresh one) takes the desktop's.
    const int inicial = IdiomaDelEscritorio(idiomaInterfaz);
    const double idioma = LeerNumero(ini, Clave::Idioma, std::to_string(inicial));
    QAction* elegido = nullptr;
    for (double buscado :
         {idioma, static_cast<double>(inicial), static_cast<double>(idiomaInterfaz)}) {
        for (QAction* item : idiomas) {
            if (!elegido && item->data().toInt() == buscado) elegido = item;
        }
    }
    for (QAction* item : idiomas) item->setChecked(item == elegido);

    const std::pair<QAction*, Clave> reglas[] = {{noEsperarPuertas, Clave::NoEsperarPuertas},
                                                 {vidaExtra, Clave::VidaExtra},
                                                 {chicaAmenazada, Clave::ChicaAmenazada}};
    for (const auto& [item, clave] : reglas) {
        const std::string_view porDefecto = clave == Clave::NoEsperarPuertas ? "0" : "1";
        item->setChecked(LeerNumero(ini, clave, porDefecto) != 0);
        item->setData(item->isChecked());
    }
}

std::vector<ValorConfiguracion> MenusOpciones::Valores(const CapturaTeclas& teclas) const {
    std::vector<ValorConfiguracion> valores;
    valores.push_back({Clave::DDraw, Bandera(directDraw)});

    Resolucion resolucion = kResoluciones[kResolucionPorDefecto];
    for (std::size_t i : {0u, 1u, 3u, 4u}) {
        if (res[i]->isChecked()) {
            resolucion = kResoluciones[i];
            break;
        }
    }
    valores.push_back({Clave::Ancho, Str(resolucion.ancho)});
    valores.push_back({Clave::Alto, Str(resolucion.alto)});

    valores.push_back({Clave::PantallaCompleta, forzarPantallaCompleta->isChecked() ? "2"
                                                : pantallaCompleta->isChecked()     ? "1"
                                                                                    : "0"});
    std::string pasos = "15";
    if (scroll->isChecked()) {
        const auto guardado = EnteroCorto(scroll->data().toDouble()).value_or(0);
        pasos = guardado != 0 ? std::to_string(guardado) : "5";
    }
    valores.push_back({Clave::Scroll, pasos});
    for (const auto& [item, clave, porDefecto] : {std::tuple{aspecto43, Clave::Aspecto, false},
                                                  {nitido, Clave::Nitido, true},
                                                  {vsync, Clave::VSync, false}}) {
        if (item->data().toBool() || item->isChecked() != porDefecto)
            valores.push_back({clave, Bandera(item)});
    }

    if (extensionGrafica->isEnabled()) {
        std::string nombre;
        for (QAction* item : xga) {
            if (item->isChecked()) {
                nombre = item->data().toByteArray().toStdString();
                break;
            }
        }
        valores.push_back({Clave::XGA, nombre});
    }

    valores.push_back({Clave::SND, Bandera(efectosDeSonido)});
    valores.push_back({Clave::MUS, Bandera(musica)});

    constexpr Clave kClaves[kControles] = {Clave::Izquierda, Clave::Derecha, Clave::Disparo1,
                                           Clave::Disparo2, Clave::Disparo3};
    for (std::size_t i = 0; i < kControles; ++i) {
        valores.push_back({kClaves[i], std::to_string(teclas.Comprometidas()[i])});
    }

    // With no language ticked (none has the number the file asked for) the key is left as
    // the file has it.
    for (QAction* item : idiomas) {
        if (item->isChecked()) {
            valores.push_back({Clave::Idioma, std::to_string(item->data().toInt())});
            break;
        }
    }

    valores.push_back({Clave::NoEsperarPuertas, Bandera(noEsperarPuertas)});
    valores.push_back({Clave::VidaExtra, Bandera(vidaExtra)});
    valores.push_back({Clave::ChicaAmenazada, Bandera(chicaAmenazada)});
    for (auto& [clave, valor] : mando->Valores()) valores.push_back({clave, std::move(valor)});
    return valores;
}

void MenusOpciones::ActivarSegunDirectDraw() {
    const bool activos = !directDraw->isChecked();
    for (QAction* r : res) r->setEnabled(activos);
    resoluciones->setEnabled(activos);
    pantallaCompleta->setEnabled(activos);
    forzarPantallaCompleta->setEnabled(activos);
}

void MenusOpciones::AlDirectDraw() {
    ActivarSegunDirectDraw();
}

void MenusOpciones::AlPantallaCompleta(QAction* pulsada) {
    // Qt has already turned the clicked item's tick; the other one turns with it.
    QAction* otra = pulsada == pantallaCompleta ? forzarPantallaCompleta : pantallaCompleta;
    otra->setChecked(!otra->isChecked());
}

void MenusOpciones::AlPredeterminadas() {
    const std::array<QAction*, 3> reglas = {noEsperarPuertas, vidaExtra, chicaAmenazada};
    if (predeterminadas->isChecked()) {
        for (QAction* regla : reglas) regla->setData(regla->isChecked());
        noEsperarPuertas->setChecked(false);
        vidaExtra->setChecked(true);
        chicaAmenazada->setChecked(true);
    } else {
        for (QAction* regla : reglas) regla->setChecked(regla->data().toBool());
    }
}

void MenusOpciones::AlXga(QAction* pulsada) {
    xgaPredeterminada->setChecked(pulsada == nullptr);
    for (QAction* item : xga) item->setChecked(item == pulsada);
}

void MenusOpciones::AlIdioma(QAction* pulsada) {
    for (QAction* item : idiomas) item->setChecked(item == pulsada);
}

}  // namespace polvareda::setup
