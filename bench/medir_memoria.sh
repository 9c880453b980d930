#!/usr/bin/env bash
# Peak memory of the game at 1920x1080 with its music loaded, under a virtual X display: the
# game fills the display (DDraw=0, PantallaCompleta=1), opens the sound device on SDL's disk
# driver (the mixer and the synthesiser run as with a sound card, the output goes to a file)
# and waits on its screen; its peak resident size is read after the presentation.
# Run once with the SoundFont shipped beside the game and once with the system's full one.
# Usage: [DDRAW=0|1] [MUS=1|0] bench/medir_memoria.sh [GAME_FOLDER]   (default: build/ci/dist)
#   DDRAW=1 measures the 320 x 200 path instead; MUS=0 the game without music.
set -euo pipefail
cd "$(dirname "$0")/.."
origen=$(realpath "${1:-build/ci/dist}")
[ -x "$origen/Polvareda" ] || { echo "no game at $origen" >&2; exit 1; }
ddraw=${DDRAW:-0}
musica=${MUS:-1}
. bench/xvfb_comun.sh
arrancar_xvfb

medir() {
  local carpeta=$trabajo/$1
  cp -a "$origen" "$carpeta"
  [ "$1" = sistema ] && rm -f "$carpeta"/*.sf2
  printf '[Pantalla]\r\nDDraw=%s\r\nPantallaCompleta=1\r\n[Sonido]\r\nSND=1\r\nMUS=%s\r\n' \
    "$ddraw" "$musica" >"$carpeta/Polvareda.INI"
  export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$trabajo/$1.raw"
  lanzar_juego "$carpeta"
  sleep 6
  local pico
  pico=$(awk '/VmHWM/ {print $2}' "/proc/$juego_pid/status")
  kill "$juego_pid"
  wait "$juego_pid" 2>/dev/null || true
  juego_pid=""
  printf '%-34s %6d MiB peak resident\n' "$2:" $((pico / 1024))
}
medir sistema "system SoundFont ($(basename "$(realpath /usr/share/sounds/sf2/default-GM.sf2)"))"
medir propio "shipped SoundFont (Polvareda.sf2)"
