// The controllers the SDL backend opens and closes, driven by SDL's virtual joystick: no
// display and no real controller are needed.
#include "MandosSDL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "EventosSDL.h"
#include "Plataforma.h"

namespace polvareda {
namespace {

// SDL's joystick layer for the test's own virtual controllers, apart from the one MandosSDL
// starts (SDL counts the users of each subsystem).
struct Joysticks {
    Joysticks() { EXPECT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError(); }
    ~Joysticks() { SDL_Quit(); }
};

int Conectar() {
    const int indice = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    EXPECT_GE(indice, 0) << SDL_GetError();
    return indice;
}

// What the backend makes of SDL's queue: the events MandosSDL lets through, translated.
std::vector<Evento> Leer(MandosSDL& mandos) {
    std::vector<Evento> leidos;
    SDL_PumpEvents();
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        if (!mandos.Atender(e)) continue;
        if (auto ev = TraducirEvento(e, Encaje{})) leidos.push_back(*ev);
    }
    return leidos;
}

std::vector<TipoEvento> Tipos(const std::vector<Evento>& eventos) {
    std::vector<TipoEvento> tipos;
    for (const auto& e : eventos) tipos.push_back(e.tipo);
    return tipos;
}

TEST(MandosSDL, AControllerPluggedInIsOpenedAnnouncedOnceAndClosedWhenPulledOut) {
    Joysticks sdl;
    MandosSDL mandos;
    Leer(mandos);
    const int antes = mandos.Cuantos();  // a real controller on this machine counts too

    const int indice = Conectar();
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(indice);
    EXPECT_EQ(Tipos(Leer(mandos)), std::vector{TipoEvento::MandoConectado});
    EXPECT_EQ(mandos.Cuantos(), antes + 1);
    SDL_Event otraVez{};
    otraVez.cdevice.type = SDL_CONTROLLERDEVICEADDED;
    otraVez.cdevice.which = indice;
    EXPECT_FALSE(mandos.Atender(otraVez));  // already open: not announced nor opened again

    // The button reaches the game through the controller mandos opened.
    SDL_Joystick* palanca = SDL_JoystickFromInstanceID(id);
    ASSERT_NE(palanca, nullptr);
    SDL_JoystickSetVirtualButton(palanca, SDL_CONTROLLER_BUTTON_START, 1);
    SDL_JoystickSetVirtualAxis(palanca, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    const auto leidos = Leer(mandos);
    ASSERT_EQ(leidos.size(), 2u);
    EXPECT_EQ(leidos[0].tipo, TipoEvento::MandoEje);
    EXPECT_EQ(leidos[0].boton, kEjeLeftX);
    EXPECT_EQ(leidos[0].x, -32768);
    EXPECT_EQ(leidos[1].tipo, TipoEvento::MandoPulsado);
    EXPECT_EQ(leidos[1].boton, kMandoStart);

    ASSERT_EQ(SDL_JoystickDetachVirtual(indice), 0) << SDL_GetError();
    // SDL lets go of what was held before the controller leaves, so nothing stays pressed.
    const auto fuera = Tipos(Leer(mandos));
    ASSERT_FALSE(fuera.empty());
    EXPECT_EQ(fuera.back(), TipoEvento::MandoDesconectado);
    EXPECT_EQ(std::count(fuera.begin(), fuera.end(), TipoEvento::MandoSoltado), 1);
    EXPECT_EQ(mandos.Cuantos(), antes);
    SDL_Event otraSalida{};
    otraSalida.cdevice.type = SDL_CONTROLLERDEVICEREMOVED;
    otraSalida.cdevice.which = id;
    EXPECT_FALSE(mandos.Atender(otraSalida));  // gone already
}

TEST(MandosSDL, AControllerThereAtTheStartCountsAtOnceAndIsAnnouncedOnce) {
    Joysticks sdl;
    const int indice = Conectar();
    MandosSDL mandos;
    EXPECT_GE(mandos.Cuantos(), 1);  // before any event is read
    const auto leidos = Tipos(Leer(mandos));
    EXPECT_EQ(std::count(leidos.begin(), leidos.end(), TipoEvento::MandoConectado),
              mandos.Cuantos());
    SDL_JoystickDetachVirtual(indice);
}

// A measure, not a check: the processor time of the backend's wait on an idle window, with no
// controller, with one attached and after it is pulled out. It needs a display; run it with
//   xvfb-run -a build/ci/tests/platform/platform_tests --gtest_also_run_disabled_tests
//   --gtest_filter='MandosSDL.DISABLED_*'
TEST(MandosSDL, DISABLED_IdleWaitCpuWithAndWithoutAController) {
    std::string error;
    auto p = CrearPlataformaSDL(error);
    ASSERT_NE(p, nullptr) << error;
    ASSERT_TRUE(p->AbrirPantalla(Pantalla{{320, 200}, false, "Mandos", nullptr, {}}));
    const auto medir = [&](const char* que) {
        constexpr int kSegundos = 10;
        const std::clock_t antes = std::clock();
        const std::int64_t fin = p->AhoraMs() + kSegundos * 1000;
        while (p->AhoraMs() < fin) p->EsperarEvento(fin);
        std::printf("%-26s %5.2f%% of one core\n", que,
                    100.0 * static_cast<double>(std::clock() - antes) / CLOCKS_PER_SEC / kSegundos);
    };
    const int antes = p->Joysticks();
    medir("no controller:");
    const int indice = Conectar();
    medir("one controller attached:");
    EXPECT_EQ(p->Joysticks(), antes + 1);  // opened by the wait itself
    SDL_JoystickDetachVirtual(indice);
    medir("pulled out again:");
    EXPECT_EQ(p->Joysticks(), antes);
}

}  // namespace
}  // namespace polvareda
