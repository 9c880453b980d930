// The table of "Polvareda.INI" and the game's reading of it.
#include "Configuracion.h"

#include <cmath>
#include <optional>

#include "BotonesMando.h"
#include "Numeros.h"
#include "Perfil.h"

namespace polvareda {

namespace {

constexpr std::string_view kPantalla = "Pantalla";
constexpr std::string_view kSonido = "Sonido";
constexpr std::string_view kTeclado = "Teclado";
constexpr std::string_view kOpciones = "Opciones";
constexpr std::string_view kMando = "Mando";

// The key defaults "1" of the keyboard section are the code of the left mouse button.
constexpr DefinicionClave kTabla[] = {
    {Clave::PantallaCompleta, kPantalla, "PantallaCompleta", "0", "1", ReglaClave::Modo},
    {Clave::Ancho, kPantalla, "Ancho", "0", " 640", ReglaClave::Texto},
    {Clave::Alto, kPantalla, "Alto", "0", " 400", ReglaClave::Texto},
    {Clave::Scroll, kPantalla, "Scroll", "0", "15", ReglaClave::ValEntero},
    {Clave::XGA, kPantalla, "XGA", "", "", ReglaClave::Texto},
    {Clave::SND, kSonido, "SND", "1", "1", ReglaClave::BanderaSegura},
    {Clave::MUS, kSonido, "MUS", "1", "1", ReglaClave::BanderaSegura},
    {Clave::Izquierda, kTeclado, "Izquierda", "1", "79", ReglaClave::ValEntero},
    {Clave::Derecha, kTeclado, "Derecha", "1", "80", ReglaClave::ValEntero},
    {Clave::Disparo1, kTeclado, "Disparo1", "1", "49", ReglaClave::Entero},
    {Clave::Disparo2, kTeclado, "Disparo2", "1", "50", ReglaClave::Entero},
    {Clave::Disparo3, kTeclado, "Disparo3", "1", "51", ReglaClave::Entero},
    {Clave::NoEsperarPuertas, kOpciones, "NoEsperarPuertas", "0", "0", ReglaClave::Bandera},
    {Clave::VidaExtra, kOpciones, "VidaExtra", "1", "1", ReglaClave::BanderaSegura},
    {Clave::ChicaAmenazada, kOpciones, "ChicaAmenazada", "1", "1", ReglaClave::BanderaSegura},
    {Clave::Idioma, kOpciones, "Idioma", "0", "0", ReglaClave::ValEntero},
    {Clave::DDraw, kPantalla, "DDraw", "1", "1", ReglaClave::ValSolo},
    {Clave::Aspecto, kPantalla, "Aspecto", "0", "0", ReglaClave::Acotado, 0, 1},
    {Clave::Nitido, kPantalla, "Nitido", "1", "1", ReglaClave::Acotado, 0, 1},
    {Clave::VolumenEfectos, kSonido, "VolumenEfectos", "100", "100", ReglaClave::Acotado, 0, 100},
    {Clave::VolumenMusica, kSonido, "VolumenMusica", "100", "100", ReglaClave::Acotado, 0, 100},
    {Clave::PausaSinFoco, kOpciones, "PausaSinFoco", "1", "1", ReglaClave::Acotado, 0, 1},
    {Clave::VSync, kPantalla, "VSync", "0", "0", ReglaClave::Acotado, 0, 1},
    {Clave::BotonDisparo1, kMando, "Disparo1", "a", "a", ReglaClave::Boton},
    {Clave::BotonDisparo2, kMando, "Disparo2", "b", "b", ReglaClave::Boton},
    {Clave::BotonDisparo3, kMando, "Disparo3", "x", "x", ReglaClave::Boton},
    {Clave::BotonPausa, kMando, "Pausa", "start", "start", ReglaClave::Boton},
    {Clave::BotonAtras, kMando, "Atras", "back", "back", ReglaClave::Boton},
};

// The order in which the setup program writes a configuration.
constexpr Clave kOrdenSetUp[] = {
    Clave::DDraw,
    Clave::Ancho,
    Clave::Alto,
    Clave::PantallaCompleta,
    Clave::Scroll,
    Clave::XGA,
    Clave::SND,
    Clave::MUS,
    Clave::Izquierda,
    Clave::Derecha,
    Clave::Disparo1,
    Clave::Disparo2,
    Clave::Disparo3,
    Clave::Idioma,
    Clave::NoEsperarPuertas,
    Clave::VidaExtra,
    Clave::ChicaAmenazada,
};

constexpr bool TablaEnOrden() {
    for (std::size_t i = 0; i < std::size(kTabla); ++i) {
        if (static_cast<std::size_t>(kTabla[i].clave) != i) return false;
    }
    return true;
}
static_assert(TablaEnOrden(), "the table lists every key once, in the order of Clave");
static_assert(std::size(kOrdenSetUp) == static_cast<std::size_t>(Clave::DDraw) + 1,
              "SetUp's fresh file holds every classic key");

// Plain digits with optional blanks around them, in [minimo, maximo].
std::optional<int> Acotado(std::string_view texto, int minimo, int maximo) {
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == '\t'))
        texto.remove_prefix(1);
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\t')) texto.remove_suffix(1);
    if (texto.empty() || texto.size() > 9) return std::nullopt;
    int valor = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor * 10 + (c - '0');
    }
    if (valor < minimo || valor > maximo) return std::nullopt;
    return valor;
}

