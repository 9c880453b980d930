// The game's language on a first start: when "Polvareda.INI" names none, the desktop's own
// language among the five the game speaks, so a fresh install greets its player in it.
#pragma once

#include <optional>
#include <string_view>

namespace polvareda {

// The game's number of the language a locale name such as "en_GB.UTF-8" or "pt_BR@euro" asks
// for (0 Spanish, 1 English, 2 French, 3 Italian, 4 Portuguese); nothing for any other
// language, for "C" and "POSIX" and for an empty name.
std::optional<int> IdiomaDeLocale(std::string_view nombre);

// The desktop's language: on Windows the user's interface language, elsewhere the first set
// of LC_ALL, LC_MESSAGES and LANG (the order in which they rule messages); `porDefecto` when
// it is none of the five.
int IdiomaDelEscritorio(int porDefecto);

// True when the configuration text has no Idioma key at all (a fresh install); a key that is
// present but unreadable keeps the classic reading of it.
bool SinIdioma(std::string_view textoIni);

}  // namespace polvareda
