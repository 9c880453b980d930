// The texts of the chosen language, read from its decoded copy "idioma.tmp": a profile file
// with the sections General, Menu and Juego. A missing key, section or file gives "0".
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace polvareda {

constexpr std::string_view kArchivoIdiomaTemporal = "idioma.tmp";

class Idioma {
  public:
    Idioma() = default;  // no file: every text is "0"
    static Idioma Cargar(const std::filesystem::path& idiomaTmp);
    static Idioma DesdeTexto(std::string texto);

    // The text as read (cut to 254 characters), or "0".
    std::string Texto(std::string_view seccion, std::string_view clave) const;

  private:
    std::string texto_;
};

// The labels of the game, read once at load; each carries one blank after the text.
struct TextosJuego {
    std::string dia = "0 ";
    std::string fase = "0 ";
    std::string puntos = "0 ";
    std::string vidas = "0 ";
    std::string escribeNombre = "0 ";
    std::string mejores = "0 ";
    std::array<std::string, 3> sheriff = {"0 ", "0 ", "0 "};  // the sheriff screen's lines
    std::string pausa = "0 ";  // blinks over the play while the game is paused
};

TextosJuego LeerTextosJuego(const Idioma& idioma);

// The menu entries and credit captions, read as they are each time the menu starts.
struct TextosMenu {
    std::string jugar, teclado, joystick, nivel, elegir, programador, copyright;
    std::string opciones;  // the fifth entry: the options screen
};

TextosMenu LeerTextosMenu(const Idioma& idioma);

// The options screen's texts (section Opciones), read when it opens and when the player
// changes the language on it.
struct TextosOpciones {
    std::string titulo, pantalla, ventana, completa, exclusiva, aspecto, nitido, vsync, efectos,
        musica, idioma, teclas, cambiarAyB, volver, si, no, reiniciar, pulsa;
    std::array<std::string, 5> mando;      // the pad's fire 1 to 3, pause and back
    std::array<std::string, 3> controles;  // left, right and fire, for the key capture
    std::string nombreIdioma;              // the language's own name, as the font draws it
};

TextosOpciones LeerTextosOpciones(const Idioma& idioma);

}  // namespace polvareda
