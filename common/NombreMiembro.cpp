// The member-name rule of the graphics extensions.
#include "NombreMiembro.h"

#include <algorithm>
#include <array>

namespace polvareda {

namespace {

char Minuscula(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Minusculas(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), Minuscula);
    return r;
}

// Names Windows keeps for its devices, with any extension: "con.gif" opens the console.
bool NombreDeDispositivo(std::string_view bajo) {
    const std::string_view raiz = bajo.substr(0, bajo.find('.'));
    static constexpr std::array<std::string_view, 4> kDispositivos = {"con", "prn", "aux", "nul"};
    if (std::find(kDispositivos.begin(), kDispositivos.end(), raiz) != kDispositivos.end())
        return true;
    return raiz.size() == 4 && (raiz.starts_with("com") || raiz.starts_with("lpt")) &&
           raiz[3] >= '0' && raiz[3] <= '9';
}

}  // namespace

std::string ProblemaConNombreDeMiembro(std::string_view nombre) {
    if (nombre.empty()) return "an empty member name";
    const std::string citado = "member name \"" + std::string(nombre) + "\"";
    if (nombre.size() > 255) return citado + " is longer than 255 characters";
    if (nombre == "." || nombre == "..") return citado + " names a folder";
    for (const char c : nombre) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) return "a member name with a control character";
        if (c == '/' || c == '\\') return citado + " holds a path separator";
        if (c == ':') return citado + " holds a drive or stream mark";
        if (std::string_view("*?\"<>|").find(c) != std::string_view::npos)
            return citado + " holds a character no file name may hold";
    }
    if (nombre.back() == '.' || nombre.back() == ' ')
        return citado + " ends in a dot or a blank, which Windows drops";
    const std::string bajo = Minusculas(nombre);
    // The game's own working files in its temporary folder (decoded copies, the scores, the
    // register, the fade frames) all end in ".tmp".
    if (bajo.ends_with(".tmp")) return citado + " ends in .tmp, like the game's working files";
    if (NombreDeDispositivo(bajo)) return citado + " is a device name on Windows";
    return {};
}

bool MismoArchivo(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Minuscula(x) == Minuscula(y); });
}

bool ExisteHojaSprite(int i) {
    return (i >= 0 && i <= 9) || (i >= 11 && i <= 19) || (i >= 21 && i <= 29) ||
           (i >= 33 && i <= 39) || i == 48 || i == 49;
}

const std::vector<std::string>& MiembrosQueCarga() {
    static const std::vector<std::string> miembros = [] {
        std::vector<std::string> lista = {"bang.gif",     "cajas.gif",   "cuadro.gif",  "dolar.gif",
                                          "estrella.gif", "letras.gif",  "paisaje.gif", "panel.gif",
                                          "pantalla.gif", "pared.gif",   "puertas.gif", "sino.gif",
                                          "sombrer0.gif", "sombrer1.gif"};
        for (int i = 0; i < 50; ++i)
            if (ExisteHojaSprite(i)) lista.push_back("sprite" + std::to_string(i) + ".gif");
        lista.push_back("ventanil.gif");
        lista.push_back("vida.gif");
        return lista;
    }();
    return miembros;
}

}  // namespace polvareda
