// The two jobs of the setup window: installing the game, and configuring an installed one.
#include "Instalar.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <system_error>

#include "Configurar.h"
#include "Instalacion.h"
#include "Listas.h"
#include "Numeros.h"
#include "Perfil.h"
#include "RutaTexto.h"

namespace polvareda::setup {

namespace fs = std::filesystem;

// ---- Configuration mode ----

QPoint Instalar::PosicionIcono(int i) const {
    // Four icons on the first row, three on the second, the Internet icon one place further.
    int x = 24;
    int y = 128;
    for (int k = 0; k <= i; ++k) {
        if (k == 5) x += 96;
        x += 96;
        if (k % 4 == 0) {
            y += 96;
            x = 120;
        }
    }
    return {x, y};
}

void Instalar::PrepararVentana(bool leerConfiguracion) {
    // The installation controls are not part of this mode.
    for (int i = 0; i <= 3; ++i) etiqueta_[static_cast<std::size_t>(i)]->hide();
    for (int n : {1, 2}) {
        ruta_[static_cast<std::size_t>(n)]->hide();
        examinar_[static_cast<std::size_t>(n)]->hide();
    }
    leeme_->hide();
    cargar_->hide();
    for (int i = 0; i < 7; ++i) {
        const QPoint p = PosicionIcono(i);
        Pulsable* caption = etiquetaIcono_[static_cast<std::size_t>(i)];
        caption->setGeometry(p.x() - 8, p.y() + 56, 64, 15);
        caption->show();
        cuadro_[static_cast<std::size_t>(i)]->move(p.x() - 4, p.y() - 4);
        cuadro_[static_cast<std::size_t>(i)]->show();
    }
    iconosDibujados_ = true;
    update();
    if (!leerConfiguracion) return;

    menus_->Llenar(LeerExtensiones(entorno_.Datos()), {});
    ListaIdiomas idiomas = LeerIdiomas(entorno_.Datos());
    traductores_ = std::move(idiomas.traductores);
    menus_->Llenar({}, idiomas.idiomas);
    const auto texto = LeerTextoPerfil(entorno_.Jugador() / kArchivoConfiguracion).value_or("");
    menus_->Leer(texto, idioma_, teclas_);
    PonerTextos(idioma_);
}

void Instalar::AlIcono(int i) {
    if (i == 6) {
        AbrirCreditos();
    } else if (i == 2) {
        EmpezarCaptura();
    } else {
        menus_->Menu(i)->popup(QCursor::pos());
    }
}

void Instalar::EscribirIdiomaSetUp() {
    // Only the window's language; a failure here loses nothing of the game's settings.
    EscribirPerfil(entorno_.CarpetaSetUp() / kArchivoSetUp, "General", "Idioma", Str(idioma_));
}

void Instalar::Aceptar() {
    const fs::path ini = entorno_.Jugador() / kArchivoConfiguracion;
    if (!EscribirConfiguracion(ini, menus_->Valores(teclas_))) {
        // The choices stay on screen: the player can make the file writable and press OK
        // again, or cancel.
        const Textos& t = TextosDe(idioma_);
        servicios_.Avisar(this, etiqueta_[8]->text(),
                          t.configuracionNoEscrita.arg(TextoDeRuta(ini)));
        return;
    }
    EscribirIdiomaSetUp();
    if (entorno_.juego) {
        servicios_.Ejecutar(TextoDeRuta(entorno_.carpetaPrograma / NombreJuego().toStdString()),
                            {});
    }
    servicios_.Terminar();
}

void Instalar::Cancelar() {
    EscribirIdiomaSetUp();
    servicios_.Terminar();
}

// ---- Installation mode ----

void Instalar::CarpetasPorDefecto() {
#ifdef _WIN32
    // The root of the drive SetUp runs from, as a Windows player expects.
    std::error_code error;
    const fs::path base = fs::current_path(error).root_path();
#else
    const fs::path base = entorno_.carpetaPersonal;
#endif
    ruta_[1]->setText(TextoDeRuta(base / "Candil" / "Polvareda"));
    if (!entorno_.carpetaAplicaciones.empty()) {
        baseAccesos_ = entorno_.carpetaAplicaciones;
        ruta_[2]->setText(TextoDeRuta(fs::path("Candil") / "Polvareda"));
    }
}

void Instalar::Elegir(int n) {
    // A cancelled chooser leaves the field as it was.
    QLineEdit* campo = ruta_[static_cast<std::size_t>(n)];
    if (const auto carpeta = servicios_.ElegirCarpeta(this, campo->text())) {
        campo->setText(QDir::toNativeSeparators(*carpeta));
    }
}

void Instalar::AbrirLeeme() {
    const char* nombre = idioma_ == kIngles ? "ReadMe.TXT" : "LeeMe.TXT";
    servicios_.Abrir(QUrl::fromLocalFile(TextoDeRuta(entorno_.Datos() / "DOC" / nombre)));
}

void Instalar::InstalarJuego() {
    QString texto = ruta_[1]->text().trimmed();
    if (texto.isEmpty()) return;
    if (LeemeMarcado()) AbrirLeeme();
    if (texto.size() > 1 && (texto.endsWith('/') || texto.endsWith('\\'))) texto.chop(1);
    // "~" is the home folder, as the user's shell would read it.
    if (texto == QLatin1String("~") || texto.startsWith(QLatin1String("~/"))) {
        texto = TextoDeRuta(entorno_.carpetaPersonal) + texto.mid(1);
    }

    const Textos& t = TextosDe(idioma_);
    const QString titulo = etiqueta_[8]->text();
    std::error_code error;
    const fs::path juego = fs::absolute(RutaDeTexto(texto), error);
    if (DentroDe(juego, entorno_.carpetaPrograma)) {
        servicios_.Avisar(this, titulo, t.carpetaDentroDeOrigen.arg(TextoDeRuta(juego)));
        return;
    }
    if (!fs::is_directory(juego, error)) {
        if (fs::exists(juego, error)) {
            servicios_.Avisar(this, titulo, t.carpetaNoCreada.arg(TextoDeRuta(juego)));
            return;
        }
        if (!servicios_.PreguntarAceptar(this, titulo, t.crearCarpeta)) {
            servicios_.Avisar(this, titulo, t.noHayCarpeta.arg(TextoDeRuta(juego)));
            return;
        }
        fs::create_directories(juego, error);
        if (!fs::is_directory(juego, error)) {
            servicios_.Avisar(this, titulo, t.carpetaNoCreada.arg(TextoDeRuta(juego)));
            return;
        }
    }

    std::vector<fs::path> fallos = CopiarJuego(entorno_.carpetaPrograma, juego);
    // Only a complete copy is marked as an installed game.
    if (fallos.empty() && !MarcarInstalado(juego, idioma_)) fallos.push_back(kArchivoSetUp);
    if (!fallos.empty()) {
        QStringList lista;
        for (const fs::path& f : fallos) lista << TextoDeRuta(juego / f);
        servicios_.Avisar(this, titulo, t.noCopiado.arg(lista.join(QStringLiteral("\r\n"))));
        return;
    }

    const QString accesos = ruta_[2]->text().trimmed();
    const fs::path carpetaAccesos = baseAccesos_ / RutaDeTexto(accesos);
    QByteArray icono;
    if (QFile archivo(QStringLiteral(":/imagenes/icono.png")); archivo.open(QIODevice::ReadOnly)) {
        icono = archivo.readAll();
    }
    if (!accesos.isEmpty() && !CrearAccesos(carpetaAccesos, juego, icono)) {
        servicios_.Avisar(this, titulo, t.accesosNoCreados.arg(TextoDeRuta(carpetaAccesos)));
    } else {
        servicios_.Informar(this, titulo, t.instalacionTerminada);
    }

    if (CargarMarcado()) {
        if (fs::exists(juego / kArchivoConfiguracion, error)) {
            servicios_.Ejecutar(TextoDeRuta(juego / NombreJuego().toStdString()), {});
        } else {
            servicios_.Ejecutar(TextoDeRuta(juego / NombreSetUp().toStdString()),
                                {QStringLiteral("/juego")});
        }
    }
    servicios_.Terminar();
}

bool Instalar::InstalarEn(const QString& juego, const QString& accesos) {
    if (!instalacion_) return false;
    ruta_[1]->setText(juego);
    ruta_[2]->setText(accesos);
    marcaLeeme_->hide();
    marcaCargar_->hide();
    PulsarBoton(1);
    return true;
}

void Instalar::Salir() {
    const Textos& t = TextosDe(idioma_);
    if (servicios_.PreguntarSiNo(this, etiqueta_[8]->text(), t.confirmarCancelar)) {
        servicios_.Terminar();
    }
}

// ---- The two buttons ----

void Instalar::PulsarBoton(int i) {
    if (i == 1) {
        if (instalacion_)
            InstalarJuego();
        else if (CreditosAbiertos())
            CerrarCreditos();
        else
            Aceptar();
        return;
    }
    if (teclas_.Capturando()) {
        teclas_.Abortar();
        TerminarCaptura();
    } else if (instalacion_) {
        Salir();
    } else {
        Cancelar();
    }
}

}  // namespace polvareda::setup
