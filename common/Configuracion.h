// The one table of the configuration file "Polvareda.INI": every section, key, default and
// parse rule. The game reads through it; the setup program reads and writes through it.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace polvareda {

enum class ReglaClave {
    Modo,           // PantallaCompleta: Val; 0, 1 or 2, any other value changes nothing
    Texto,          // held as text (Ancho, Alto, XGA)
    ValEntero,      // Val, then the 16-bit conversion (Scroll, Izquierda, Derecha, Idioma)
    Entero,         // the 16-bit conversion of the text itself (Disparo1..3)
    Bandera,        // true when Val is not 0
    BanderaSegura,  // a flag whose failed read gives true (default "1")
    ValSolo,        // Val only (DDraw)
    // A whole number from `minimo` to `maximo`, written as plain digits (blanks around them
    // allowed); anything else (empty, a sign, a fraction, text, out of range) the default.
    Acotado,
    // A controller button by its name in the common layout (any case); anything else the default.
    Boton,
};

enum class Clave {
    PantallaCompleta,
    Ancho,
    Alto,
    Scroll,
    XGA,
    SND,
    MUS,
    Izquierda,
    Derecha,
    Disparo1,
    Disparo2,
    Disparo3,
    NoEsperarPuertas,
    VidaExtra,
    ChicaAmenazada,
    Idioma,
    DDraw,
    // The desktop's keys, which the classic file never had: missing, they keep the game as
    // it always was.
    Aspecto,         // [Pantalla] 0 square pixels, 1 the 320 x 200 picture at 4:3
    Nitido,          // [Pantalla] 1 whole enlargement factors only, 0 fill the window
    VolumenEfectos,  // [Sonido] 0 to 100 per cent, on top of the game's own levels
    VolumenMusica,   // [Sonido] likewise for the music
    PausaSinFoco,    // [Opciones] 1 pause and mute when the window loses focus
    VSync,           // [Pantalla] 1 every picture waits for the display's refresh
    // [Mando] the controller's button for each of its roles.
    BotonDisparo1,
    BotonDisparo2,
    BotonDisparo3,
    BotonPausa,
    BotonAtras,
};

struct DefinicionClave {
    Clave clave;
    std::string_view seccion;
    std::string_view nombre;
    std::string_view porDefecto;  // the default the game assumes when the key is missing
    std::string_view valorSetUp;  // what the setup program writes for a fresh game
    ReglaClave regla;
    int minimo = 0;  // the range of an Acotado key
    int maximo = 0;
};

// In the order the game reads them; DDraw after the classic keys (it is read by the device
// set-up), then the desktop's keys.
std::span<const DefinicionClave> TablaConfiguracion();
const DefinicionClave& Definicion(Clave clave);

constexpr std::string_view kArchivoConfiguracion = "Polvareda.INI";

inline constexpr std::size_t kRolesMando = 5;
constexpr Clave kClavesMando[kRolesMando] = {Clave::BotonDisparo1, Clave::BotonDisparo2,
                                             Clave::BotonDisparo3, Clave::BotonPausa,
                                             Clave::BotonAtras};

// The settings as the game holds them after reading.
struct Configuracion {
    bool modoPantallaCompleta = false;
    bool escalaLibre = false;
    std::string ancho;  // text until the device set-up converts it
    std::string alto;
    std::int16_t scroll = 0;
    std::string nombreXGA;
    bool sonido = false;
    bool musica = false;
    std::int16_t teclasMovimiento[2] = {0, 0};
    std::int16_t teclasDisparo[3] = {0, 0, 0};
    bool noEsperarPuertas = false;
    bool vidaExtra = false;
    bool chicaAmenazada = false;
    std::int16_t idioma = 0;
    bool aspecto43 = false;
    bool nitido = true;
    int volumenEfectos = 100;
    int volumenMusica = 100;
    bool pausaSinFoco = true;
    bool vsync = false;
    // The controller's button (its number in the common layout) for fire 1 to 3, pause and
    // back, in the order of the [Mando] keys; the defaults are a, b, x, start and back.
    std::array<int, kRolesMando> botonesMando = {0, 1, 2, 6, 4};
};

// The value of an Acotado key in `textoIni` (its default when the text is not a whole number
// in its range); SetUp reads the desktop's keys through this too.
int LeerAcotado(std::string_view textoIni, Clave clave);

// The button number of a Boton key in `textoIni` (its default's when the text names none).
int LeerBoton(std::string_view textoIni, Clave clave);

// Reads every key except DDraw into `config`, in the table's order, by the parse rules.
void LeerConfiguracion(std::string_view textoIni, Configuracion& config);
// Reads DDraw (default "1", Val).
double LeerDDraw(std::string_view textoIni);

// One value to write, by its key in the table.
struct ValorConfiguracion {
    Clave clave;
    std::string valor;
};

// Writes the values, in their order, into the settings file `archivo` in one atomic
// replacement; every other key and line stays as it was. SetUp's OK and the game's options
// screen both write through this, so the same choices give the same bytes. False (the file
// as it was) when it cannot be written.
bool EscribirConfiguracion(const std::filesystem::path& archivo,
                           std::span<const ValorConfiguracion> valores);

// The text of a fresh configuration as the setup program writes it by default: the classic
// keys only (the desktop's keys are left out, so their defaults hold).
std::string ConfiguracionPorDefecto();

}  // namespace polvareda
