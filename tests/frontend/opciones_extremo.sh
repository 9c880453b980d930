#!/usr/bin/env bash
# The options screen as a player meets it, headless, on a fresh install: from the menu ("4")
# the music lowered, a window chosen, fire key 1 redefined, the pad's A and B swapped (the pad
# and the keyboard both used); Polvareda.INI then holds exactly those changes, and a game
# played afterwards obeys them (the new key fires, the old one does not, the pad's B fires
# where A did). From a paused game the screen returns to the same paused game. Closing the
# window with the screen open keeps what was changed.
#   opciones_extremo.sh DIST_FOLDER
set -euo pipefail
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
fallo() { echo "FAILED: $*"; exit 1; }
juego="$trabajo/juego"
cp -a "$1" "$juego"
env -u DISPLAY -u WAYLAND_DISPLAY "$juego/SetUp" --predeterminada
cp "$juego/Polvareda.INI" "$trabajo/antes.ini"

# A key or a pad button pressed and released; N times.
tecla() { for ((i = 0; i < ${2:-1}; i++)); do printf 'keydown %s\nkeyup %s\n' "$1" "$1"; done; }
boton() { for ((i = 0; i < ${2:-1}; i++)); do printf 'paddown %s\npadup %s\n' "$1" "$1"; done; }
jugar() {
  LANG=C "$juego/Polvareda" --headless --carpeta "$juego" --guion "$trabajo/$1" --hora 43200 \
    > "$trabajo/$1.salida" || fallo "$1: exit status $?"
}
# The Nth state line the script wrote (1 first).
estado() { sed -n "$1p" "$trabajo/$2.salida"; }

{
  echo 'advance 4200'
  echo 'padconnect'
  tecla 52; echo 'advance 100'; echo 'state'
  tecla 39                   # the screen: from 320 x 200 round to a window
  boton dpdown 5; tecla 37   # the music, one step down
  tecla 40 2; tecla 13       # the keys: left, right, fire 1 to 3
  tecla 79; tecla 80; tecla 90; tecla 50; tecla 51
  boton dpdown 6; boton a    # swap A and B
  echo 'mousedown 1 48 178'; echo 'mouseup 1 48 178'  # a click on the last row, leave
  echo 'advance 300'; echo 'state'
  tecla 27
} > "$trabajo/menu.txt"
jugar menu.txt
[[ $(estado 1 menu.txt) == '{"mode": "opciones"'* ]] || fallo "no options screen: $(estado 1 menu.txt)"
[[ $(estado 2 menu.txt) == '{"mode": "menu"'* ]] || fallo "not back in the menu"

sed -e 's/^DDraw=1\r$/DDraw=0\r/' -e 's/^PantallaCompleta=1\r$/PantallaCompleta=0\r/' \
    -e 's/^Disparo1=49\r$/Disparo1=90\r/' -e 's/^MUS=1\r$/MUS=1\r\nVolumenMusica=90\r/' \
    "$trabajo/antes.ini" > "$trabajo/esperado.ini"
printf '\r\n[Mando]\r\nDisparo1=b\r\nDisparo2=a\r\nDisparo3=x\r\nPausa=start\r\nAtras=back\r\n' \
  >> "$trabajo/esperado.ini"
cmp -s "$trabajo/esperado.ini" "$juego/Polvareda.INI" ||
  fallo "Polvareda.INI: $(diff "$trabajo/esperado.ini" "$juego/Polvareda.INI" | cat -A)"

# A game: Z fires at the left door, 1 no longer does, and so does the pad's B.
{
  echo 'advance 4200'; tecla 48; echo 'advance 4800'
  echo 'keydown 49'; echo 'state'; echo 'keyup 49'; echo 'advance 100'
  echo 'keydown 90'; echo 'state'; echo 'keyup 90'; echo 'advance 100'
  echo 'padconnect'; echo 'paddown b'; echo 'state'; echo 'padup b'; echo 'advance 100'
  echo 'paddown a'; echo 'state'; echo 'padup a'
} > "$trabajo/partida.txt"
jugar partida.txt
fuego() { estado "$1" partida.txt | grep -o '"fire": \[[a-z, ]*\]'; }
[ "$(fuego 1)" = '"fire": [false, false, false, false]' ] || fallo "the old key fired: $(fuego 1)"
[ "$(fuego 2)" = '"fire": [true, false, false, true]' ] || fallo "Z did not fire: $(fuego 2)"
[ "$(fuego 3)" = '"fire": [true, false, false, true]' ] || fallo "B did not fire: $(fuego 3)"
[ "$(fuego 4)" = '"fire": [false, true, false, true]' ] || fallo "A is not fire 2: $(fuego 4)"

# From a game paused with the pad, by the pad alone: Y opens the options, the effects one
# step down, Back returns to the same paused game, which Start lets go on.
{
  echo 'advance 4200'; tecla 48; echo 'advance 4800'; echo 'padconnect'
  boton start; echo 'advance 100'; echo 'state'
  boton y; echo 'state'
  boton dpdown 4; boton dpleft; boton back; echo 'advance 600'; echo 'state'
  boton start; echo 'advance 600'; echo 'state'
} > "$trabajo/pausa.txt"
cp "$juego/Polvareda.INI" "$trabajo/antes.ini"
jugar pausa.txt
campos() { estado "$1" pausa.txt | grep -o '"mode": "[a-z]*"\|"ticking": [a-z]*\|"points": [0-9]*' |
  tr '\n' ' '; }
[ "$(campos 1)" = '"mode": "juego" "points": 0 "ticking": false ' ] || fallo "not paused: $(campos 1)"
[[ $(campos 2) == '"mode": "opciones"'* ]] || fallo "no options from the pause: $(campos 2)"
[ "$(campos 3)" = "$(campos 1)" ] || fallo "not back in the paused game: $(campos 3)"
[[ $(campos 4) == *'"ticking": true '* ]] || fallo "the game did not go on: $(campos 4)"
sed 's/^VolumenMusica=90\r$/VolumenMusica=90\r\nVolumenEfectos=90\r/' "$trabajo/antes.ini" \
  > "$trabajo/esperado.ini"
cmp -s "$trabajo/esperado.ini" "$juego/Polvareda.INI" ||
  fallo "Polvareda.INI after the pause: $(diff "$trabajo/esperado.ini" "$juego/Polvareda.INI")"

# The window closed with the screen open: what was changed there is written all the same.
{ echo 'advance 4200'; tecla 52; tecla 40 4; tecla 37; echo 'close'; } > "$trabajo/cierre.txt"
jugar cierre.txt
grep -q $'^VolumenEfectos=80\r$' "$juego/Polvareda.INI" || fallo "closing lost the options' changes"
echo "1 passed, 0 failed"
