// The score table: its defaults, its stored text read and written, and the places of new records.
#include "Mejores.h"

#include <cctype>
#include <fstream>
#include <optional>

#include "ArchivoAcotado.h"
#include "Numeros.h"

namespace polvareda {

namespace {

struct Defecto {
    std::string_view nombre;
    std::int32_t puntos;
};

constexpr Defecto kDefectos[] = {
    {"PECOS PANCHO", 90210},   {"DUSTY TUMBLEWEED", 75430}, {"TEX THE RABBIT", 65980},
    {"RUBY B STEADY", 58980},  {"CODY CACTUS", 55430},      {"JEB HOLSTER", 54070},
    {"THE COYOTES", 50990},    {"SLIM THE SWIFT", 45430},   {"SOMBRERO SAM", 41610},
    {"HANK MESQUITE", 40510},  {"OLD PROSPECTOR", 31985},   {"JACK CANYON", 31984},
    {"GRIZZLY WALKER", 31977}, {"BELLE RIVERS", 21989},     {"INKY QUILL", 10000},
    {"MAJOR MULE", 4510},      {"BART THE BOLT", 2001},     {"LASSO LARRY", 100},
    {"ZEKE SADDLE", 100},      {"COLONEL CORN", 100},       {"BUCK HAYSTACK", 100},
};

// Reads the fields of the table text one after another, the way the table was always read:
// a field ends at a comma or at the end of a line.
class LectorCampos {
  public:
    explicit LectorCampos(std::string_view texto) : texto_(texto) {}

    bool Fin() const { return pos_ >= texto_.size(); }

    std::string CampoTexto() {
        SaltarBlancos();
        std::string campo;
        if (pos_ < texto_.size() && texto_[pos_] == '"') {
            // A quoted field runs to the closing quote (line ends included); what follows it
            // up to the separator is dropped.
            const std::size_t cierre = texto_.find('"', pos_ + 1);
            const std::size_t fin = cierre == std::string_view::npos ? texto_.size() : cierre;
            campo = texto_.substr(pos_ + 1, fin - pos_ - 1);
            pos_ = cierre == std::string_view::npos ? texto_.size() : cierre + 1;
            HastaSeparador();
        } else {
            campo = HastaSeparador();
        }
        if (campo.size() > kLongitudMaximaNombre) campo.resize(kLongitudMaximaNombre);
        return campo;
    }

    // Nothing when the field holds no number.
    std::optional<std::int32_t> CampoNumero() {
        SaltarBlancos();
        std::string campo;
        for (char c : HastaSeparador())
            if (c != ' ' && c != '\t') campo += c;
        if (campo.empty()) return std::nullopt;
        const char primero = campo[0];
        const bool numerico = std::isdigit(static_cast<unsigned char>(primero)) || primero == '-' ||
                              primero == '+' || primero == '.' || primero == '&';
        if (!numerico) return std::nullopt;
        return EnteroLargo(Val(campo));
    }

  private:
    void SaltarBlancos() {
        while (pos_ < texto_.size() && (texto_[pos_] == ' ' || texto_[pos_] == '\t')) ++pos_;
    }

    // The text up to the next comma or line end; consumes the separator (CR LF as one).
    std::string_view HastaSeparador() {
        const std::size_t inicio = pos_;
        while (pos_ < texto_.size() && texto_[pos_] != ',' && texto_[pos_] != '\r' &&
               texto_[pos_] != '\n')
            ++pos_;
        const std::string_view campo = texto_.substr(inicio, pos_ - inicio);
        if (pos_ < texto_.size()) {
            if (texto_[pos_] == '\r' && pos_ + 1 < texto_.size() && texto_[pos_ + 1] == '\n')
                ++pos_;
            ++pos_;
        }
        return campo;
    }

    std::string_view texto_;
    std::size_t pos_ = 0;
};

}  // namespace

TablaMejores MejoresPorDefecto() {
    TablaMejores tabla;
    tabla[0] = {"", 999999};
    for (int i = 1; i <= kRegistrosMejores; ++i) tabla[i] = {"", 100};
    int i = 1;
    for (const auto& d : kDefectos) tabla[i++] = {std::string(d.nombre), d.puntos};
    return tabla;
}

TablaMejores LeerMejores(std::string_view texto) {
    TablaMejores tabla;
    tabla.fill(RegistroMejor{});
    tabla[0] = {"", 999999};
    LectorCampos lector(texto);
    for (int i = 1; i <= kRegistrosMejores && !lector.Fin(); ++i) {
        tabla[i].nombre = lector.CampoTexto();
        if (lector.Fin()) break;
        if (auto puntos = lector.CampoNumero()) tabla[i].puntos = *puntos;
    }
    return tabla;
}

std::string TextoMejores(const TablaMejores& tabla) {
    std::string texto;
    for (int i = 1; i <= kRegistrosMejores; ++i) {
        // A line end inside a name would shift every later record: it is stored as a blank.
        for (char c : tabla[i].nombre) texto += (c == '\r' || c == '\n') ? ' ' : c;
        texto += "\r\n";
        texto += Str(tabla[i].puntos);
        texto += " \r\n";
    }
    return texto;
}

int LugarNuevo(const TablaMejores& tabla, std::int32_t puntos) {
    if (puntos < tabla[kRegistrosMejores - 1].puntos) return 0;
    int k = kRegistrosMejores;
    // Record 0 holds 999999 and stops the search; a higher score still stops at 0.
    while (k > 0 && tabla[static_cast<std::size_t>(k)].puntos <= puntos) --k;
    const int p = k + 1;
    // A stored table out of order can put the place below the last record: no room there.
    return p <= kRegistrosMejores ? p : 0;
}

void InsertarMejor(TablaMejores& tabla, int p, std::string nombre, std::int32_t puntos) {
    if (p < 1 || p > kRegistrosMejores) return;
    const auto lugar = static_cast<std::size_t>(p);
    for (std::size_t i = kRegistrosMejores; i > lugar; --i) tabla[i] = std::move(tabla[i - 1]);
    tabla[lugar] = {std::move(nombre), puntos};
}

void AgregarMejores(TablaMejores& tabla, const std::vector<RegistroMejor>& nuevos) {
    for (const RegistroMejor& r : nuevos)
        InsertarMejor(tabla, LugarNuevo(tabla, r.puntos), r.nombre, r.puntos);
}

TablaMejores CargarMejores(const std::filesystem::path& mejoresTmp) {
    const auto texto = LeerArchivoAcotado(mejoresTmp);
    if (!texto) return MejoresPorDefecto();
    return LeerMejores(*texto);
}

bool GuardarMejores(const std::filesystem::path& mejoresTmp, const TablaMejores& tabla) {
    const std::string texto = TextoMejores(tabla);
    std::ofstream salida(mejoresTmp, std::ios::binary | std::ios::trunc);
    if (!salida) return false;
    salida.write(texto.data(), static_cast<std::streamsize>(texto.size()));
    salida.close();
    return !salida.fail();
}

}  // namespace polvareda
