// The options screen: its rows, the keyboard, the pad and the mouse on them, the changes that
// apply at once, and the settings written back on leaving.
#include "Opciones.h"

#include <algorithm>
#include <iostream>

#include "ArchivoAcotado.h"
#include "ArchivoAtomico.h"
#include "ArchivosDatos.h"
#include "BotonesMando.h"
#include "Complemento.h"
#include "Frente.h"
#include "Modulo.h"
#include "Teclas.h"
#include "Texto.h"
#include "TextoRuta.h"

namespace polvareda {

namespace {

// The screen's rows in logical pixels: the title, fifteen rows 11 pixels apart (the glyphs
// are 10 high) and a line at the foot for the key prompt and the restart note.
constexpr int kFilaTitulo = 2;
constexpr int kPrimeraFila = 15;
constexpr int kAltoFila = 11;
constexpr int kFilaPie = 180;
constexpr int kColumnaNombre = 1;
constexpr int kColumnaValor = 18;
constexpr int kColumnas = 32;
constexpr int kPasoVolumen = 10;
constexpr int kIdiomasPosibles = 100;  // Texto0.LNG to Texto99.LNG

// A key as the font can draw it: a letter or a digit itself, F1 to F12 by name, any other
// key by its code.
std::string NombreTecla(int codigo) {
    if ((codigo >= vk::A && codigo <= 'Z') || (codigo >= vk::Cero && codigo <= '9'))
        return std::string(1, static_cast<char>(codigo));
    if (codigo >= vk::F1 && codigo < vk::F1 + 12) return "F" + std::to_string(codigo - vk::F1 + 1);
    return std::to_string(codigo);
}

std::string Mayusculas(std::string texto) {
    for (char& c : texto)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return texto;
}

// A stick's direction along one axis, -1, 0 or 1, with the menus' hysteresis.
int Direccion(int valor, int antes) {
    if (valor <= -kEjePulsado) return -1;
    if (valor >= kEjePulsado) return 1;
    if (valor > -kEjeSuelto && valor < kEjeSuelto) return 0;
    return antes;
}

}  // namespace

Opciones::Opciones(Modulo& m, Frente& f) : m_(m), f_(f) {}

void Opciones::Abrir(Modo volver) {
    volver_ = volver;
    const std::filesystem::path ini = m_.rutaJugador / kArchivoConfiguracion;
    const std::string texto = LeerArchivoAcotado(ini).value_or(m_.textoConfiguracion);
    // What the file says, with what this run plays now: the levels (which the volume keys
    // may have moved), the keys, the pad and the window.
    const Configuracion& c = m_.configuracion;
    abiertas_ = LeerOpcionesJuego(texto, c.idioma);
    abiertas_.volumenEfectos = m_.sonidos.NivelEfectos();
    abiertas_.volumenMusica = m_.sonidos.NivelMusica();
    abiertas_.teclas = TeclasDe(c);
    abiertas_.botones = c.botonesMando;
    if (abiertas_.pantalla != ModoVentana::Exclusiva && !m_.pantallaCompletaExclusiva)
        abiertas_.pantalla =
            m_.escritorio.pantallaCompleta ? ModoVentana::Completa : ModoVentana::Ventana;
    ahora_ = abiertas_;
    fila_ = kPantalla;
    captura_.Abortar();
    ejeFila_ = ejeValor_ = 0;
    LeerIdiomas();
    textos_ = LeerTextosOpciones(Idioma::Cargar(m_.rutaTemporal / kArchivoIdiomaTemporal));
    fondo_ = m_.ventana.lienzo.Pixeles();
    f_.CambiarModo(Modo::Opciones);
    Dibujar();
}

void Opciones::LeerIdiomas() {
    idiomas_.clear();
    for (int n = 0; n < kIdiomasPosibles; ++n) {
        const auto archivo = ArchivoIdioma(m_.rutaJuego, n);
        std::error_code error;
        if (!std::filesystem::is_regular_file(archivo, error)) continue;
        const auto texto = LeerComplementado(archivo, kLimiteTexto, Exceso::Cortar);
        if (!texto) continue;
        const Idioma idioma = Idioma::DesdeTexto(*texto);
        std::string nombre = LeerTextosOpciones(idioma).nombreIdioma;
        if (nombre == "0") nombre = Mayusculas(idioma.Texto("General", "Idioma"));
        idiomas_.push_back({n, nombre});
    }
}

void Opciones::PonerIdioma(int numero) {
    const auto texto =
        LeerComplementado(ArchivoIdioma(m_.rutaJuego, numero), kLimiteTexto, Exceso::Cortar);
    if (!texto) return;
    // The decoded copy is what the menu and a new start of a screen read their texts from.
    ReemplazarArchivo(m_.rutaTemporal / kArchivoIdiomaTemporal, *texto);
    const Idioma idioma = Idioma::DesdeTexto(*texto);
    m_.textos = LeerTextosJuego(idioma);
    f_.textos = LeerTextosMenu(idioma);
    textos_ = LeerTextosOpciones(idioma);
    ahora_.idioma = numero;
    m_.configuracion.idioma = static_cast<std::int16_t>(numero);
}

void Opciones::Mover(int paso) {
    fila_ = (fila_ + paso + kFilas) % kFilas;
    Dibujar();
}

void Opciones::Cambiar(int paso) {
    const auto alternar = [](bool& valor) { valor = !valor; };
    const auto volumen = [paso](int& nivel) {
        nivel = std::clamp(nivel + paso * kPasoVolumen, 0, 100);
    };
    switch (fila_) {
        case kPantalla: {
            const int n = (static_cast<int>(ahora_.pantalla) + paso + 3) % 3;
            ahora_.pantalla = static_cast<ModoVentana>(n);
            // The window and the full screen of the desktop path switch at once; the 320 x 200
            // path is opened at start only.
            if (ahora_.pantalla != ModoVentana::Exclusiva && !m_.pantallaCompletaExclusiva &&
                m_.ventana.abierta &&
                (ahora_.pantalla == ModoVentana::Completa) != m_.escritorio.pantallaCompleta)
                m_.escritorio.pantallaCompleta = m_.plataforma.AlternarPantallaCompleta();
            break;
        }
        case kAspecto:
            alternar(ahora_.aspecto43);
            break;
        case kNitido:
            alternar(ahora_.nitido);
            break;
        case kVSync:
            alternar(ahora_.vsync);
            break;
        case kEfectos:
            volumen(ahora_.volumenEfectos);
            m_.sonidos.Niveles(ahora_.volumenEfectos, ahora_.volumenMusica);
            m_.sonidos.Confirmar();  // the new level, heard at once
            break;
        case kMusica:
            volumen(ahora_.volumenMusica);
            m_.sonidos.Niveles(ahora_.volumenEfectos, ahora_.volumenMusica);
            break;
        case kIdioma: {
            if (idiomas_.empty()) break;
            const auto actual =
                std::find_if(idiomas_.begin(), idiomas_.end(),
                             [this](const IdiomaHallado& i) { return i.numero == ahora_.idioma; });
            const int n = static_cast<int>(idiomas_.size());
            const int i = actual == idiomas_.end()
                              ? 0
                              : (static_cast<int>(actual - idiomas_.begin()) + paso + n) % n;
            PonerIdioma(idiomas_[static_cast<std::size_t>(i)].numero);
            break;
        }
        case kCambiar:
            CambiarAyB(ahora_.botones);
            break;
        case kTeclas:
        case kVolver:
            return;
        default: {  // a role of the pad: the next or the previous button
            int& boton = ahora_.botones[static_cast<std::size_t>(fila_ - kMando1)];
            boton = (boton + paso + static_cast<int>(kNombresBotones)) %
                    static_cast<int>(kNombresBotones);
            break;
        }
    }
    if (ahora_.botones != m_.configuracion.botonesMando) {
        m_.configuracion.botonesMando = ahora_.botones;
        m_.entrada.ColocarBotones(ahora_.botones);
    }
    Dibujar();
}

void Opciones::Activar() {
    if (fila_ == kVolver) return Cerrar();
    if (fila_ == kTeclas) {
        captura_.PonerComprometidas(ahora_.teclas);
        captura_.Empezar();
        return Dibujar();
    }
    Cambiar(1);
}

void Opciones::Tecla(const Evento& e) {
    if (captura_.Capturando()) {
        // As SetUp asks for them: Escape keeps the old keys, an arrow or a key already taken
        // is not accepted.
        if (e.tecla == vk::Escape) {
            captura_.Abortar();
        } else if (captura_.Pulsar(e.tecla) && !captura_.Capturando()) {
            ahora_.teclas = captura_.Comprometidas();
            PonerTeclas(m_.configuracion, ahora_.teclas);
        }
        return Dibujar();
    }
    if (e.shift != 0) return;
    switch (e.tecla) {
        case vk::Arriba:
            return Mover(-1);
        case vk::Abajo:
            return Mover(1);
        case vk::Izquierda:
            return Cambiar(-1);
        case vk::Derecha:
            return Cambiar(1);
        case vk::Intro:
        case vk::Espacio:
            return Activar();
        case vk::Escape:
            return Cerrar();
        default:
            return;
    }
}

void Opciones::Raton(const Evento& e) {
    if (e.tipo != TipoEvento::RatonPulsado || captura_.Capturando()) return;
    // The pointer's canvas pixel back to the logical picture.
    const Vista& v = m_.ventana.graficos.vista;
    const std::int64_t unidad = v.escala.Valor() * v.factorXGA;
    if (unidad <= 0) return;
    const std::int64_t y = (e.y - v.origenY) * Escala::kUnidad / unidad - v.margenY;
    const std::int64_t x = (e.x - v.origenX) * Escala::kUnidad / unidad - v.margenX;
    if (y < kPrimeraFila || x < 0 || x >= 8 * kColumnas) return;
    const std::int64_t fila = (y - kPrimeraFila) / kAltoFila;
    if (fila >= kFilas) return;
    fila_ = static_cast<int>(fila);
    if (e.boton == kBotonDerecho) {
        Cambiar(-1);
    } else if (e.boton == kBotonIzquierdo) {
        Activar();
    } else {
        Dibujar();
    }
}

bool Opciones::Mando(const Evento& e) {
    if (e.tipo == TipoEvento::MandoEje) {
        if (e.boton == kEjeLeftY) {
            const int d = Direccion(e.x, ejeFila_);
            if (d != ejeFila_ && d != 0 && !captura_.Capturando()) Mover(d);
            ejeFila_ = d;
        } else if (e.boton == kEjeLeftX) {
            const int d = Direccion(e.x, ejeValor_);
            if (d != ejeValor_ && d != 0 && !captura_.Capturando()) Cambiar(d);
            ejeValor_ = d;
        }
        return true;
    }
    if (e.tipo != TipoEvento::MandoPulsado) return true;
    if (captura_.Capturando()) {
        // The keys are asked of the keyboard; the pad can only call the capture off.
        if (e.boton == kMandoB || e.boton == kMandoBack) {
            captura_.Abortar();
            Dibujar();
        }
        return true;
    }
    switch (e.boton) {
        case kMandoDpUp:
            Mover(-1);
            break;
        case kMandoDpDown:
            Mover(1);
            break;
        case kMandoDpLeft:
            Cambiar(-1);
            break;
        case kMandoDpRight:
            Cambiar(1);
            break;
        case kMandoA:
        case kMandoStart:
            Activar();
            break;
        case kMandoB:
        case kMandoBack:
            Cerrar();
            break;
        default:
            break;
    }
    return true;
}

void Opciones::AlCerrarVentana() {
    if (f_.ModoActual() == Modo::Opciones) Guardar();
}

void Opciones::Guardar() {
    const auto valores = ValoresOpciones(abiertas_, ahora_);
    if (!valores.empty()) {
        const std::filesystem::path ini = m_.rutaJugador / kArchivoConfiguracion;
        if (EscribirConfiguracion(ini, valores)) {
            m_.textoConfiguracion = LeerArchivoAcotado(ini).value_or(m_.textoConfiguracion);
        } else {
            // The changes hold for this run; the player may make the file writable.
            std::cerr << "Polvareda: the settings could not be written to " << TextoRuta(ini)
                      << "\n";
        }
    }
    // Written once: a window closed after leaving has nothing more to write.
    abiertas_ = ahora_;
}

void Opciones::Cerrar() {
    Guardar();
    m_.configuracion.volumenEfectos = ahora_.volumenEfectos;
    m_.configuracion.volumenMusica = ahora_.volumenMusica;
    if (volver_ == Modo::Juego) {
        Lienzo& lienzo = m_.ventana.lienzo;
        if (fondo_.Width() == lienzo.Ancho() && fondo_.Height() == lienzo.Alto())
            lienzo.Pixeles() = fondo_;
        lienzo.Marcar({0, 0, lienzo.Ancho(), lienzo.Alto()});
        f_.CambiarModo(Modo::Juego);
        f_.J().VolverALaPausa();
    } else {
        f_.CambiarModo(volver_);
    }
    fondo_ = Imagen();
    f_.Refrescar();
}

bool Opciones::PideReinicio() const {
    const Configuracion& c = m_.configuracion;
    switch (fila_) {
        case kPantalla:
            return (ahora_.pantalla == ModoVentana::Exclusiva) != m_.pantallaCompletaExclusiva;
        case kAspecto:
            return ahora_.aspecto43 != c.aspecto43;
        case kNitido:
            return ahora_.nitido != c.nitido;
        case kVSync:
            return ahora_.vsync != c.vsync;
        default:
            return false;
    }
}

std::string Opciones::Valor(int fila) const {
    const TextosOpciones& t = textos_;
    const auto siNo = [&t](bool valor) { return valor ? t.si : t.no; };
    switch (fila) {
        case kPantalla:
            return ahora_.pantalla == ModoVentana::Ventana    ? t.ventana
                   : ahora_.pantalla == ModoVentana::Completa ? t.completa
                                                              : t.exclusiva;
        case kAspecto:
            return siNo(ahora_.aspecto43);
        case kNitido:
            return siNo(ahora_.nitido);
        case kVSync:
            return siNo(ahora_.vsync);
        case kEfectos:
            return std::to_string(ahora_.volumenEfectos);
        case kMusica:
            return std::to_string(ahora_.volumenMusica);
        case kIdioma:
            for (const IdiomaHallado& i : idiomas_)
                if (i.numero == ahora_.idioma) return i.nombre;
            return std::to_string(ahora_.idioma);
        case kTeclas: {
            std::string teclas;
            for (std::int16_t tecla : ahora_.teclas)
                teclas += (teclas.empty() ? "" : " ") + NombreTecla(tecla);
            return teclas;
        }
        case kCambiar:
        case kVolver:
            return {};
        default:
            return Mayusculas(
                kNombresBoton[static_cast<std::size_t>(ahora_.botones[fila - kMando1])]);
    }
}

void Opciones::Dibujar() {
    Graficos& g = m_.ventana.graficos;
    const TextosOpciones& t = textos_;
    m_.ventana.lienzo.Borrar();
    const auto centrado = [&](int y, const std::string& texto, int color) {
        const std::string corto = texto.substr(0, kColumnas);
        Escribe(g, (kColumnas - static_cast<int>(corto.size())) / 2, y, corto, color,
                kFondoDirecto);
    };
    centrado(kFilaTitulo, t.titulo, 3);
    const std::string nombres[kFilas] = {t.pantalla, t.aspecto,    t.nitido,   t.vsync,
                                         t.efectos,  t.musica,     t.idioma,   t.teclas,
                                         t.mando[0], t.mando[1],   t.mando[2], t.mando[3],
                                         t.mando[4], t.cambiarAyB, t.volver};
    for (int fila = 0; fila < kFilas; ++fila) {
        const int y = kPrimeraFila + kAltoFila * fila;
        Escribe(g, kColumnaNombre, y, nombres[fila], fila == fila_ ? 2 : 1, kFondoDirecto);
        const std::string valor = Valor(fila).substr(0, kColumnas - kColumnaValor);
        Escribe(g, kColumnaValor, y, valor, fila == fila_ ? 3 : 4, kFondoDirecto);
    }
    if (captura_.Capturando()) {
        const int k = captura_.Control();
        const std::string control = k < 2 ? t.controles[static_cast<std::size_t>(k)]
                                          : t.controles[2] + " " + std::to_string(k - 1);
        centrado(kFilaPie, t.pulsa + " " + control, 3);
    } else if (PideReinicio()) {
        centrado(kFilaPie, t.reiniciar, 5);
    }
    m_.ventana.lienzo.Marcar({0, 0, m_.ventana.lienzo.Ancho(), m_.ventana.lienzo.Alto()});
    f_.Refrescar();
}

}  // namespace polvareda
