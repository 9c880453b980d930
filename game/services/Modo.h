// The game window's modes: what input does, and what the long sequences wait on, depends on
// the mode. Each has its text, which the state line and the play trace write.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace polvareda {

enum class Modo : std::uint8_t {
    Ninguno,     // between screens: input does nothing
    Pantalla,    // the waiting screen of a run without the menu
    Menu,        // the main menu
    Auto,        // the attract screens: the rolling table and the demonstration
    Nivel,       // the level choice, and the set-up of the game it starts
    Nombre,      // a qualifying player types a name
    Mejores,     // a page of the score table, until a key
    Trans,       // on the way from one screen or phase to the next
    Juego,       // play
    JuegoTrans,  // a shot customer falls
    Bang,        // the player is shot
    Bomba,       // the bomb goes off
    Duelo,       // the duel's shooting
    Sheriff,     // the sheriff's star, until a key
    Opciones,    // the options screen, from the menu or a paused game
};

// How many modes there are: one more than the last value above.
inline constexpr std::size_t kModos = 15;
static_assert(static_cast<std::size_t>(Modo::Opciones) + 1 == kModos);

// The mode's text: "" for Ninguno, otherwise its name in the state line and the trace.
constexpr std::string_view TextoModo(Modo modo) {
    constexpr std::array<std::string_view, kModos> kTextos = {
        "",      "pantalla",    "menu", "auto",  "nivel", "nombre",  "mejores", "trans",
        "juego", "juego_trans", "bang", "bomba", "duelo", "sheriff", "opciones"};
    return kTextos[static_cast<std::size_t>(modo)];
}

// Play goes on: play itself, or a shot customer falling in the middle of it.
constexpr bool EnJuego(Modo modo) {
    return modo == Modo::Juego || modo == Modo::JuegoTrans;
}

}  // namespace polvareda