// What one key yields under its parse rule; nothing where the read fails.
struct Lectura {
    std::string texto;
    std::optional<double> numero;        // Modo
    std::optional<std::int16_t> entero;  // ValEntero, Entero
    std::optional<bool> bandera;         // Bandera, BanderaSegura
};

// Val counts an infinite result (an exponent beyond any range) as a failed read, as the
// game's language failed on such a number.
std::optional<double> ValFinito(std::string_view texto) {
    const double valor = Val(texto);
    if (!std::isfinite(valor)) return std::nullopt;
    return valor;
}

Lectura Leer(std::string_view textoIni, const DefinicionClave& d) {
    Lectura l;
    l.texto = LeerValorPerfil(textoIni, d.seccion, d.nombre, d.porDefecto);
    switch (d.regla) {
        case ReglaClave::Modo:
            l.numero = ValFinito(l.texto);
            if (l.numero && *l.numero != 0 && *l.numero != 1 && *l.numero != 2) {
                l.numero.reset();
            }
            break;
        case ReglaClave::ValEntero:
            l.entero = EnteroCorto(Val(l.texto));
            break;
        case ReglaClave::Entero:
            l.entero = EnteroCorto(std::string_view(l.texto));
            break;
        case ReglaClave::Bandera:
        case ReglaClave::BanderaSegura:
            if (const auto valor = ValFinito(l.texto)) {
                l.bandera = *valor != 0;
            } else if (d.regla == ReglaClave::BanderaSegura) {
                l.bandera = true;
            }
            break;
        case ReglaClave::Texto:
        case ReglaClave::ValSolo:
        case ReglaClave::Acotado:
        case ReglaClave::Boton:
            break;
    }
    return l;
}

void Asignar(const std::optional<std::int16_t>& leido, std::int16_t& destino) {
    if (leido) destino = *leido;
}

void Asignar(const std::optional<bool>& leido, bool& destino) {
    if (leido) destino = *leido;
}

}  // namespace

std::span<const DefinicionClave> TablaConfiguracion() {
    return kTabla;
}

const DefinicionClave& Definicion(Clave clave) {
    return kTabla[static_cast<std::size_t>(clave)];
}

int LeerAcotado(std::string_view textoIni, Clave clave) {
    const DefinicionClave& d = Definicion(clave);
    const std::string texto = LeerValorPerfil(textoIni, d.seccion, d.nombre, d.porDefecto);
    if (const auto valor = Acotado(texto, d.minimo, d.maximo)) return *valor;
    return *Acotado(d.porDefecto, d.minimo, d.maximo);
}

int LeerBoton(std::string_view textoIni, Clave clave) {
    const DefinicionClave& d = Definicion(clave);
    const std::string texto = LeerValorPerfil(textoIni, d.seccion, d.nombre, d.porDefecto);
    if (const auto boton = BotonPorNombre(texto)) return *boton;
    return *BotonPorNombre(d.porDefecto);
}

