// The desktop's keys (full screen, screenshot, volume) and the window's focus.
#include "Escritorio.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <system_error>

#include "Modulo.h"
#include "Plataforma.h"
#include "ProgramaPropio.h"
#include "Teclas.h"
#include "TextoRuta.h"

namespace polvareda {

namespace fs = std::filesystem;

namespace {

constexpr int kF11 = vk::F1 + 10;
constexpr int kF12 = vk::F1 + 11;
constexpr int kPasoVolumen = 10;
// The plus and minus keys of the main keyboard ("=" and "-" on a US layout).
constexpr int kMas = vk::Igual;
constexpr int kMenos = vk::Guion;

bool EsDelJuego(const Configuracion& c, int tecla) {
    return std::find(std::begin(c.teclasMovimiento), std::end(c.teclasMovimiento), tecla) !=
               std::end(c.teclasMovimiento) ||
           std::find(std::begin(c.teclasDisparo), std::end(c.teclasDisparo), tecla) !=
               std::end(c.teclasDisparo);
}

void Captura(Modulo& m) {
    const Imagen& imagen = m.ventana.lienzo.Pixeles();
    if (!m.ventana.abierta || imagen.Empty() || !m.escritorio.capturas) return;
    const auto carpeta = CarpetaCapturas(VariableDeEntorno);
#ifdef _WIN32
    std::string error = "no pictures folder: Windows names none and USERPROFILE is not set";
#else
    std::string error = "no pictures folder: neither XDG_PICTURES_DIR nor HOME is set";
#endif
    const auto archivo =
        carpeta ? GuardarCaptura(imagen, *carpeta, m.plataforma.FechaYHora(), error) : std::nullopt;
    if (!archivo) {
        std::cerr << "Polvareda: screenshot not saved: " << error << "\n";
        return;
    }
    m.sonidos.Confirmar();
}

void Volumen(Modulo& m, bool musica, int paso) {
    Sonidos& s = m.sonidos;
    if (musica) {
        s.Niveles(s.NivelEfectos(), s.NivelMusica() + paso);
    } else {
        s.Niveles(s.NivelEfectos() + paso, s.NivelMusica());
        s.Confirmar();  // the new level, heard at once
    }
}

}  // namespace

int TeclaCaptura(const Configuracion& c) {
    if (!EsDelJuego(c, kF12)) return kF12;
    if (!EsDelJuego(c, kF11)) return kF11;
    return 0;
}

bool TeclaDeEscritorio(Modulo& m, const Evento& e) {
    if (e.tecla < 0 || e.tecla > 255) return false;
    bool& tomada = m.escritorio.tomadas[static_cast<std::size_t>(e.tecla)];
    if (e.tipo == TipoEvento::TeclaSoltada) {
        const bool era = tomada;
        tomada = false;
        return era;
    }
    if (e.tipo != TipoEvento::TeclaPulsada) return false;
    const bool alt = (e.shift & kAlt) != 0;
    const bool control = (e.shift & kControl) != 0;
    if (e.tecla == vk::Intro && alt && !control) {
        // A held Alt+Enter repeats its key-down: only the first one switches.
        if (!tomada) m.escritorio.pantallaCompleta = m.plataforma.AlternarPantallaCompleta();
    } else if (e.tecla == TeclaCaptura(m.configuracion) && e.tecla != 0) {
        if (!tomada) Captura(m);
    } else if ((e.tecla == kMas || e.tecla == kMenos) && control && !alt) {
        // Held, the level keeps moving with the key's repeats.
        Volumen(m, (e.shift & kShift) != 0, e.tecla == kMas ? kPasoVolumen : -kPasoVolumen);
    } else {
        return false;
    }
    tomada = true;
    return true;
}

void CambioDeFoco(Modulo& m, bool conFoco) {
    if (!m.configuracion.pausaSinFoco || m.escritorio.sinFoco == !conFoco) return;
    m.escritorio.sinFoco = !conFoco;
    m.sonidos.Silenciar(!conFoco);
    // The game pauses on the way out and stays paused on the way back.
    Evento e;
    e.tipo = conFoco ? TipoEvento::FocoGanado : TipoEvento::FocoPerdido;
    m.entrada.Atender(e);
}

std::optional<fs::path> CarpetaCapturas(const std::function<const char*(const char*)>& entorno) {
#ifdef _WIN32
    // The folder Windows itself names (moved or translated as the user left it).
    if (auto imagenes = CarpetaDeImagenesDelSistema()) return imagenes;
    const char* casa = entorno("USERPROFILE");
#else
    const char* imagenes = entorno("XDG_PICTURES_DIR");
    if (imagenes != nullptr && *imagenes != '\0') return fs::u8path(imagenes);
    const char* casa = entorno("HOME");
#endif
    if (casa == nullptr || *casa == '\0') return std::nullopt;
    return fs::u8path(casa) / "Pictures";
}

std::optional<fs::path> GuardarCaptura(const Imagen& imagen, const fs::path& carpeta,
                                       const std::string& fecha, std::string& error) {
    std::error_code ec;
    if (!fs::is_directory(carpeta, ec)) {
        error = "the folder " + TextoRuta(carpeta) + " does not exist";
        return std::nullopt;
    }
    fs::path destino;
    for (int n = 1; n <= 100 && destino.empty(); ++n) {
        const std::string nombre =
            "Polvareda-" + fecha + (n == 1 ? "" : "-" + std::to_string(n)) + ".png";
        if (!fs::exists(carpeta / nombre, ec) && !ec) destino = carpeta / nombre;
    }
    if (destino.empty()) {
        error = "too many screenshots of the same second in " + TextoRuta(carpeta);
        return std::nullopt;
    }
    const fs::path parcial = carpeta / RutaDeTexto("." + TextoRuta(destino.filename()) + ".part");
    const auto fallo = [&](const std::string& que) {
        fs::remove(parcial, ec);
        error = que;
        return std::nullopt;
    };
    if (!GuardarPng(imagen, parcial))
        return fallo("cannot write to " + TextoRuta(carpeta) + " (not writable, or full)");
    // A full disk can cut a file short without the writer noticing: it must read back whole.
    const auto leida = CargarImagen(parcial);
    if (!leida || leida->Width() != imagen.Width() || leida->Height() != imagen.Height())
        return fallo("the picture written to " + TextoRuta(carpeta) + " did not read back whole");
    fs::rename(parcial, destino, ec);
    if (ec) return fallo("cannot name the picture " + TextoRuta(destino));
    return destino;
}

}  // namespace polvareda
