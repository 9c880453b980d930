// The score table as the front end reads and changes it: where a new score goes, the insertion
// that keeps the table in order, and the rows of a page of ten.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Mejores.h"

namespace polvareda {

// The place p (1 to 99) a score of `puntos` takes, or 0 when it does not qualify: it must
// reach record 98's score, and it goes above every record with the same score.
int LugarNuevo(const TablaMejores& tabla, std::int32_t puntos);

// Records p to 98 move one place down (record 99 is dropped) and p becomes (nombre, puntos).
void InsertarMejor(TablaMejores& tabla, int p, std::string nombre, std::int32_t puntos);

// The first record of the page of ten shown around a new record at p.
int PrimeraDePagina(int p);

// The colours of the rolling table's ten rows for one drawing, moving the colour counter `c`
// on: one step before the drawing and one per row, 4 wrapping to 1, so that each drawing
// shows the colours one row further up.
std::array<int, 10> ColoresTabla(int& c);

// A row's texts: the rank as at least two digits, the name cut to the 20 columns before the
// score, the score as six digits with leading zeros (a minus sign first when negative).
std::string TextoRango(int indice);
std::string TextoNombre(std::string_view nombre);
std::string TextoPuntuacion(std::int32_t puntos);

}  // namespace polvareda
