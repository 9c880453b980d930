// The Start-menu shortcuts of a Windows installation: shell links made through the shell's own
// link object, so no helper library is copied anywhere.
#ifdef _WIN32

// windows.h first: the shell's headers need its definitions.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <system_error>

#include "Instalacion.h"

namespace polvareda::setup {

namespace fs = std::filesystem;

namespace {

// COM for the calling thread, for as long as the object lives (Qt's window thread has it
// already; then this only counts one more use).
class ComIniciado {
  public:
    ComIniciado() : bien_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComIniciado() {
        if (bien_) CoUninitialize();
    }
    ComIniciado(const ComIniciado&) = delete;
    ComIniciado& operator=(const ComIniciado&) = delete;

  private:
    bool bien_;
};

template <typename T>
class Interfaz {
  public:
    Interfaz() = default;
    ~Interfaz() {
        if (p_ != nullptr) p_->Release();
    }
    Interfaz(const Interfaz&) = delete;
    Interfaz& operator=(const Interfaz&) = delete;
    T* operator->() const { return p_; }
    void** Salida() { return reinterpret_cast<void**>(&p_); }
    explicit operator bool() const { return p_ != nullptr; }

  private:
    T* p_ = nullptr;
};

bool CrearEnlace(const fs::path& enlace, const fs::path& programa, const wchar_t* argumentos) {
    Interfaz<IShellLinkW> vinculo;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                vinculo.Salida())) ||
        !vinculo) {
        return false;
    }
    if (FAILED(vinculo->SetPath(programa.c_str())) || FAILED(vinculo->SetArguments(argumentos)) ||
        FAILED(vinculo->SetWorkingDirectory(programa.parent_path().c_str())) ||
        FAILED(vinculo->SetIconLocation(programa.c_str(), 0))) {
        return false;
    }
    Interfaz<IPersistFile> archivo;
    if (FAILED(vinculo->QueryInterface(IID_IPersistFile, archivo.Salida())) || !archivo) {
        return false;
    }
    return SUCCEEDED(archivo->Save(enlace.c_str(), TRUE));
}

}  // namespace

fs::path CarpetaDeAccesos() {
    PWSTR ruta = nullptr;
    fs::path carpeta;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Programs, 0, nullptr, &ruta)) && ruta != nullptr)
        carpeta = fs::path(ruta);
    CoTaskMemFree(ruta);
    return carpeta;
}

bool CrearAccesos(const fs::path& carpetaAccesos, const fs::path& carpetaJuego, const QByteArray&) {
    std::error_code error;
    fs::create_directories(carpetaAccesos, error);
    if (!fs::is_directory(carpetaAccesos, error)) return false;
    const ComIniciado com;
    const bool juego = CrearEnlace(carpetaAccesos / L"Polvareda.lnk",
                                   carpetaJuego / NombreJuego().toStdWString(), L"");
    const bool setup = CrearEnlace(carpetaAccesos / L"SetUp + Polvareda.lnk",
                                   carpetaJuego / NombreSetUp().toStdWString(), L"/juego");
    return juego && setup;
}

}  // namespace polvareda::setup

#endif
