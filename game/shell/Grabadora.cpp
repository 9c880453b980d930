// The recorder's lines: the header with the replay's command and the settings that decide the
// game, then every input event and the time between them.
#include "Grabadora.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "Configuracion.h"

namespace polvareda {

namespace {

constexpr std::string_view kLineaFormato = "# Polvareda recording 1";
constexpr std::string_view kPrefijoAjuste = "# setting ";
// The script's reader takes at most a day in one advance.
constexpr std::int64_t kAvanceMaximo = 86'400'000;

// The keys of Polvareda.INI that change what a replayed input does, with the values the game
// reads from them.
std::vector<std::pair<std::string, long>> AjustesDeJuego(std::string_view textoIni) {
    Configuracion c;
    LeerConfiguracion(textoIni, c);
    const auto nombre = [](Clave clave) { return std::string(Definicion(clave).nombre); };
    std::vector<std::pair<std::string, long>> ajustes = {
        {nombre(Clave::Scroll), c.scroll},
        {nombre(Clave::Izquierda), c.teclasMovimiento[0]},
        {nombre(Clave::Derecha), c.teclasMovimiento[1]},
        {nombre(Clave::Disparo1), c.teclasDisparo[0]},
        {nombre(Clave::Disparo2), c.teclasDisparo[1]},
        {nombre(Clave::Disparo3), c.teclasDisparo[2]},
        {nombre(Clave::NoEsperarPuertas), c.noEsperarPuertas},
        {nombre(Clave::VidaExtra), c.vidaExtra},
        {nombre(Clave::ChicaAmenazada), c.chicaAmenazada},
        {nombre(Clave::PausaSinFoco), c.pausaSinFoco}};
    // The controller's placed buttons, named apart from the keyboard's keys of the same names.
    for (std::size_t r = 0; r < kRolesMando; ++r)
        ajustes.emplace_back("Mando" + nombre(kClavesMando[r]), c.botonesMando[r]);
    return ajustes;
}

std::string LineaDe(const Evento& e) {
    const auto n = [](int v) { return std::to_string(v); };
    switch (e.tipo) {
        case TipoEvento::TeclaPulsada:
            // A held key's repeats replay as repeats: a held fire key must not shoot.
            return (e.repeticion ? "keyrepeat " : "keydown ") + n(e.tecla) + " " + n(e.shift);
        case TipoEvento::TeclaSoltada:
            return "keyup " + n(e.tecla) + " " + n(e.shift);
        case TipoEvento::RatonPulsado:
            return "mousedown " + n(e.boton) + " " + n(e.x) + " " + n(e.y) + " " + n(e.shift);
        case TipoEvento::RatonSoltado:
            return "mouseup " + n(e.boton) + " " + n(e.x) + " " + n(e.y) + " " + n(e.shift);
        case TipoEvento::Cerrar:
            return "close";
        case TipoEvento::FocoPerdido:
            return "focusout";
        case TipoEvento::FocoGanado:
            return "focusin";
        case TipoEvento::MandoConectado:
            return "padconnect";
        case TipoEvento::MandoDesconectado:
            return "paddisconnect";
        case TipoEvento::MandoPulsado:
        case TipoEvento::MandoSoltado:
            if (e.boton < 0 || e.boton >= kBotonesMando) return "";
            return std::string(e.tipo == TipoEvento::MandoPulsado ? "paddown " : "padup ") +
                   kNombresBotonMando[e.boton];
        case TipoEvento::MandoEje:
            if (e.boton < 0 || e.boton >= kEjesMando) return "";
            return std::string("padaxis ") + kNombresEjeMando[e.boton] + " " + n(e.x);
        default:
            return "";
    }
}

}  // namespace

std::vector<std::string> AjustesDistintos(std::string_view guion, std::string_view textoIni) {
    std::vector<std::string> distintos;
    if (guion.substr(0, kLineaFormato.size()) != kLineaFormato) return distintos;
    const auto aqui = AjustesDeJuego(textoIni);
    for (std::size_t i = guion.find(kPrefijoAjuste); i != std::string_view::npos;
         i = guion.find(kPrefijoAjuste, i + 1)) {
        const std::size_t fin = std::min(guion.find('\n', i), guion.size());
        const std::string linea(
            guion.substr(i + kPrefijoAjuste.size(), fin - i - kPrefijoAjuste.size()));
        const std::size_t blanco = linea.find(' ');
        if (blanco == std::string::npos) continue;
        const std::string nombre = linea.substr(0, blanco);
        const std::string valor = linea.substr(blanco + 1);
        for (const auto& [n, v] : aqui)
            if (n == nombre && std::to_string(v) != valor)
                distintos.push_back(nombre + " " + valor + " there, " + std::to_string(v) +
                                    " here");
    }
    return distintos;
}

PlataformaGrabadora::PlataformaGrabadora(Plataforma& real, const std::filesystem::path& archivo,
                                         std::string_view textoIni)
    : real_(real),
      salida_(archivo, std::ios::binary | std::ios::trunc),
      abierta_(salida_.is_open()) {
    // The time of day in whole milliseconds, exactly as the replay's command line reads it.
    const std::int64_t hora = real_.HoraInicialMs();
    char texto[32];
    std::snprintf(texto, sizeof texto, "%lld.%03lld", static_cast<long long>(hora / 1000),
                  static_cast<long long>(hora % 1000));
    salida_ << kLineaFormato << "\n"
            << "# A game recorded by Polvareda. Replay it with\n"
            << "#   Polvareda --headless --carpeta FOLDER --guion " << archivo.filename().string()
            << " --hora " << texto << "\n"
            << "# on a copy of the game folder it was played in, with these settings:\n";
    for (const auto& [nombre, valor] : AjustesDeJuego(textoIni))
        salida_ << kPrefijoAjuste << nombre << " " << valor << "\n";
    salida_.flush();
}

PlataformaGrabadora::~PlataformaGrabadora() {
    Cerrar();
}

bool PlataformaGrabadora::Cerrar() {
    if (cerrada_) return bien_;
    cerrada_ = true;
    // The script ends when the run did, so a replay runs as long.
    Avanzar(real_.AhoraMs());
    salida_.close();
    bien_ = !salida_.fail();
    return bien_;
}

void PlataformaGrabadora::Avanzar(std::int64_t ahora) {
    // A game left standing for days between two inputs is written as several advances.
    while (ahora > ultimaLinea_) {
        const std::int64_t paso = std::min(ahora - ultimaLinea_, kAvanceMaximo);
        salida_ << "advance " << paso << "\n";
        ultimaLinea_ += paso;
    }
}

std::optional<Evento> PlataformaGrabadora::EsperarEvento(std::int64_t limiteMs) {
    auto evento = real_.EsperarEvento(limiteMs);
    if (!evento) return evento;
    const std::string linea = LineaDe(*evento);
    if (linea.empty()) return evento;
    if (evento->tipo == TipoEvento::MandoConectado) ++mandos_;
    if (evento->tipo == TipoEvento::MandoDesconectado && mandos_ > 0) --mandos_;
    // Events of the same millisecond follow each other with no advance between them, so the
    // replay keeps their order.
    Avanzar(real_.AhoraMs());
    salida_ << linea << "\n";
    salida_.flush();
    return evento;
}

}  // namespace polvareda
