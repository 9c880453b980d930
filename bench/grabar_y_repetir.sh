#!/usr/bin/env bash
# Real sessions recorded and replayed: the game on its SDL backend under a virtual 1920x1080
# display, played by xdotool at uneven real moments (a game started, fire, walks, idle spells
# in which a bandit shoots, Escape, a name typed, the table, quit), run with --grabar and
# --traza; then each recording replayed headless on a copy of the folder as it was before the
# session. The trace and Polvareda.DAT of the replay must equal the live ones, byte for byte.
#   bench/grabar_y_repetir.sh [BUILD_DIR] [SESSIONS] [SECONDS] [--guardar]
# BUILD_DIR defaults to build/ci (its dist/ is played), SESSIONS to 3, SECONDS of play to 130.
# --guardar stores the first session in tests/frontend/grabacion/ for the suite's replay test.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$raiz/build/ci}" && pwd)
sesiones=${2:-3}
segundos=${3:-130}
guardar=${4:-}
datos=$raiz/tests/frontend/grabacion
. "$raiz/bench/xvfb_comun.sh"
command -v xdotool >/dev/null || { echo "xdotool is missing (scripts/install-deps)" >&2; exit 1; }
arrancar_xvfb
export DISPLAY=":$pantalla"

pausa() { sleep "$(awk -v a="$1" -v b="$2" 'BEGIN { srand(); printf "%.3f", a + rand() * (b - a) }')"; }
vivo() { kill -0 "$juego_pid" 2>/dev/null; }

# One session in folder $1: the player's keys at uneven moments for $segundos seconds.
jugar() {
  local d=$1 ventana fin tecla
  DISPLAY=":$pantalla" "$d/juego/Polvareda" --carpeta "$d/juego" --grabar "$d/partida.txt" \
    --traza "$d/viva.jsonl" 2>"$d/err" &
  juego_pid=$!
  sleep 6
  ventana=$(xdotool search --pid "$juego_pid" | tail -1)
  k() { xdotool key --window "$ventana" "$@" 2>/dev/null || true; }
  mantener() {
    xdotool keydown --window "$ventana" "$1" 2>/dev/null || true
    pausa "$2" "$3"
    xdotool keyup --window "$ventana" "$1" 2>/dev/null || true
  }
  k 0
  pausa 3 4.5
  fin=$((SECONDS + segundos))
  while [ $SECONDS -lt $fin ] && vivo; do
    case $((RANDOM % 12)) in
      0 | 1 | 2 | 3 | 4 | 5) tecla=(z x c); k "${tecla[$((RANDOM % 3))]}" ;;
      6 | 7) tecla=(o p); mantener "${tecla[$((RANDOM % 2))]}" 0.05 0.6 ;;
      8) pausa 2 6 ;;                     # idle: a bandit may draw first
      9) k 0 ;;                           # a new game, when the last one is over
      10) k R E C Return ;;               # a name, when the points reach the table
      11) mantener "$(echo z x c | cut -d' ' -f$((RANDOM % 3 + 1)))" 0.02 0.3 ;;
    esac
    pausa 0.04 0.9
  done
  k Escape                                # the game ends
  pausa 1.5 2.5
  k R E C Return                          # the name
  pausa 1 2
  k a                                     # the page of the table
  for _ in 1 2 3 4 5 6; do                # Escape until the menu ends the program
    pausa 1.5 2.5
    vivo || break
    k Escape
  done
  wait "$juego_pid" || true
  juego_pid=""
}

fallos=0
for s in $(seq "$sesiones"); do
  d=$trabajo/sesion$s
  mkdir -p "$d"
  cp -a "$build/dist" "$d/juego"
  cp "$datos/Polvareda.INI" "$d/juego/"
  cp -a "$d/juego" "$d/copia"
  jugar "$d"
  hora=$(sed -n 's/.*--hora \([0-9.]*\).*/\1/p' "$d/partida.txt")
  "$d/copia/Polvareda" --headless --carpeta "$d/copia" --guion "$d/partida.txt" --hora "$hora" \
    --traza "$d/repetida.jsonl" >/dev/null
  teclas=$(grep -c '^keydown' "$d/partida.txt" || true)
  ms=$(awk '/^advance/ { t += $2 } END { print t }' "$d/partida.txt")
  vidas=$(grep -c '"mode": "bang"' "$d/viva.jsonl" || true)
  echo "session $s: $((ms / 1000)) s, $teclas keys, $(wc -l <"$d/viva.jsonl") trace lines," \
    "$vidas lost-life lines, --hora $hora"
  if cmp -s "$d/viva.jsonl" "$d/repetida.jsonl"; then
    echo "  trace: identical"
  else
    fallos=$((fallos + 1))
    echo "  trace: DIFFERS, first at:"
    diff <(cat "$d/viva.jsonl") <(cat "$d/repetida.jsonl") | head -4
  fi
  if cmp -s "$d/juego/Polvareda.DAT" "$d/copia/Polvareda.DAT"; then
    echo "  Polvareda.DAT: identical"
  else
    fallos=$((fallos + 1))
    echo "  Polvareda.DAT: DIFFERS"
  fi
  if [ "$guardar" = "--guardar" ] && [ "$s" = 1 ]; then
    cp "$d/partida.txt" "$datos/partida.txt"
    cp "$d/viva.jsonl" "$datos/partida_traza.jsonl"
    cp "$d/juego/Polvareda.DAT" "$datos/Polvareda.DAT"
  fi
done
exit $((fallos > 0))
