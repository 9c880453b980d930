#!/usr/bin/env bash
# The game's CPU and memory while it plays a phase, on the real SDL backend under a virtual
# 1920x1080 X display, with screenshots of what the player sees. When a well-known SDL2 game
# with its own demonstration loop is installed (chocolate-doom with freedoom, from Debian), it
# runs on the same display at the same time and its CPU is measured over the same seconds.
#   bench/medir_juego.sh [GAME_FOLDER] [SECONDS]
# GAME_FOLDER defaults to play/; it needs its Polvareda.INI (scripts/run makes both).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
carpeta=$(cd "${1:-$raiz/play}" && pwd)
segundos=${2:-10}
. "$raiz/bench/xvfb_comun.sh"
command -v xdotool >/dev/null || { echo "xdotool is missing (scripts/install-deps)" >&2; exit 1; }

arrancar_xvfb
export DISPLAY=":$pantalla"
lanzar_juego "$carpeta"

otro_pid=""
wad=/usr/share/games/doom/freedoom1.wad
otro=$(PATH="$PATH:/usr/games" command -v chocolate-doom || true)
if [ -n "$otro" ] && [ -f "$wad" ]; then
  SDL_AUDIODRIVER=dummy "$otro" -iwad "$wad" -nosound -window -geometry 1280x800 \
    >"$trabajo/otro.log" 2>&1 &
  otro_pid=$!
fi

# The presentation, then "0" starts a game; the captions take a few seconds.
sleep 6
ventana=$(xdotool search --pid "$juego_pid" | tail -1)
xdotool windowactivate --sync "$ventana" 2>/dev/null || true
xdotool key --window "$ventana" 0
sleep 4
import -window root "$trabajo/fase.png" 2>/dev/null && cp "$trabajo/fase.png" /tmp/medir_juego_fase.png

# A player who fires at the three doors in turn while the CPU is measured.
( for _ in $(seq $((segundos * 4))); do
    for tecla in 1 2 3; do xdotool key --window "$ventana" "$tecla"; done
    sleep 0.25
  done ) &
jugador=$!
if [ -n "$otro_pid" ]; then
  antes_otro=$(awk '{print $14 + $15}' "/proc/$otro_pid/stat")
fi
medir_cpu "Polvareda" "$segundos"
if [ -n "$otro_pid" ]; then
  despues_otro=$(awk '{print $14 + $15}' "/proc/$otro_pid/stat")
  awk -v s="$segundos" -v t=$((despues_otro - antes_otro)) -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%-15s %6.2f%% of one core (%d ticks in %d s)\n", "reference game:", 100 * t / hz / s, t, s }'
  kill "$otro_pid" 2>/dev/null || true
else
  echo "reference game:  not installed (apt-get install chocolate-doom freedoom)"
fi
kill "$jugador" 2>/dev/null || true
import -window root /tmp/medir_juego_fin.png 2>/dev/null || true
echo "peak memory:     $(awk '/VmHWM/ {print $2, $3}' "/proc/$juego_pid/status")"
echo "screenshots:     /tmp/medir_juego_fase.png /tmp/medir_juego_fin.png"
