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
lanzar_juego "$carpeta"
presentacion=$(awk '/Polvareda: presentacion /{print $NF}' "$trabajo/err")
ventana=$(awk '/Polvareda: ventana /{print $NF}' "$trabajo/err")
echo "splash window:  $((presentacion - inicio)) ms after launch"
echo "game window:    $((ventana - inicio)) ms after launch"

# CPU while waiting, 2 s after the window opened.
sleep 2
medir_cpu "CPU while idle" 10
