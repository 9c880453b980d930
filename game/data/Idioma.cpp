// The language file's texts: read from the decoded copy, "0" for whatever is missing.
#include "Idioma.h"

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
    TextosOpciones t;
    t.titulo = texto("Titulo");
    t.pantalla = texto("Pantalla");
    t.ventana = texto("Ventana");
    t.completa = texto("Completa");
    t.exclusiva = texto("Exclusiva");
    t.aspecto = texto("Aspecto");
    t.nitido = texto("Nitido");
    t.vsync = texto("VSync");
    t.efectos = texto("Efectos");
    t.musica = texto("Musica");
    t.idioma = texto("Idioma");
    t.teclas = texto("Teclas");
    t.cambiarAyB = texto("CambiarAyB");
    t.volver = texto("Volver");
    t.si = texto("Si");
    t.no = texto("No");
    t.reiniciar = texto("Reiniciar");
    t.pulsa = texto("Pulsa");
    t.mando = {texto("Mando1"), texto("Mando2"), texto("Mando3"), texto("MandoPausa"),
               texto("MandoAtras")};
    t.controles = {texto("Izquierda"), texto("Derecha"), texto("Disparo")};
    t.nombreIdioma = texto("NombreIdioma");
    return t;
}

}  // namespace polvareda