void LeerConfiguracion(std::string_view textoIni, Configuracion& config) {
    for (const DefinicionClave& d : kTabla) {
        if (d.clave == Clave::DDraw) continue;  // read later, by the device set-up
        Lectura l = Leer(textoIni, d);
        switch (d.clave) {
            case Clave::PantallaCompleta:
                if (l.numero) {
                    config.modoPantallaCompleta = *l.numero != 0;
                    config.escalaLibre = *l.numero == 2;
                }
                break;
            case Clave::Ancho:
                config.ancho = std::move(l.texto);
                break;
            case Clave::Alto:
                config.alto = std::move(l.texto);
                break;
            case Clave::Scroll:
                Asignar(l.entero, config.scroll);
                if (config.scroll == 0) config.scroll = 15;
                break;
            case Clave::XGA:
                config.nombreXGA = std::move(l.texto);
                break;
            case Clave::SND:
                Asignar(l.bandera, config.sonido);
                break;
            case Clave::MUS:
                Asignar(l.bandera, config.musica);
                break;
            case Clave::Izquierda:
                Asignar(l.entero, config.teclasMovimiento[0]);
                break;
            case Clave::Derecha:
                Asignar(l.entero, config.teclasMovimiento[1]);
                break;
            case Clave::Disparo1:
                Asignar(l.entero, config.teclasDisparo[0]);
                break;
            case Clave::Disparo2:
                Asignar(l.entero, config.teclasDisparo[1]);
                break;
            case Clave::Disparo3:
                Asignar(l.entero, config.teclasDisparo[2]);
                break;
            case Clave::NoEsperarPuertas:
                Asignar(l.bandera, config.noEsperarPuertas);
                break;
            case Clave::VidaExtra:
                Asignar(l.bandera, config.vidaExtra);
                break;
            case Clave::ChicaAmenazada:
                Asignar(l.bandera, config.chicaAmenazada);
                break;
            case Clave::Idioma:
                Asignar(l.entero, config.idioma);
                break;
            case Clave::DDraw:
                break;
            case Clave::Aspecto:
                config.aspecto43 = LeerAcotado(textoIni, d.clave) == 1;
                break;
            case Clave::Nitido:
                config.nitido = LeerAcotado(textoIni, d.clave) == 1;
                break;
            case Clave::VolumenEfectos:
                config.volumenEfectos = LeerAcotado(textoIni, d.clave);
                break;
            case Clave::VolumenMusica:
                config.volumenMusica = LeerAcotado(textoIni, d.clave);
                break;
            case Clave::PausaSinFoco:
                config.pausaSinFoco = LeerAcotado(textoIni, d.clave) == 1;
                break;
            case Clave::VSync:
                config.vsync = LeerAcotado(textoIni, d.clave) == 1;
                break;
            case Clave::BotonDisparo1:
            case Clave::BotonDisparo2:
            case Clave::BotonDisparo3:
            case Clave::BotonPausa:
            case Clave::BotonAtras:
                config.botonesMando[static_cast<std::size_t>(d.clave) -
                                    static_cast<std::size_t>(Clave::BotonDisparo1)] =
                    LeerBoton(textoIni, d.clave);
                break;
        }
    }
}

double LeerDDraw(std::string_view textoIni) {
    return Val(Leer(textoIni, Definicion(Clave::DDraw)).texto);
}

bool EscribirConfiguracion(const std::filesystem::path& archivo,
                           std::span<const ValorConfiguracion> valores) {
    std::vector<ValorPerfil> perfil;
    perfil.reserve(valores.size());
    for (const ValorConfiguracion& v : valores) {
        const DefinicionClave& d = Definicion(v.clave);
        perfil.push_back({d.seccion, d.nombre, v.valor});
    }
    return EscribirPerfil(archivo, perfil);
}

std::string ConfiguracionPorDefecto() {
    std::string texto;
    for (Clave clave : kOrdenSetUp) {
        const DefinicionClave& d = Definicion(clave);
        texto = EscribirValorPerfil(texto, d.seccion, d.nombre, d.valorSetUp);
    }
    return texto;
}

}  // namespace polvareda
