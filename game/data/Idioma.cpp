// The language file's texts: read from the decoded copy, "0" for whatever is missing.
#include "Idioma.h"

#include <utility>

#include "ArchivoAcotado.h"
#include "Perfil.h"

namespace polvareda {

Idioma Idioma::Cargar(const std::filesystem::path& idiomaTmp) {
    auto texto = LeerArchivoAcotado(idiomaTmp);
    return texto ? DesdeTexto(std::move(*texto)) : Idioma{};
}

Idioma Idioma::DesdeTexto(std::string texto) {
    Idioma idioma;
    idioma.texto_ = std::move(texto);
    return idioma;
}

std::string Idioma::Texto(std::string_view seccion, std::string_view clave) const {
    return LeerValorPerfil(texto_, seccion, clave, "0");
}

TextosJuego LeerTextosJuego(const Idioma& idioma) {
    auto juego = [&](std::string_view clave) { return idioma.Texto("Juego", clave) + " "; };
    TextosJuego textos;
    textos.dia = juego("Dia");
    textos.fase = juego("Fase");
    textos.puntos = juego("Puntos");
    textos.vidas = juego("Vidas");
    textos.escribeNombre = juego("EscribeNombre");
    textos.mejores = juego("Mejores");
    textos.pausa = juego("Pausa");
    for (int k = 1; k <= 3; ++k) textos.sheriff[k - 1] = juego("Sheriff" + std::to_string(k));
    return textos;
}

TextosMenu LeerTextosMenu(const Idioma& idioma) {
    auto menu = [&](std::string_view clave) { return idioma.Texto("Menu", clave); };
    TextosMenu textos;
    textos.jugar = menu("Jugar");
    textos.teclado = menu("Teclado");
    textos.joystick = menu("Joystick");
    textos.nivel = menu("Nivel");
    textos.elegir = menu("Elegir");
    textos.programador = menu("Programador");
    textos.copyright = menu("Copyright");
    textos.opciones = menu("Opciones");
    return textos;
}

TextosOpciones LeerTextosOpciones(const Idioma& idioma) {
    auto texto = [&](std::string_view clave) { return idioma.Texto("Opciones", clave); };
    using T = TextosOpciones;
    constexpr std::pair<std::string T::*, std::string_view> kCampos[] = {
        {&T::titulo, "Titulo"},
        {&T::pantalla, "Pantalla"},
        {&T::ventana, "Ventana"},
        {&T::completa, "Completa"},
        {&T::exclusiva, "Exclusiva"},
        {&T::aspecto, "Aspecto"},
        {&T::nitido, "Nitido"},
        {&T::vsync, "VSync"},
        {&T::efectos, "Efectos"},
        {&T::musica, "Musica"},
        {&T::idioma, "Idioma"},
        {&T::teclas, "Teclas"},
        {&T::cambiarAyB, "CambiarAyB"},
        {&T::volver, "Volver"},
        {&T::si, "Si"},
        {&T::no, "No"},
        {&T::reiniciar, "Reiniciar"},
        {&T::pulsa, "Pulsa"},
        {&T::nombreIdioma, "NombreIdioma"},
    };
    TextosOpciones t;
    for (const auto& [campo, clave] : kCampos) t.*campo = texto(clave);
    t.mando = {texto("Mando1"), texto("Mando2"), texto("Mando3"), texto("MandoPausa"),
               texto("MandoAtras")};
    t.controles = {texto("Izquierda"), texto("Derecha"), texto("Disparo")};
    return t;
}

}  // namespace polvareda
