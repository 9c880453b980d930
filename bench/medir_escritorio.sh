#!/usr/bin/env bash
# The desktop's costs on the real SDL backend under a virtual 1920x1080 X display:
# - Alt+Enter: the time from the key to the window at its new size (polled every few ms) and
#   the CPU the game spends on a switch, over ten switches each way;
# - CPU while a phase is played with square pixels (sharp), at 4:3 (sharp) and filled at 4:3,
#   one after the other in the same run, on the 320 x 200 canvas.
#   bench/medir_escritorio.sh [GAME_FOLDER] [SECONDS]
# GAME_FOLDER defaults to play/ (scripts/run makes it); its configuration is not touched: each
# measurement runs on a copy with its own Polvareda.INI.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
carpeta=$(cd "${1:-$raiz/play}" && pwd)
segundos=${2:-10}
. "$raiz/bench/xvfb_comun.sh"
command -v xdotool >/dev/null || { echo "xdotool is missing (scripts/install-deps)" >&2; exit 1; }

arrancar_xvfb
export DISPLAY=":$pantalla"
hz=$(getconf CLK_TCK)

# A copy of the game folder with the [Pantalla] lines $1 added (backslash escapes allowed).
preparar() {
  rm -rf "$trabajo/juego"
  cp -r "$carpeta" "$trabajo/juego"
  printf '%b' "[Pantalla]\r\nDDraw=1\r\nScroll=15\r\n$1[Sonido]\r\nSND=1\r\nMUS=1\r\n" \
    >"$trabajo/juego/Polvareda.INI"
}
ticks() { awk '{print $14 + $15}' "/proc/$juego_pid/stat"; }
parar() { kill "$juego_pid" 2>/dev/null; wait "$juego_pid" 2>/dev/null || true; juego_pid=""; }

preparar ""
SDL_AUDIODRIVER=dummy lanzar_juego "$trabajo/juego"
sleep 6
ventana=$(xdotool search --pid "$juego_pid" | tail -1)
geometria() { xdotool getwindowgeometry "$ventana" | awk '/Geometry/ {print $2}'; }
ms() { date +%s%N | cut -c1-13; }

# Idle CPU over the same time the switches take, to subtract.
antes=$(ticks); sleep 6; reposo=$(( $(ticks) - antes ))
antes=$(ticks)
tiempos=""
for _ in $(seq 20); do
  previa=$(geometria)
  t0=$(ms)
  xdotool key --window "$ventana" alt+Return
  while [ "$(geometria)" = "$previa" ]; do :; done
  tiempos="$tiempos $(( $(ms) - t0 ))"
  sleep 0.25
done
gastado=$(( $(ticks) - antes ))
echo "Alt+Enter, 20 switches (10 each way) at 1920x1080:"
echo "$tiempos" | awk '{ m = 0; s = 0; for (i = 1; i <= NF; i++) { s += $i; if ($i > m) m = $i }
  printf "  key to new window size: mean %.1f ms, worst %d ms (polled with xdotool)\n", s / NF, m }'
awk -v g="$gastado" -v r="$reposo" -v hz="$hz" \
  'BEGIN { printf "  CPU of the game: %.1f ms a switch (%d ticks over 20 switches, %d idle ticks)\n", (g - r) * 1000 / hz / 20, g, r }'
parar

for modo in "cuadrados nitidos|" "4:3 nitidos|Aspecto=1\r\n" "4:3 llenos|Aspecto=1\r\nNitido=0\r\n" \
            "cuadrados llenos|Nitido=0\r\n"; do
  nombre=${modo%%|*}
  preparar "${modo#*|}"
  SDL_AUDIODRIVER=dummy lanzar_juego "$trabajo/juego"
  sleep 6
  ventana=$(xdotool search --pid "$juego_pid" | tail -1)
  xdotool key --window "$ventana" 0
  sleep 4
  import -window root "/tmp/medir_escritorio_${nombre//[ :]/_}.png" 2>/dev/null || true
  ( for _ in $(seq $((segundos * 4))); do
      for tecla in 1 2 3; do xdotool key --window "$ventana" "$tecla"; done
      sleep 0.25
    done ) &
  jugador=$!
  medir_cpu "$nombre" "$segundos"
  wait "$jugador" 2>/dev/null || true
  parar
done
