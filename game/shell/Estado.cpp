// The state line: the play state as one line of JSON for scripts and traces.
#include "Estado.h"

#include <cstdio>
#include <string>

#include "Juego.h"
#include "Modulo.h"
#include "Perfil.h"

namespace polvareda {

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252 (0 where the code page has none).
constexpr char16_t kCp1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void Escapar(std::string& salida, unsigned codigo) {
    char cifras[8];
    std::snprintf(cifras, sizeof cifras, "\\u%04x", codigo);
    salida += cifras;
}

}  // namespace

std::string CadenaJson(std::string_view texto) {
    std::string salida = "\"";
    for (char c : texto) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            salida += '\\';
            salida += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            Escapar(salida, byte);
        } else if (byte >= 0x80 && byte < 0xA0) {
            const unsigned codigo = kCp1252[byte - 0x80];
            Escapar(salida, codigo ? codigo : 0xFFFD);
        } else if (byte >= 0xA0) {
            Escapar(salida, byte);  // Latin-1 and Windows-1252 agree from here up
        } else {
            salida += c;
        }
    }
    return salida + "\"";
}

std::string EstadoJson(const Modulo& m, std::string_view por, std::string_view extra,
                       bool conConfiguracion) {
    std::string json = "{\"mode\": " + CadenaJson(TextoModo(m.ventana.modo));

    // The configuration keys as the file gives them (or their defaults), in reading order.
    if (conConfiguracion) {
        json += ", \"config\": {";
        bool primera = true;
        for (const auto& clave : TablaConfiguracion()) {
            if (!primera) json += ", ";
            primera = false;
            json += CadenaJson(clave.nombre) + ": " +
                    CadenaJson(LeerValorPerfil(m.textoConfiguracion, clave.seccion, clave.nombre,
                                               clave.porDefecto));
        }
        json += "}";
    }

    if (m.juego) {
        m.juego->CamposEstado(json, m.frente && m.frente->AtraccionEnPantalla());
    } else {
        json += ", \"points\": 0, \"lives\": 0";
    }
    if (m.frente) m.frente->CamposEstado(json);
    json += ", \"t\": " + std::to_string(m.plataforma.AhoraMs() - m.inicioMs);
    json += ", \"why\": " + CadenaJson(por);
    json += extra;
    json += "}";
    return json;
}

}  // namespace polvareda
