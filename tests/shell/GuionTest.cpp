// The headless script's reader: every command, and the lines it refuses.
#include "Guion.h"

#include <gtest/gtest.h>

#include "LineaOrdenes.h"

namespace polvareda {
namespace {

Guion Leido(std::string_view texto) {
    auto r = LeerGuion(texto);
    if (auto* e = std::get_if<ErrorGuion>(&r)) ADD_FAILURE() << e->linea << ": " << e->mensaje;
    return std::get_if<Guion>(&r) ? std::get<Guion>(r) : Guion{};
}

ErrorGuion Error(std::string_view texto) {
    auto r = LeerGuion(texto);
    EXPECT_TRUE(std::holds_alternative<ErrorGuion>(r)) << texto;
    return std::holds_alternative<ErrorGuion>(r) ? std::get<ErrorGuion>(r) : ErrorGuion{};
}

TEST(Guion, EventsHappenAtTheTimeTheAdvancesReached) {
    const Guion g = Leido(
        "# a comment\r\n"
        "\n"
        "keydown 65\n"
        "advance 5000\n"
        "  keyup 65 1   # trailing comment\n"
        "mousedown 1 10 -20 3\n"
        "advance 250\n"
        "mouseup 4 0 0\n"
        "png out/my picture.png\n"
        "state\n"
        "state s.json\n"
        "close\n"
        "sound 21\n"
        "music 2\n"
        "advance 100");
    ASSERT_EQ(g.pasos.size(), 10u);
    EXPECT_EQ(g.finMs, 5350);
    EXPECT_EQ(g.pasos[0].enMs, 0);
    EXPECT_EQ(g.pasos[0].evento.tipo, TipoEvento::TeclaPulsada);
    EXPECT_EQ(g.pasos[0].evento.tecla, 65);
    EXPECT_EQ(g.pasos[1].enMs, 5000);
    EXPECT_EQ(g.pasos[1].evento.tipo, TipoEvento::TeclaSoltada);
    EXPECT_EQ(g.pasos[1].evento.shift, 1);
    const Evento& raton = g.pasos[2].evento;
    EXPECT_EQ(raton.tipo, TipoEvento::RatonPulsado);
    EXPECT_EQ(raton.boton, 1);
    EXPECT_EQ(raton.x, 10);
    EXPECT_EQ(raton.y, -20);
    EXPECT_EQ(raton.shift, 3);
    EXPECT_EQ(g.pasos[3].enMs, 5250);
    EXPECT_EQ(g.pasos[3].evento.boton, 4);
    EXPECT_EQ(g.pasos[4].evento.tipo, TipoEvento::VolcarImagen);
    EXPECT_EQ(g.pasos[4].evento.archivo, "out/my picture.png");
    EXPECT_EQ(g.pasos[5].evento.archivo, "");
    EXPECT_EQ(g.pasos[6].evento.archivo, "s.json");
    EXPECT_EQ(g.pasos[7].evento.tipo, TipoEvento::Cerrar);
    EXPECT_EQ(g.pasos[8].evento.tipo, TipoEvento::TocarEfecto);
    EXPECT_EQ(g.pasos[8].evento.tecla, 21);
    EXPECT_EQ(g.pasos[9].evento.tipo, TipoEvento::TocarMusica);
    EXPECT_EQ(g.pasos[9].evento.tecla, 2);
}

TEST(Guion, BadLinesAreNamedByNumber) {
    struct Caso {
        std::string texto;
        int linea;
        std::string contiene;
    };
    for (const Caso& c : std::vector<Caso>{
             {"advance 10\njump 3", 2, "unknown command 'jump'"},
             {"keydown", 1, "keydown VK [SHIFT]"},
             {"keydown 256", 1, "VK"},
             {"keydown 65 8", 1, "SHIFT"},
             {"keydown 0x41", 1, "'0x41'"},
             {"keydown 65 1 2", 1, "expected"},
             {"\n\nadvance -5", 3, "advance"},
             {"advance 1.5", 1, "advance"},
             {"advance 99999999999999999999", 1, "advance"},
             {"mousedown 3 0 0", 1, "BUTTON"},
             {"mousedown 1 0", 1, "BUTTON X Y"},
             {"mouseup 1 a 0", 1, "X"},
             {"png", 1, "png FILE"},
             {"close now", 1, "close"},
             {"sound 24", 1, "EFFECT"},
             {"music 0", 1, "PIECE"},
             {"sound", 1, "sound EFFECT"},
             {"KEYDOWN 65", 1, "unknown"},
         }) {
        const ErrorGuion e = Error(c.texto);
        EXPECT_EQ(e.linea, c.linea) << c.texto;
        EXPECT_NE(e.mensaje.find(c.contiene), std::string::npos) << c.texto << " -> " << e.mensaje;
    }
}

TEST(Guion, ControllerCommandsUseTheButtonAndAxisNames) {
    const Guion g = Leido(
        "padconnect\n"
        "advance 10\n"
        "paddown a\n"
        "padup dpright # comment\n"
        "padaxis leftx -32768\n"
        "padaxis righttrigger 32767\n"
        "paddisconnect");
    ASSERT_EQ(g.pasos.size(), 6u);
    EXPECT_EQ(g.pasos[0].evento.tipo, TipoEvento::MandoConectado);
    EXPECT_EQ(g.pasos[1].enMs, 10);
    EXPECT_EQ(g.pasos[1].evento.tipo, TipoEvento::MandoPulsado);
    EXPECT_EQ(g.pasos[1].evento.boton, kMandoA);
    EXPECT_EQ(g.pasos[2].evento.tipo, TipoEvento::MandoSoltado);
    EXPECT_EQ(g.pasos[2].evento.boton, kMandoDpRight);
    EXPECT_EQ(g.pasos[3].evento.tipo, TipoEvento::MandoEje);
    EXPECT_EQ(g.pasos[3].evento.boton, kEjeLeftX);
    EXPECT_EQ(g.pasos[3].evento.x, -32768);
    EXPECT_EQ(g.pasos[4].evento.boton, kEjeRightTrigger);
    EXPECT_EQ(g.pasos[4].evento.x, 32767);
    EXPECT_EQ(g.pasos[5].evento.tipo, TipoEvento::MandoDesconectado);
}

TEST(Guion, BadControllerLinesAreNamedByNumber) {
    struct Caso {
        std::string texto;
        int linea;
        std::string contiene;
    };
    for (const Caso& c : std::vector<Caso>{
             {"padconnect\npaddown z", 2, "BUTTON must be one of a b x y"},
             {"padconnect\npaddown A", 2, "not 'A'"},
             {"padconnect\npadup", 2, "padup BUTTON"},
             {"padconnect\npadaxis lefty", 2, "padaxis AXIS VALUE"},
             {"padconnect\npadaxis left 0", 2, "AXIS must be one of leftx"},
             {"padconnect\npadaxis leftx 32768", 2, "VALUE"},
             {"padconnect 2", 1, "expected: padconnect"},
             {"padconnect\npaddisconnect\npaddisconnect", 3, "no controller is connected"},
             {"paddown a", 1, "padconnect first"},
         }) {
        const ErrorGuion e = Error(c.texto);
        EXPECT_EQ(e.linea, c.linea) << c.texto;
        EXPECT_NE(e.mensaje.find(c.contiene), std::string::npos) << c.texto << " -> " << e.mensaje;
    }
}

TEST(Guion, AScriptCannotRunForMoreThanAYear) {
    std::string texto;
    for (int i = 0; i < 400; ++i) texto += "advance 86400000\n";
    EXPECT_EQ(Error(texto).linea, 366);
}

TEST(Guion, TheWindowCanLoseAndGetBackTheFocus) {
    const Guion g = Leido("focusout\nadvance 10\nfocusin\n");
    ASSERT_EQ(g.pasos.size(), 2u);
    EXPECT_EQ(g.pasos[0].evento.tipo, TipoEvento::FocoPerdido);
    EXPECT_EQ(g.pasos[1].evento.tipo, TipoEvento::FocoGanado);
    EXPECT_EQ(g.pasos[1].enMs, 10);
    EXPECT_EQ(Error("focusout now").mensaje, "expected: focusout");
}

TEST(LineaOrdenes, HeadlessNeedsAScriptAndTakesFolderAndTime) {
    const std::vector<std::string> bien = {"--headless", "--carpeta", "/x",    "--guion",
                                           "g.txt",      "--hora",    "3600.5"};
    const auto r = LeerLineaOrdenes(bien);
    ASSERT_TRUE(std::holds_alternative<LineaOrdenes>(r));
    const auto& o = std::get<LineaOrdenes>(r);
    EXPECT_TRUE(o.sinPantalla);
    EXPECT_EQ(o.carpeta, std::filesystem::path("/x"));
    EXPECT_EQ(o.guion, std::filesystem::path("g.txt"));
    EXPECT_EQ(o.hora, 3600.5);
    EXPECT_EQ(std::get<LineaOrdenes>(LeerLineaOrdenes({})).hora, 43200);
    const std::vector<std::string> grabar = {"--grabar", "partida.txt"};
    EXPECT_EQ(std::get<LineaOrdenes>(LeerLineaOrdenes(grabar)).grabar,
              std::filesystem::path("partida.txt"));

    for (const std::vector<std::string>& mal :
         std::vector<std::vector<std::string>>{{"--headless"},
                                               {"--guion", "g"},
                                               {"--carpeta"},
                                               {"--carpeta", ""},
                                               {"--headless", "--guion", ""},
                                               {"--headless", "--guion", "g", "--hora", "86400"},
                                               {"--headless", "--guion", "g", "--hora", "noon"},
                                               {"--grabar"},
                                               {"--grabar", ""},
                                               {"--headless", "--guion", "g", "--grabar", "r"},
                                               {"/juego"}})
        EXPECT_TRUE(std::holds_alternative<std::string>(LeerLineaOrdenes(mal))) << mal[0];
}

}  // namespace
}  // namespace polvareda
