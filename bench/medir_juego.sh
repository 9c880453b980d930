#!/usr/bin/env bash
# The game's CPU while a player plays, side by side with a software 3D engine's demo loop, on
# the real SDL backend under one virtual 1920x1080 X display (no GPU: the CPU draws every pixel):
# - the game in its folder's configuration (SetUp's default: DDraw=1, the 320 x 200 canvas shown
#   five times larger, full screen, effects and music on through SDL's dummy sound driver), a
#   game started with "0" and played by keys sent with xdotool, one every 1.5 s: walk right,
#   right, left, fire at the middle door, and again;
# - Chocolate Doom's demo loop (Freedoom) in a 1920x1080 window, software renderer, sound off,
#   started before the game and measured over the same seconds.
# Prints both CPUs in % of one core, their ratio, the game's peak memory and screenshots.
# bench/instalar.sh installs Chocolate Doom and Freedoom from Debian when they are missing.
#   bench/medir_juego.sh [GAME_FOLDER] [SECONDS]   (default play/, made by scripts/run; 20 s)
# GAME_FOLDER is copied, never changed; it needs its Polvareda.INI.
# With CONTAR_INSTRUCCIONES=1 both programs run under valgrind's callgrind and the instructions
# of each thread over the measured seconds are printed with the sound buffers it mixed and the
# frames it showed. Everything is some fifty times slower then (the CPUs are no measure, and the
# game may not have left its menu): read the counts per buffer and per frame, not per second.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
origen=$(cd "${1:-$raiz/play}" && pwd)
segundos=${2:-20}
[ -x "$origen/Polvareda" ] || { echo "no game at $origen (run scripts/run first)" >&2; exit 1; }
[ -e "$origen/Polvareda.INI" ] || { echo "no Polvareda.INI in $origen" >&2; exit 1; }
. "$raiz/bench/xvfb_comun.sh"
command -v xdotool >/dev/null || { echo "xdotool is missing (scripts/install-deps)" >&2; exit 1; }
otro=/usr/games/chocolate-doom
wad=/usr/share/games/doom/freedoom1.wad
[ -x "$otro" ] && [ -f "$wad" ] || { echo "no $otro or $wad: run bench/instalar.sh" >&2; exit 1; }

