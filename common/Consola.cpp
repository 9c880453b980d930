#include "Consola.h"

#ifdef _WIN32

// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace polvareda {
namespace {

UINT paginaAnterior = 0;

void DevolverPagina() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (paginaAnterior != 0) SetConsoleOutputCP(paginaAnterior);
}

// A standard stream with nowhere to go is sent to the console; one already redirected by the
// parent (to a file or a pipe) is left where it is.
void Reabrir(DWORD cual, FILE* flujo) {
    const HANDLE actual = GetStdHandle(cual);
    if (actual != nullptr && actual != INVALID_HANDLE_VALUE &&
        GetFileType(actual) != FILE_TYPE_UNKNOWN) {
        return;
    }
    FILE* nuevo = nullptr;
    if (_wfreopen_s(&nuevo, L"CONOUT$", L"w", flujo) == 0) {
        std::setvbuf(flujo, nullptr, cual == STD_OUTPUT_HANDLE ? _IOLBF : _IONBF, 0);
    }
}

}  // namespace

void UnirseALaConsola() {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // The programs' texts are UTF-8, and so are the paths they name; the console the player
    // goes on using afterwards keeps the code page it had.
    paginaAnterior = GetConsoleOutputCP();
    if (paginaAnterior != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) std::atexit(DevolverPagina);
    Reabrir(STD_OUTPUT_HANDLE, stdout);
    Reabrir(STD_ERROR_HANDLE, stderr);
}

}  // namespace polvareda

#else

namespace polvareda {

void UnirseALaConsola() {}

}  // namespace polvareda

#endif
