#!/bin/bash
# Records the session behind partida.txt again: the real game on a virtual display, keys sent
# by xdotool, run with --grabar and --traza. Usage: grabar_sesion.sh BUILD_DIR
# The keys are drawn at random, so a new session differs; the replay test checks whichever
# session is stored here.
set -eu
aqui=$(cd "$(dirname "$0")" && pwd)
dist=$(cd "$1" && pwd)/dist
trabajo=$(mktemp -d)
pantalla=77
while [ -e "/tmp/.X11-unix/X$pantalla" ]; do pantalla=$((pantalla + 1)); done
Xvfb ":$pantalla" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$trabajo"' EXIT
sleep 1
cp -a "$dist" "$trabajo/juego"
cp "$aqui/Polvareda.INI" "$trabajo/juego/"
cd "$trabajo"
DISPLAY=":$pantalla" ./juego/Polvareda --carpeta juego --grabar partida.txt \
  --traza partida_traza.jsonl &
juego=$!
sleep 6
ventana=$(DISPLAY=":$pantalla" xdotool search --name Polvareda | sed -n 1p)
k() { DISPLAY=":$pantalla" xdotool key --window "$ventana" --delay 80 "$@"; }
k 0
sleep 4
teclas=(z x c o p)
for _ in $(seq 60); do
  k "${teclas[$((RANDOM % 5))]}"
  sleep 0.3
done
k Escape        # the game ends
sleep 2
k R E C Return  # a name, when the points reach the table
sleep 1.5
k a             # the page of the table
sleep 1
k Escape        # the menu: the program ends
wait "$juego"
cp partida.txt partida.txt.png partida_traza.jsonl "$aqui/"
