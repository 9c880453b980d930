// The command line, the environment, the program's folder and the console, as the system gives
// them.
#include "ProgramaPropio.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32

// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <map>
#include <mutex>

#include "TextoAncho.h"

namespace polvareda {
namespace {

std::u16string_view Vista(const wchar_t* texto) {
    return {reinterpret_cast<const char16_t*>(texto), std::wcslen(texto)};
}

std::wstring Ancho(const std::string& utf8) {
    const std::u16string texto = Utf16DeUtf8(utf8);
    return {texto.begin(), texto.end()};
}

}  // namespace

std::vector<std::string> ArgumentosDelPrograma(int, char**) {
    std::vector<std::string> argumentos;
    int n = 0;
    wchar_t** lista = CommandLineToArgvW(GetCommandLineW(), &n);
    if (lista == nullptr) return argumentos;
    for (int i = 1; i < n; ++i) argumentos.push_back(Utf8DeUtf16(Vista(lista[i])));
    LocalFree(lista);
    return argumentos;
}

const char* VariableDeEntorno(const char* nombre) {
    // Each variable read once, converted and kept: the game reads the same few at start-up and
    // expects them not to change under it.
    static std::mutex cerrojo;
    static std::map<std::string, std::optional<std::string>> leidas;
    const std::lock_guard<std::mutex> bloqueo(cerrojo);
    auto [it, nueva] = leidas.try_emplace(nombre);
    if (nueva) {
        if (const wchar_t* valor = _wgetenv(Ancho(nombre).c_str())) {
            it->second = Utf8DeUtf16(Vista(valor));
        }
    }
    return it->second ? it->second->c_str() : nullptr;
}

std::filesystem::path CarpetaDelPrograma(const char* argv0) {
    std::wstring ruta(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
        if (n == 0) break;
        if (n < ruta.size()) {
            ruta.resize(n);
            return std::filesystem::path(ruta).parent_path();
        }
        ruta.resize(ruta.size() * 2);  // a long path: try again with room for it
    }
    std::error_code error;
    return std::filesystem::absolute(argv0 ? argv0 : "", error).parent_path();
}

std::optional<std::filesystem::path> CarpetaDeImagenesDelSistema() {
    PWSTR ruta = nullptr;
    std::optional<std::filesystem::path> carpeta;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &ruta)) && ruta != nullptr)
        carpeta = std::filesystem::path(ruta);
    CoTaskMemFree(ruta);
    return carpeta;
}

}  // namespace polvareda

#else

namespace polvareda {

std::vector<std::string> ArgumentosDelPrograma(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

const char* VariableDeEntorno(const char* nombre) {
    return std::getenv(nombre);
}

std::filesystem::path CarpetaDelPrograma(const char* argv0) {
    std::error_code error;
    // Linux names the running executable here; elsewhere the path it was started by.
    std::filesystem::path programa = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || programa.empty()) programa = std::filesystem::absolute(argv0 ? argv0 : "", error);
    return programa.parent_path();
}

std::optional<std::filesystem::path> CarpetaDeImagenesDelSistema() {
    return std::nullopt;
}

}  // namespace polvareda

#endif
