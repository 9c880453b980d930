// The credits' names. The addresses are in the reserved ".example" domain until the studio
// has real ones.
#include "Creditos.h"

#include "Listas.h"

namespace polvareda::setup {

namespace {

QString Correo(const char* usuario) {
    return QStringLiteral("mailto:") + usuario + QStringLiteral("@candiljuegos.example");
}

}  // namespace

std::vector<NombreCreditos> EntradasCreditos(const std::vector<std::string>& traductores) {
    std::vector<NombreCreditos> e;
    e.push_back({QStringLiteral("Equipo Candil"), Correo("equipo"), FilaCreditos::Programa});
    e.push_back({QString::fromUtf8("Lucía Robles"), QString(), FilaCreditos::Voces});
    e.push_back({QString::fromUtf8("Tomás Ferrer"), Correo("tomas"), FilaCreditos::Voces});
    e.push_back({QStringLiteral("Ana Quiroga"), Correo("ana"), FilaCreditos::Voces});
    e.push_back({QStringLiteral("Julián Prados"), Correo("julian"), FilaCreditos::Voces});
    for (const std::string& t : traductores) {
        e.push_back({DesdeAnsi(t), QString(), FilaCreditos::Traductores});
    }
    const struct {
        const char* nombre;
        const char* usuario;
    } probadores[] = {
        {"Pepe Lagos (ESP)", "pepe"}, {"Duna (ARG)", nullptr},      {"Mara Vidal (CHL)", "mara"},
        {"Kiko (ESP)", nullptr},      {"Nico Ruiz (URY)", "nico"},  {"Ximena (MEX)", nullptr},
        {"Tino Sanz (ESP)", "tino"},  {"Bea Olmos (ESP)", nullptr}, {"Guille (COL)", "guille"},
        {"Rita Paz (PER)", nullptr},  {"Fermin (ESP)", "fermin"},
    };
    for (const auto& p : probadores) {
        e.push_back({QString::fromUtf8(p.nombre), p.usuario ? Correo(p.usuario) : QString(),
                     FilaCreditos::Probadores});
    }
    return e;
}

}  // namespace polvareda::setup
