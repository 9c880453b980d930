// Key capture, Escape and Alt+F4, and the agreement between SetUp's key codes and the game's.
#include <gtest/gtest.h>

#include <SDL.h>

#include "ApoyoSetUp.h"
#include "CapturaTeclas.h"
#include "MapaTeclas.h"
#include "Perfil.h"
#include "TeclasQt.h"

namespace polvareda::setup {

namespace {

using polvareda::prueba::CarpetaDePrueba;
using prueba::Clic;
using prueba::ServiciosDePrueba;
using prueba::Tecla;

class TeclasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        prueba::PonerInstalado(carpeta_.Ruta());
        v_ = prueba::Ventana(carpeta_.Ruta(), s_);
    }
    std::vector<int> Comprometidas() const {
        const auto& t = v_->Teclas().Comprometidas();
        return {t.begin(), t.end()};
    }

    CarpetaDePrueba carpeta_;
    ServiciosDePrueba s_;
    std::unique_ptr<Instalar> v_;
};

}  // namespace

TEST(CapturaTeclas, TakesFiveDifferentKeysAndCommitsOnlyAtTheEnd) {
    CapturaTeclas c;
    c.Empezar();
    EXPECT_EQ(c.Estado(), "izda");
    EXPECT_TRUE(c.Pulsar('A'));
    EXPECT_FALSE(c.Pulsar('A'));  // the same key again: still asking for "right"
    EXPECT_FALSE(c.Pulsar(37));   // arrows are never taken
    EXPECT_FALSE(c.Pulsar(39));
    EXPECT_FALSE(c.Pulsar(0));  // a key without a code
    EXPECT_EQ(c.Estado(), "dcha");
    EXPECT_TRUE(c.Pulsar('D'));
    EXPECT_TRUE(c.Pulsar(115));  // F4 alone is a key like any other
    EXPECT_FALSE(c.Pulsar('D'));
    EXPECT_TRUE(c.Pulsar(38));  // Up and Down are allowed
    EXPECT_EQ(c.Comprometidas(), kTeclasPorDefecto);
    EXPECT_TRUE(c.Pulsar(32));
    EXPECT_FALSE(c.Capturando());
    EXPECT_EQ(c.Comprometidas(), (std::array<std::int16_t, 5>{65, 68, 115, 38, 32}));
}

