// The one rule for the member names of a graphics extension. A member becomes a file in the
// game's private temporary folder, so its name must be a plain file name on every system the
// game runs on, must not replace one of the game's own working files there, and must not land
// on the same file as another member where the file system ignores case. The packer refuses
// what the game would pass over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace polvareda {

// Empty when `nombre` may name a member; otherwise why not, naming it, in words for the person
// making the extension.
std::string ProblemaConNombreDeMiembro(std::string_view nombre);

// The sprite sheets the game has: 0-9, 11-19, 21-29, 33-39, 48 and 49.
bool ExisteHojaSprite(int i);

// The members the game takes from an extension, under the names it looks them up by (lower
// case, `sprite<N>.gif` for each sheet), in the order it loads them: the fixed pictures, the
// sprite sheets, then the teller's window and the life marker. Any other member is ignored,
// so the packer refuses it.
const std::vector<std::string>& MiembrosQueCarga();

// True when the two names would be the same file where case is ignored (ASCII letters).
bool MismoArchivo(std::string_view a, std::string_view b);

}  // namespace polvareda
