#!/bin/bash
# A thousand games in a row, headless: each started with "0" from the menu, ended with Escape
# as soon as its first phase is on, its top ten dismissed with a key. The real time and the
# peak memory after ten games and after all of them, which must stay the same (the menu, a game
# and game over hand over through the flat top loop). Usage: bench/medir_partidas.sh
# [BUILD_DIR] [GAMES]
set -eu
build=${1:-build/ci}
partidas=${2:-1000}
dist=$(cd "$build" && pwd)/dist
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
cp -a "$dist" "$trabajo/juego"
# Sound off, the wide screen: the measure the first runs of this benchmark were taken with.
printf '[Pantalla]\r\nDDraw=2\r\nScroll=15\r\n[Sonido]\r\nSND=0\r\nMUS=0\r\n' \
  >"$trabajo/juego/Polvareda.INI"
cp "$build/game/shell/Polvareda" "$trabajo/juego/Polvareda"

medir() {
  local n=$1 guion="$trabajo/guion$1.txt"
  echo "advance 4300" >"$guion"
  for _ in $(seq "$n"); do
    printf 'keydown 48\nkeyup 48\nadvance 3000\nkeydown 27\nkeyup 27\nadvance 500\n' >>"$guion"
    printf 'keydown 65\nkeyup 65\nadvance 300\n' >>"$guion"
  done
  echo "state $trabajo/estado$n.json" >>"$guion"
  /usr/bin/time -f "%e %M" -o "$trabajo/tiempo" \
    "$trabajo/juego/Polvareda" --headless --carpeta "$trabajo/juego" --guion "$guion" >/dev/null
  read -r segundos kb <"$trabajo/tiempo"
  echo "$n games: $segundos s real, peak memory $kb KB, ends in mode" \
    "$(grep -o '"mode": "[a-z]*"' "$trabajo/estado$n.json")"
}
medir 10
medir "$partidas"
