// The high-score table `Mejores`: records 0 to 99 of a name and a 32-bit score. Record 0 is a
// sentinel above every real score; records 1 to 99 are the table, best first.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace polvareda {

struct RegistroMejor {
    std::string nombre;
    std::int32_t puntos = 0;
    bool operator==(const RegistroMejor&) const = default;
};

constexpr int kRegistrosMejores = 99;
using TablaMejores = std::array<RegistroMejor, kRegistrosMejores + 1>;

// Names longer than this in a stored table are cut: the name entry never makes them.
constexpr std::size_t kLongitudMaximaNombre = 255;

constexpr std::string_view kArchivoMejoresTemporal = "mejores.tmp";

// The table of a first start: 21 named records, then empty names with 100 points.
TablaMejores MejoresPorDefecto();

// Reads the decoded table text: fields separated by commas or line ends, leading blanks
// skipped, quoted text fields, numeric fields with blanks ignored. Records the text does not
// reach hold (empty, 0); unreadable scores leave 0; records past the 99th are ignored.
TablaMejores LeerMejores(std::string_view texto);

// The stored form: two CR LF lines per record 1 to 99, the name, then the score with a
// leading blank when not negative and one trailing blank.
std::string TextoMejores(const TablaMejores& tabla);

// The place p (1 to 99) a score of `puntos` takes, or 0 when it does not qualify: it must
// reach record 98's score, and it goes above every record with the same score.
int LugarNuevo(const TablaMejores& tabla, std::int32_t puntos);

// Records p to 98 move one place down (record 99 is dropped) and p becomes (nombre, puntos).
void InsertarMejor(TablaMejores& tabla, int p, std::string nombre, std::int32_t puntos);

// Each of `nuevos` in turn into `tabla`, at the place the rules give its score (a record that
// no longer qualifies is left out): a run's new records added to a table stored meanwhile.
void AgregarMejores(TablaMejores& tabla, const std::vector<RegistroMejor>& nuevos);

// The whole load: the file's table, or the defaults when it cannot be opened.
TablaMejores CargarMejores(const std::filesystem::path& mejoresTmp);

// Writes the stored form to the file (created or truncated). False when it cannot be written.
bool GuardarMejores(const std::filesystem::path& mejoresTmp, const TablaMejores& tabla);

}  // namespace polvareda
