// Starting another program or the desktop's opener, detached, without waiting for it.
#include "Procesos.h"

#ifdef _WIN32

// windows.h first: shellapi.h needs its definitions.
#include <windows.h>

#include <shellapi.h>

#include "TextoAncho.h"

namespace polvareda {
namespace {

std::wstring Ancho(const std::string& utf8) {
    const std::u16string texto = Utf16DeUtf8(utf8);
    return {texto.begin(), texto.end()};
}

// The quoting rules of the C runtime's command-line parser.
std::wstring Citar(const std::wstring& argumento) {
    if (!argumento.empty() && argumento.find_first_of(L" \t\"") == std::wstring::npos)
        return argumento;
    std::wstring salida = L"\"";
    std::size_t barras = 0;
    for (wchar_t c : argumento) {
        if (c == L'\\') {
            ++barras;
            continue;
        }
        salida.append(c == L'"' ? barras * 2 + 1 : barras, L'\\');
        barras = 0;
        salida += c;
    }
    salida.append(barras * 2, L'\\');
    return salida + L"\"";
}

}  // namespace

bool LanzarPrograma(const std::filesystem::path& programa,
                    const std::vector<std::string>& argumentos) {
    std::wstring linea = Citar(programa.wstring());
    for (const auto& a : argumentos) linea += L" " + Citar(Ancho(a));
    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    PROCESS_INFORMATION proceso{};
    if (!CreateProcessW(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                        nullptr, nullptr, &inicio, &proceso)) {
        return false;
    }
    CloseHandle(proceso.hThread);
    CloseHandle(proceso.hProcess);
    return true;
}

bool AbrirConEscritorio(const std::string& rutaOEnlace) {
    const auto resultado = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", Ancho(rutaOEnlace).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return resultado > 32;
}

}  // namespace polvareda

#elif defined(__EMSCRIPTEN__)

#include <emscripten.h>

namespace polvareda {
namespace {

EM_JS(int, AbrirEnPestana, (const char* enlace),
      { return window.open(UTF8ToString(enlace), "_blank") ? 1 : 0; });

}  // namespace

// A page starts no programs; a web address opens in a new tab of the browser.
bool LanzarPrograma(const std::filesystem::path&, const std::vector<std::string>&) {
    return false;
}

bool AbrirConEscritorio(const std::string& rutaOEnlace) {
    if (rutaOEnlace.rfind("https://", 0) != 0 && rutaOEnlace.rfind("http://", 0) != 0) return false;
    return AbrirEnPestana(rutaOEnlace.c_str()) != 0;
}

}  // namespace polvareda

#else

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace polvareda {
namespace {

bool Lanzar(const std::string& programa, const std::vector<std::string>& argumentos,
            bool buscarEnPath) {
    std::vector<std::string> copia;
    copia.reserve(argumentos.size() + 1);
    copia.push_back(programa);
    copia.insert(copia.end(), argumentos.begin(), argumentos.end());
    std::vector<char*> argv;
    for (auto& a : copia) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawnattr_t atributos;
    if (posix_spawnattr_init(&atributos) != 0) return false;
    // Its own session: the started program outlives us and keeps none of our terminal signals.
    posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETSID);
    pid_t hijo = 0;
    const int error =
        buscarEnPath
            ? posix_spawnp(&hijo, programa.c_str(), nullptr, &atributos, argv.data(), environ)
            : posix_spawn(&hijo, programa.c_str(), nullptr, &atributos, argv.data(), environ);
    posix_spawnattr_destroy(&atributos);
    if (error != 0) return false;
    // Somebody must collect the child's exit status, or it lingers as a zombie while we run.
    // The program has started whatever happens now: a thread that cannot be made leaves the
    // status uncollected until we end, and the start is still reported as done.
    try {
        std::thread([hijo] {
            int estado = 0;
            while (waitpid(hijo, &estado, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
    }
    return true;
}

}  // namespace

bool LanzarPrograma(const std::filesystem::path& programa,
                    const std::vector<std::string>& argumentos) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(programa, error)) return false;
    return Lanzar(programa.string(), argumentos, false);
}

bool AbrirConEscritorio(const std::string& rutaOEnlace) {
    // "--" is not understood by the opener; a leading '-' would be taken as an option.
    if (rutaOEnlace.empty() || rutaOEnlace.front() == '-') return false;
    return Lanzar("xdg-open", {rutaOEnlace}, true);
}

}  // namespace polvareda

#endif
