// The keyboard lamps through the X keyboard extension, loaded at run time when it is there.
#include "LamparasTeclado.h"

#if defined(POLVAREDA_X11) && !defined(_WIN32)

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <dlfcn.h>

#include "Teclas.h"

namespace polvareda {
namespace {

// The few libX11 entry points used, looked up by name.
struct LibX11 {
    void* biblioteca = nullptr;
    Display* (*OpenDisplay)(const char*) = nullptr;
    int (*CloseDisplay)(Display*) = nullptr;
    int (*Sync)(Display*, Bool) = nullptr;
    Atom (*InternAtom)(Display*, const char*, Bool) = nullptr;
    Bool (*QueryExtension)(Display*, int*, int*, int*, int*, int*) = nullptr;
    Status (*GetState)(Display*, unsigned, XkbStatePtr) = nullptr;
    Bool (*LockModifiers)(Display*, unsigned, unsigned, unsigned) = nullptr;
    unsigned (*KeysymToModifiers)(Display*, KeySym) = nullptr;
    Bool (*GetNamedIndicator)(Display*, Atom, int*, Bool*, XkbIndicatorMapPtr, Bool*) = nullptr;
    Bool (*SetNamedIndicator)(Display*, Atom, Bool, Bool, Bool, XkbIndicatorMapPtr) = nullptr;

    template <typename F>
    bool Buscar(F& funcion, const char* nombre) {
        funcion = reinterpret_cast<F>(dlsym(biblioteca, nombre));
        return funcion != nullptr;
    }

    bool Abrir() {
        biblioteca = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (biblioteca == nullptr) return false;
        return Buscar(OpenDisplay, "XOpenDisplay") && Buscar(CloseDisplay, "XCloseDisplay") &&
               Buscar(Sync, "XSync") && Buscar(InternAtom, "XInternAtom") &&
               Buscar(QueryExtension, "XkbQueryExtension") && Buscar(GetState, "XkbGetState") &&
               Buscar(LockModifiers, "XkbLockModifiers") &&
               Buscar(KeysymToModifiers, "XkbKeysymToModifiers") &&
               Buscar(GetNamedIndicator, "XkbGetNamedIndicator") &&
               Buscar(SetNamedIndicator, "XkbSetNamedIndicator");
    }

    ~LibX11() {
        if (biblioteca != nullptr) dlclose(biblioteca);
    }
};

class LamparasX11 : public LamparasTeclado {
  public:
    LamparasX11(std::unique_ptr<LibX11> x, Display* pantalla)
        : x_(std::move(x)), pantalla_(pantalla) {
        mascaraNum_ = x_->KeysymToModifiers(pantalla_, XK_Num_Lock);
        mascaraDespl_ = x_->KeysymToModifiers(pantalla_, XK_Scroll_Lock);
        indicadorDespl_ = x_->InternAtom(pantalla_, "Scroll Lock", False);
    }
    ~LamparasX11() override { x_->CloseDisplay(pantalla_); }
    LamparasX11(const LamparasX11&) = delete;
    LamparasX11& operator=(const LamparasX11&) = delete;

    std::optional<bool> Encendida(int tecla) override {
        // Scroll Lock is seldom a modifier; then only its indicator knows its state.
        if (tecla == vk::BloqDespl && mascaraDespl_ == 0) {
            Bool encendido = False;
            if (!x_->GetNamedIndicator(pantalla_, indicadorDespl_, nullptr, &encendido, nullptr,
                                       nullptr)) {
                return std::nullopt;
            }
            return encendido != False;
        }
        const unsigned mascara = Mascara(tecla);
        if (mascara == 0) return std::nullopt;
        XkbStateRec estado{};
        if (x_->GetState(pantalla_, XkbUseCoreKbd, &estado) != Success) return std::nullopt;
        return (estado.locked_mods & mascara) != 0;
    }

    void Encender(int tecla, bool encendida) override {
        if (tecla == vk::BloqDespl && mascaraDespl_ == 0) {
            x_->SetNamedIndicator(pantalla_, indicadorDespl_, True, encendida ? True : False, False,
                                  nullptr);
        } else if (const unsigned mascara = Mascara(tecla); mascara != 0) {
            x_->LockModifiers(pantalla_, XkbUseCoreKbd, mascara, encendida ? mascara : 0);
        }
        x_->Sync(pantalla_, False);  // the lamp is set before anyone reads it back
    }

  private:
    unsigned Mascara(int tecla) const {
        switch (tecla) {
            case vk::BloqMayus:
                return LockMask;
            case vk::BloqNum:
                return mascaraNum_;
            case vk::BloqDespl:
                return mascaraDespl_;
            default:
                return 0;
        }
    }

    std::unique_ptr<LibX11> x_;
    Display* pantalla_;
    unsigned mascaraNum_ = 0;
    unsigned mascaraDespl_ = 0;
    Atom indicadorDespl_ = 0;
};

}  // namespace

std::unique_ptr<LamparasTeclado> LamparasTeclado::AbrirX11() {
    auto x = std::make_unique<LibX11>();
    if (!x->Abrir()) return nullptr;
    Display* pantalla = x->OpenDisplay(nullptr);
    if (pantalla == nullptr) return nullptr;
    int opcode = 0, evento = 0, error = 0, mayor = XkbMajorVersion, menor = XkbMinorVersion;
    if (!x->QueryExtension(pantalla, &opcode, &evento, &error, &mayor, &menor)) {
        x->CloseDisplay(pantalla);
        return nullptr;
    }
    return std::make_unique<LamparasX11>(std::move(x), pantalla);
}

}  // namespace polvareda

#else

namespace polvareda {

std::unique_ptr<LamparasTeclado> LamparasTeclado::AbrirX11() {
    return nullptr;
}

}  // namespace polvareda

#endif
