# cmake -DARCHIVO=Polvareda.INI -P sin_idioma.cmake: takes the language line out of a settings
# file, so that a player's first start, which copies it, speaks the desktop's language.
file(READ "${ARCHIVO}" texto)
string(REGEX REPLACE "(^|\n)Idioma=[^\n]*\n" "\\1" texto "${texto}")
file(WRITE "${ARCHIVO}" "${texto}")
