// The score table as the front end shows it: the page of ten around a new record, the rolling
// table's colours and the rows' texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Mejores.h"

namespace polvareda {

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