TEST_F(TeclasTest, TheKeyboardIconAsksForEachControlAndOkWritesTheKeys) {
    Clic(v_->CuadroIcono(2));
    EXPECT_EQ(v_->Teclas().Estado(), "izda");
    EXPECT_FALSE(v_->CuadroIcono(0)->isVisible());
    EXPECT_FALSE(v_->Etiqueta(6)->isVisible());
    EXPECT_FALSE(v_->Boton(1)->isVisible());
    EXPECT_TRUE(v_->Boton(2)->isVisible());
    EXPECT_EQ(v_->Etiqueta(0)->text(), "Pulsa una tecla para:");
    EXPECT_EQ(v_->Etiqueta(1)->text(), "Izquierda");

    Tecla(v_.get(), Qt::Key_Z);
    Tecla(v_.get(), Qt::Key_Z);      // a duplicate: ignored
    Tecla(v_.get(), Qt::Key_Right);  // an arrow: ignored
    EXPECT_EQ(v_->Etiqueta(1)->text(), "Derecha");
    Clic(v_->IdiomaIco(1));  // switching language keeps the prompt
    EXPECT_EQ(v_->Etiqueta(0)->text(), "Push a key for:");
    EXPECT_EQ(v_->Etiqueta(1)->text(), "Right");
    Tecla(v_.get(), Qt::Key_X);
    EXPECT_EQ(v_->Etiqueta(1)->text(), "Shoot 1");
    Tecla(v_.get(), Qt::Key_F4);  // F4 without Alt is captured
    Tecla(v_.get(), Qt::Key_5, Qt::KeypadModifier);
    Tecla(v_.get(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_FALSE(v_->Teclas().Capturando());
    EXPECT_EQ(Comprometidas(), (std::vector<int>{90, 88, 115, 101, 17}));
    EXPECT_TRUE(v_->CuadroIcono(0)->isVisible());
    EXPECT_TRUE(v_->Boton(1)->isVisible());
    EXPECT_FALSE(v_->Etiqueta(0)->isVisible());
    EXPECT_EQ(v_->Etiqueta(4)->text(), "OK");

    Clic(v_->Boton(1));
    const auto ini = carpeta_ / "Polvareda.INI";
    EXPECT_EQ(LeerPerfil(ini, "Teclado", "Izquierda", ""), "90");
    EXPECT_EQ(LeerPerfil(ini, "Teclado", "Derecha", ""), "88");
    EXPECT_EQ(LeerPerfil(ini, "Teclado", "Disparo1", ""), "115");
    EXPECT_EQ(LeerPerfil(ini, "Teclado", "Disparo2", ""), "101");
    EXPECT_EQ(LeerPerfil(ini, "Teclado", "Disparo3", ""), "17");
}

TEST_F(TeclasTest, EscapeAndAltF4AbortACaptureAndKeepTheOldKeys) {
    for (bool escape : {true, false}) {
        Clic(v_->EtiquetaDeIcono(2));
        Tecla(v_.get(), Qt::Key_A);
        Tecla(v_.get(), Qt::Key_B);
        if (escape)
            Tecla(v_.get(), Qt::Key_Escape);
        else
            Tecla(v_.get(), Qt::Key_F4, Qt::AltModifier);
        EXPECT_FALSE(v_->Teclas().Capturando());
        EXPECT_EQ(Comprometidas(), (std::vector<int>{79, 80, 49, 50, 51}));
        EXPECT_TRUE(v_->Boton(1)->isVisible());
        EXPECT_EQ(s_.terminado, 0);
    }
}

TEST_F(TeclasTest, EscapeOutsideACaptureCancelsWithoutWriting) {
    Tecla(v_.get(), Qt::Key_Escape);
    EXPECT_EQ(s_.terminado, 1);
    EXPECT_FALSE(std::filesystem::exists(carpeta_ / "Polvareda.INI"));
}

TEST(SetUpTeclasInstalacion, EscapeAndAltF4AskBeforeLeavingTheInstaller) {
    CarpetaDePrueba carpeta;
    prueba::PonerJuego(carpeta.Ruta());
    ServiciosDePrueba s;
    auto v = prueba::Ventana(carpeta.Ruta(), s);
    s.respuestas = {false, true};
    Tecla(v.get(), Qt::Key_Escape);
    EXPECT_EQ(s.terminado, 0);
    Tecla(v.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(s.terminado, 1);
    ASSERT_EQ(s.preguntas.size(), 2u);
    EXPECT_EQ(s.preguntas[0], QString::fromUtf8("¿Seguro que quieres cancelar la instalación?"));
    // The window manager's close button asks the same.
    s.respuestas = {false};
    v->close();
    EXPECT_EQ(s.preguntas.size(), 3u);
    EXPECT_TRUE(v->isVisible());
}

// A key taken by SetUp is the key the game reacts to: both tables give the same code.
TEST(TeclasQt, AgreeWithTheGamesKeyTable) {
    struct Caso {
        int qt;
        Qt::KeyboardModifiers mods;
        unsigned x11;
        int scancode;
        int keycode;
        int sdlMods;
    };
    const Qt::KeyboardModifiers kp = Qt::KeypadModifier;
    const Qt::KeyboardModifiers no = Qt::NoModifier;
    const Caso casos[] = {
        {Qt::Key_A, no, 38, SDL_SCANCODE_A, 'a', 0},
        {Qt::Key_Q, no, 38, SDL_SCANCODE_A, 'q', 0},  // a French keyboard: the letter printed
        {Qt::Key_Z, no, 52, SDL_SCANCODE_Z, 'z', 0},
        {Qt::Key_1, no, 10, SDL_SCANCODE_1, '1', 0},
        {Qt::Key_Ampersand, no, 10, SDL_SCANCODE_1, '&', 0},  // by its place
        {Qt::Key_0, no, 19, SDL_SCANCODE_0, '0', 0},
        {Qt::Key_F1, no, 67, SDL_SCANCODE_F1, SDLK_F1, 0},
        {Qt::Key_F12, no, 96, SDL_SCANCODE_F12, SDLK_F12, 0},
        {Qt::Key_Space, no, 65, SDL_SCANCODE_SPACE, ' ', 0},
        {Qt::Key_Return, no, 36, SDL_SCANCODE_RETURN, '\r', 0},
        {Qt::Key_Escape, no, 9, SDL_SCANCODE_ESCAPE, 27, 0},
        {Qt::Key_Left, no, 113, SDL_SCANCODE_LEFT, SDLK_LEFT, 0},
        {Qt::Key_Up, no, 111, SDL_SCANCODE_UP, SDLK_UP, 0},
        {Qt::Key_Shift, no, 50, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, 0},
        {Qt::Key_Control, no, 37, SDL_SCANCODE_LCTRL, SDLK_LCTRL, 0},
        {Qt::Key_Alt, no, 64, SDL_SCANCODE_LALT, SDLK_LALT, 0},
        {Qt::Key_AltGr, no, 108, SDL_SCANCODE_RALT, SDLK_RALT, 0},
        {Qt::Key_Pause, no, 127, SDL_SCANCODE_PAUSE, SDLK_PAUSE, 0},
        {Qt::Key_ScrollLock, no, 78, SDL_SCANCODE_SCROLLLOCK, SDLK_SCROLLLOCK, 0},
        {Qt::Key_CapsLock, no, 66, SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 0},
        {Qt::Key_Insert, no, 118, SDL_SCANCODE_INSERT, SDLK_INSERT, 0},
        {Qt::Key_Home, no, 110, SDL_SCANCODE_HOME, SDLK_HOME, 0},
        {Qt::Key_Minus, no, 20, SDL_SCANCODE_MINUS, '-', 0},
        {Qt::Key_Comma, no, 59, SDL_SCANCODE_COMMA, ',', 0},
        {Qt::Key_Ntilde, no, 47, SDL_SCANCODE_SEMICOLON, 0xF1, 0},  // Spanish Ñ by its place
        {Qt::Key_Less, no, 94, SDL_SCANCODE_NONUSBACKSLASH, '<', 0},
        {Qt::Key_5, kp, 84, SDL_SCANCODE_KP_5, SDLK_KP_5, KMOD_NUM},
        {Qt::Key_0, kp, 90, SDL_SCANCODE_KP_0, SDLK_KP_0, KMOD_NUM},
        {Qt::Key_End, kp, 87, SDL_SCANCODE_KP_1, SDLK_KP_1, 0},  // Num Lock off
        {Qt::Key_Clear, kp, 84, SDL_SCANCODE_KP_5, SDLK_KP_5, 0},
        {Qt::Key_Asterisk, kp, 63, SDL_SCANCODE_KP_MULTIPLY, SDLK_KP_MULTIPLY, 0},
        {Qt::Key_Plus, kp, 86, SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, 0},
        {Qt::Key_Enter, kp, 104, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 0},
        {Qt::Key_Period, kp, 91, SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NUM},
    };
    for (const Caso& c : casos) {
        const int juego = polvareda::TeclaVirtual(c.scancode, c.keycode, c.sdlMods);
        EXPECT_NE(juego, 0) << c.qt;
        EXPECT_EQ(TeclaVirtual(c.qt, c.mods, c.x11), juego) << "Qt key " << c.qt;
        // Without the X11 key code (other platforms) the Qt key alone gives the US code.
        if (c.qt != Qt::Key_Q && c.qt != Qt::Key_Ampersand && c.qt != Qt::Key_Ntilde &&
            c.qt != Qt::Key_Less) {
            EXPECT_EQ(TeclaVirtual(c.qt, c.mods, 0), juego) << "Qt key " << c.qt;
        }
    }
    EXPECT_EQ(EstadoShift(Qt::AltModifier | Qt::ShiftModifier), 5);
}

}  // namespace polvareda::setup