carpeta="$trabajo/juego"
cp -a "$origen" "$carpeta"
arrancar_xvfb
export DISPLAY=":$pantalla"
hz=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Each thread of the game: its id, name and CPU ticks so far.
hilos() {
  for t in /proc/"$juego_pid"/task/*; do
    echo "$(basename "$t") $(tr ' ' _ <"$t/comm" 2>/dev/null) $(awk '{print $14 + $15}' "$t/stat" 2>/dev/null)"
  done
}

# The engine first, so that both run during the whole measure: its own configuration (in a
# home of its own) asks for the software renderer in a 1920x1080 window.
mkdir -p "$trabajo/casa"
printf 'fullscreen 0\nwindow_width 1920\nwindow_height 1080\nforce_software_renderer 1\n' \
  >"$trabajo/otro.cfg"
envoltorio_otro=""
[ "${CONTAR_INSTRUCCIONES:-0}" = 1 ] &&
  envoltorio_otro="valgrind --tool=callgrind --callgrind-out-file=$trabajo/otro.%p"
HOME="$trabajo/casa" SDL_AUDIODRIVER=dummy $envoltorio_otro "$otro" -iwad "$wad" -nosound -window \
  -geometry 1920x1080 -extraconfig "$trabajo/otro.cfg" >"$trabajo/otro.log" 2>&1 &
otro_pid=$!
terminar_otro() { kill "$otro_pid" 2>/dev/null && wait "$otro_pid" 2>/dev/null || true; }
trap 'terminar_otro; terminar' EXIT

contar=${CONTAR_INSTRUCCIONES:-0}
lento=1
if [ "$contar" = 1 ]; then
  envoltorio="valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file=$trabajo/cg.%p"
  lento=12
fi
# The play trace counts the game's ticks in the measure (the proof that a game was played).
SDL_AUDIODRIVER=dummy lanzar_juego "$carpeta" --traza "$trabajo/traza.jsonl"
# The presentation and the menu, then "0" starts a game; its captions take a few seconds.
sleep $((6 * lento))
ventana=$(xdotool search --pid "$juego_pid" | tail -1)
xdotool windowraise "$ventana" 2>/dev/null || true
xdotool key --window "$ventana" 0
sleep $((4 * lento))
import -window "$ventana" /tmp/medir_juego_fase.png 2>/dev/null || true

izquierda=$(awk -F= 'tolower($1) ~ /^izquierda/ {print $2 + 0}' "$carpeta/Polvareda.INI" | tr -d '\r')
derecha=$(awk -F= 'tolower($1) ~ /^derecha/ {print $2 + 0}' "$carpeta/Polvareda.INI" | tr -d '\r')
disparo=$(awk -F= 'tolower($1) ~ /^disparo2/ {print $2 + 0}' "$carpeta/Polvareda.INI" | tr -d '\r')
# Virtual-key codes of letters and digits are their capitals' ASCII codes.
tecla() { printf "\\x$(printf %x "${1:-0}")" | tr 'A-Z' 'a-z'; }
pasos=("$(tecla "${derecha:-80}")" "$(tecla "${derecha:-80}")" "$(tecla "${izquierda:-79}")" \
  "$(tecla "${disparo:-50}")")
( i=0
  while :; do
    xdotool key --window "$ventana" "${pasos[i % 4]}"
    i=$((i + 1))
    sleep 1.5
  done ) &
jugador=$!

[ "$contar" = 1 ] && callgrind_control -z "$juego_pid" >/dev/null 2>&1 &&
  callgrind_control -z "$otro_pid" >/dev/null 2>&1
lineas_antes=$(wc -l <"$trabajo/traza.jsonl")
juego_antes=$(ticks "$juego_pid")
hilos >"$trabajo/hilos_antes"
otro_antes=$(ticks "$otro_pid")
sleep "$segundos"
juego_gasto=$(( $(ticks "$juego_pid") - juego_antes ))
hilos >"$trabajo/hilos_despues"
otro_gasto=$(( $(ticks "$otro_pid") - otro_antes ))
[ "$contar" = 1 ] && callgrind_control -d "$juego_pid" >/dev/null 2>&1 &&
  callgrind_control -d "$otro_pid" >/dev/null 2>&1
juego_ticks=$(tail -n +"$((lineas_antes + 1))" "$trabajo/traza.jsonl" | grep -c '"why": "tick"' || true)
kill "$jugador" 2>/dev/null || true
wait "$jugador" 2>/dev/null || true
import -window "$ventana" /tmp/medir_juego_fin.png 2>/dev/null || true

awk -v j="$juego_gasto" -v o="$otro_gasto" -v s="$segundos" -v hz="$hz" 'BEGIN {
  printf "Polvareda:       %6.2f%% of one core (%d ticks in %d s)\n", 100 * j / hz / s, j, s
  printf "Chocolate Doom:  %6.2f%% of one core (%d ticks in %d s)\n", 100 * o / hz / s, o, s
  if (o > 0) printf "ratio:           %6.3f (goal: at most 0.25)\n", j / o
  else print "ratio:           none (the engine used no CPU)"
}'
echo "game ticks:      $juego_ticks in the measure, mode at its end:" \
  "$(tail -1 "$trabajo/traza.jsonl" | grep -o '"mode": "[^"]*"')"
echo "peak memory:     $(awk '/VmHWM/ {print $2, $3}' "/proc/$juego_pid/status")"
# Each thread's share over the same seconds (a thread that ended in them is left out).
awk -v s="$segundos" -v hz="$hz" 'NR == FNR { antes[$1] = $3; next }
  ($1 in antes) && $3 > antes[$1] {
    printf "  thread %-14s %6.2f%% of one core\n", $2 ":", 100 * ($3 - antes[$1]) / hz / s }
' "$trabajo/hilos_antes" "$trabajo/hilos_despues"
echo "screenshots:     /tmp/medir_juego_fase.png /tmp/medir_juego_fin.png"
if [ "$contar" = 1 ]; then
  # Per thread: its instructions, the sound buffers it mixed (each passes once through the
  # limiter's hook, AlSalir) and the frames it showed (calls of SDL_RenderPresent or
  # SDL_UpdateWindowSurface*).
  contar_hilo() {
    awk -v quien="$1" '
      /^summary:|^totals:/ && !total { total = $2 }
      /^c?fn=\([0-9]+\)/ { id = $1; sub(/^c?fn=/, "", id); if (NF > 1) nombre[id] = substr($0, length($1) + 2) }
      /^cfn=/ { id = $1; sub(/^cfn=/, "", id); llamada = id }
      /^calls=/ { n = substr($1, 7); if (nombre[llamada] ~ /AlSalir/) buffers += n
                  if (nombre[llamada] ~ /^SDL_(RenderPresent|UpdateWindowSurface)/) cuadros += n }
      END { printf "%-22s %14d instructions, %5d sound buffers, %5d frames shown\n", quien, total, buffers, cuadros }
    ' "$2"
  }
  for f in "$trabajo"/cg.*.1-*; do contar_hilo "Polvareda thread ${f##*-}:" "$f"; done
  for f in "$trabajo"/otro.*.1; do contar_hilo "Chocolate Doom:" "$f"; done
fi
