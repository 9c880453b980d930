#!/bin/bash
# The attract cycle left alone for hours, headless on the virtual clock: the real time it takes
# and the peak memory of a short and a long run, which must stay the same (the flat top loop
# keeps nothing from one round to the next). Usage: bench/medir_atraccion.sh [BUILD_DIR] [HOURS]
set -eu
build=${1:-build/ci}
horas=${2:-24}
dist=$(cd "$build" && pwd)/dist
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
cp -a "$dist" "$trabajo/juego"
# Sound off: the headless platform keeps a record of every sound call for the tests, which
# would grow with the hours and hide the game's own memory.
printf '[Pantalla]\r\nDDraw=2\r\nScroll=15\r\n[Sonido]\r\nSND=0\r\nMUS=0\r\n' \
  >"$trabajo/juego/Polvareda.INI"
cp "$build/game/shell/Polvareda" "$trabajo/juego/Polvareda"

medir() {
  local horas=$1 guion="$trabajo/guion$1.txt"
  : >"$guion"
  for _ in $(seq "$horas"); do echo "advance 3600000" >>"$guion"; done
  /usr/bin/time -f "%e %M" -o "$trabajo/tiempo" \
    "$trabajo/juego/Polvareda" --headless --carpeta "$trabajo/juego" --guion "$guion" >/dev/null
  read -r segundos kb <"$trabajo/tiempo"
  echo "$horas h of attract cycle: $segundos s real, peak memory $kb KB"
}
medir 1
medir "$horas"
