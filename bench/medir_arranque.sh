#!/usr/bin/env bash
# Start-up time and idle CPU use of the game under a virtual X display (1920x1080x24):
#   time from launch to the splash window and to the game window, then the game's CPU use
#   over 10 s while it waits on its screen (it must stay well under 2% of one core).
# Usage: bench/medir_arranque.sh [GAME_FOLDER]   (default: play/, made by scripts/run)
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta=$(realpath "${1:-play}")
programa="$carpeta/Polvareda"
[ -x "$programa" ] || { echo "no game at $programa (run scripts/run first)" >&2; exit 1; }
[ -e "$carpeta/Polvareda.INI" ] || { echo "no Polvareda.INI in $carpeta" >&2; exit 1; }
. bench/xvfb_comun.sh

arrancar_xvfb

ahora_ms() { date +%s%3N; }
inicio=$(ahora_ms)
DISPLAY=":$pantalla" POLVAREDA_TIEMPOS=1 "$programa" --carpeta "$carpeta" 2>"$trabajo/err" &
juego_pid=$!

# The game announces its moments on stderr (POLVAREDA_TIEMPOS).
for _ in $(seq 400); do
  grep -aq 'Polvareda: ventana ' "$trabajo/err" && break
  kill -0 "$juego_pid" 2>/dev/null || { cat "$trabajo/err" >&2; exit 1; }
  sleep 0.025
done
presentacion=$(awk '/Polvareda: presentacion /{print $NF}' "$trabajo/err")
ventana=$(awk '/Polvareda: ventana /{print $NF}' "$trabajo/err")
[ -n "$ventana" ] || { echo "the game window never came" >&2; cat "$trabajo/err" >&2; exit 1; }
echo "splash window:  $((presentacion - inicio)) ms after launch"
echo "game window:    $((ventana - inicio)) ms after launch"

# CPU while waiting: user + system ticks of the process over 10 s.
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$juego_pid/stat"; }
hz=$(getconf CLK_TCK)
antes=$(ticks)
sleep 10
despues=$(ticks)
awk -v t=$((despues - antes)) -v hz="$hz" \
  'BEGIN { printf "CPU while idle: %.2f%% of one core (%d ticks in 10 s)\n", 100 * t / hz / 10, t }'
