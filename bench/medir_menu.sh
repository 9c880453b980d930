#!/usr/bin/env bash
# CPU use of the game while its main menu waits and while the attract cycle's demonstration
# plays, under a virtual X display (1920x1080x24) with the real SDL backend, full screen at the
# display's size; and, in the same run, the CPU of a well-known SDL2 game's own demo loop
# (Chocolate Doom with Freedoom, from Debian) on the same display, for comparison.
#   menu:  5 s while the first menu waits (it waits 6.66 s before the attract cycle);
#   demo:  20 s inside the first demonstration (menu, table, menu, then the demonstration).
# The play trace says whether the demonstration was still on at the end of the measure.
# Usage: bench/medir_menu.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/ci}")
. bench/xvfb_comun.sh

carpeta="$trabajo/juego"
cp -a "$build/dist" "$carpeta"
cp "$build/game/shell/Polvareda" "$carpeta/Polvareda"
printf "[Pantalla]\r\nDDraw=0\r\nScroll=15\r\n[Sonido]\r\nSND=${SND:-1}\r\nMUS=${MUS:-1}\r\n" \
  >"$carpeta/Polvareda.INI"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

arrancar_xvfb
DISPLAY=":$pantalla" POLVAREDA_TIEMPOS=1 "$carpeta/Polvareda" --carpeta "$carpeta" \
  --traza "$trabajo/traza.jsonl" 2>"$trabajo/err" &
juego_pid=$!
for _ in $(seq 400); do
  grep -aq 'Polvareda: ventana ' "$trabajo/err" && break
  sleep 0.025
done
sleep 5
medir_cpu menu 5
sleep 24
medir_cpu demo 20
awk 'END { print "trace at the end of the demo measure: " ($0 ~ /"demo": true/ && $0 ~ /"mode": "auto"/ ? "the demonstration still plays" : "the demonstration had ended") }' \
  "$trabajo/traza.jsonl"
kill "$juego_pid"
wait "$juego_pid" 2>/dev/null || true
juego_pid=""

doom=/usr/games/chocolate-doom
wad=/usr/share/games/doom/freedoom1.wad
if [ -x "$doom" ] && [ -e "$wad" ]; then
  HOME="$trabajo" DISPLAY=":$pantalla" "$doom" -iwad "$wad" -fullscreen \
    >"$trabajo/doom.log" 2>&1 &
  juego_pid=$!
  sleep 5
  medir_cpu "doom demos" 20
else
  echo "no $doom or $wad: install chocolate-doom and freedoom to compare"
fi
