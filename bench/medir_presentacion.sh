#!/usr/bin/env bash
# CPU use of the game during its start-up presentation and while it then waits on the game's
# background, under a virtual X display (1920x1080x24) with the real SDL backend:
#   dedication: the first 3 s after the game window opens (the dedication line waiting);
#   pictures:   the next 2 s (black, the title fading in, the afternoon and night pictures and
#               the background made under the busy indicator, the title fading out);
#   background: 10 s starting 2 s later, while the game waits on its background.
# Both are reported in % of one core; the game must sleep between events in both.
# Usage: bench/medir_presentacion.sh [GAME_FOLDER] [DDRAW]
#   GAME_FOLDER defaults to play/ (made by scripts/run); it is copied, never changed.
#   DDRAW (0, 1 or 2) replaces [Pantalla] DDraw in the copy's Polvareda.INI when given.
set -euo pipefail
cd "$(dirname "$0")/.."
origen=$(realpath "${1:-play}")
ddraw=${2:-}
[ -x "$origen/Polvareda" ] || { echo "no game at $origen (run scripts/run first)" >&2; exit 1; }
[ -e "$origen/Polvareda.INI" ] || { echo "no Polvareda.INI in $origen" >&2; exit 1; }
. bench/xvfb_comun.sh

carpeta="$trabajo/juego"
cp -a "$origen" "$carpeta"
if [ -n "$ddraw" ]; then
  sed -i '/^DDraw=/d' "$carpeta/Polvareda.INI"
  sed -i "s/^\[Pantalla\]\r\?$/&\nDDraw=$ddraw\r/" "$carpeta/Polvareda.INI"
fi

arrancar_xvfb

lanzar_juego "$carpeta"

medir_cpu dedication 3
medir_cpu pictures 2
sleep 2
medir_cpu background 10
