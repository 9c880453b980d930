#!/usr/bin/env bash
# The whole road on a virtual display (run under xvfb-run): the game finds no Polvareda.INI
# and starts SetUp /juego; OK in SetUp writes the settings and starts the game, which reads
# them and opens its window.   extremo_a_extremo.sh DIST_FOLDER
set -euo pipefail
dist=$1
trabajo=$(mktemp -d)
juego_pid=""
terminar() {
  [ -n "$juego_pid" ] && kill "$juego_pid" 2>/dev/null || true
  rm -rf "$trabajo"
}
trap terminar EXIT
fallo() { echo "FAILED: $*"; cat "$trabajo/salida.txt" 2>/dev/null || true; exit 1; }

juego=$trabajo/juego
cp -a "$dist" "$juego"
# An installed game: SetUp's mark (in English), no settings yet.
printf '[General]\r\nIdioma= 1\r\nInstalado=1\r\n' > "$juego/SetUp.INF"
rm -f "$juego/Polvareda.INI"

export POLVAREDA_TIEMPOS=1 SDL_AUDIODRIVER=dummy
# In the sanitizer build: the desktop libraries' own leaks are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/fugas_escritorio.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$juego/Polvareda" > "$trabajo/salida.txt" 2>&1 || fallo "the game without settings did not end with 0"
[ -e "$juego/Polvareda.INI" ] && fallo "the game wrote settings itself"

# SetUp's window, in English, configuration mode.
ventana=$(timeout 60 xdotool search --sync --name '^SetUp$' | sed -n 1p) || fallo "no SetUp window"
# OK, clicked again should a slow machine not have drawn the window at the first click.
for _ in $(seq 15); do
  sleep 1
  xdotool mousemove --window "$ventana" 157 427 click 1 2>/dev/null || true
  for _ in $(seq 20); do [ -e "$juego/Polvareda.INI" ] && break 2; sleep 0.1; done
done
[ -e "$juego/Polvareda.INI" ] || fallo "OK wrote no settings"
grep -q $'^Izquierda=79\r$' "$juego/Polvareda.INI" || fallo "unexpected settings"

# The game comes up with them: its window opens (it would start SetUp again otherwise).
for _ in $(seq 600); do grep -aq 'Polvareda: ventana' "$trabajo/salida.txt" && break; sleep 0.1; done
grep -aq 'Polvareda: ventana' "$trabajo/salida.txt" || fallo "the game did not open its window"
ventana=$(timeout 30 xdotool search --sync --name 'Polvareda Plus' | sed -n 1p) || fallo "no game window"
juego_pid=$(xdotool getwindowpid "$ventana" 2>/dev/null || true)
# Escape leaves the game in order once its presentation is over (keys are ignored during it):
# pressed once a second until the game has gone, however slow the machine.
for _ in $(seq 60); do
  { [ -z "$juego_pid" ] || ! kill -0 "$juego_pid" 2>/dev/null; } && break
  timeout 3 xdotool windowfocus --sync "$ventana" 2>/dev/null || true
  xdotool key Escape 2>/dev/null || true
  sleep 1
done
if [ -n "$juego_pid" ] && kill -0 "$juego_pid" 2>/dev/null; then fallo "Escape did not end the game"; fi
juego_pid=""
echo "1 passed, 0 failed"
