#!/usr/bin/env bash
# SetUp --predeterminada, as scripts/run uses it, without any display: it marks the folder as
# an installed game and writes the settings a fresh SetUp writes, keeping settings it finds.
#   predeterminada.sh DIST_FOLDER CONFIGDEFAULT
set -euo pipefail
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
fallo() { echo "FAILED: $*"; exit 1; }
cp -a "$1" "$trabajo/juego"
salida=$(env -u DISPLAY -u WAYLAND_DISPLAY "$trabajo/juego/SetUp" --predeterminada 2>&1) ||
  fallo "exit status $?"
[ -z "$salida" ] || fallo "it said: $salida"
cmp -s "$trabajo/juego/Polvareda.INI" <("$2") || fallo "not the fresh settings"
[ "$(cat "$trabajo/juego/SetUp.INF")" = $'[General]\r\nIdioma= 0\r\nInstalado=1\r' ] ||
  fallo "SetUp.INF: $(cat -A "$trabajo/juego/SetUp.INF")"
printf '[Pantalla]\r\nScroll=3\r\n' > "$trabajo/juego/Polvareda.INI"
"$trabajo/juego/SetUp" --predeterminada
[ "$(cat "$trabajo/juego/Polvareda.INI")" = $'[Pantalla]\r\nScroll=3\r' ] || fallo "settings replaced"
echo "1 passed, 0 failed"
