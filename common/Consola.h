// The console a windowed program was started from. A Windows program with a window starts
// without one; when it was started from a console, its help and error lines go there (unless
// already redirected to a file or a pipe), in UTF-8, and the console gets its own code page back
// when the program ends. Elsewhere there is nothing to do.
#pragma once

namespace polvareda {

void UnirseALaConsola();

}  // namespace polvareda
