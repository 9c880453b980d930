#!/usr/bin/env bash
# The attract cycle left alone for hours: its memory must stay flat (nothing is kept from one
# round to the next).
# - Headless, on the virtual clock, in the folder's own configuration (SetUp's default: the
#   320 x 200 canvas, effects and music on): the real time and the peak memory after 1, 4 and
#   24 virtual hours.
# - With MINUTES given, the real SDL backend too, under a virtual 1920x1080 X display, music and
#   effects on through SDL's dummy sound driver: the resident memory after 2 minutes and after
#   MINUTES minutes of real time (20 for the full measure).
#   bench/medir_atraccion.sh [GAME_FOLDER] [MINUTES]   (default play/, made by scripts/run)
# GAME_FOLDER is copied, never changed; it needs its Polvareda.INI.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
origen=$(cd "${1:-$raiz/play}" && pwd)
minutos=${2:-0}
[ -x "$origen/Polvareda" ] || { echo "no game at $origen (run scripts/run first)" >&2; exit 1; }
[ -e "$origen/Polvareda.INI" ] || { echo "no Polvareda.INI in $origen" >&2; exit 1; }
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
cp -a "$origen" "$trabajo/juego"

for horas in 1 4 24; do
  guion="$trabajo/guion$horas.txt"
  for _ in $(seq "$horas"); do echo "advance 3600000"; done >"$guion"
  /usr/bin/time -f "%e %M" -o "$trabajo/tiempo" \
    "$trabajo/juego/Polvareda" --headless --carpeta "$trabajo/juego" --guion "$guion" >/dev/null
  read -r segundos kb <"$trabajo/tiempo"
  printf 'headless attract, %2d virtual h: %6.1f s real, peak memory %6d KB\n' \
    "$horas" "$segundos" "$kb"
done

[ "$minutos" -gt 0 ] || exit 0
rm -rf "$trabajo"
. "$raiz/bench/xvfb_comun.sh"
cp -a "$origen" "$trabajo/juego"
arrancar_xvfb
residente() { awk '/VmRSS/ {print $2}' "/proc/$juego_pid/status"; }
SDL_AUDIODRIVER=dummy lanzar_juego "$trabajo/juego"
sleep 120
a=$(residente)
sleep $((minutos * 60 - 120))
b=$(residente)
printf 'SDL attract:  2 min resident %6d KB, %2d min resident %6d KB, growth %d KB\n' \
  "$a" "$minutos" "$b" $((b - a))
echo "peak memory of the SDL run: $(awk '/VmHWM/ {print $2, $3}' "/proc/$juego_pid/status")"
