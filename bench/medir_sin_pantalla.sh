#!/usr/bin/env bash
# Real time of ten minutes of virtual play on the headless backend: a player who starts a game
# whenever none runs and fires at the three doors in turn, ten shots a second.
#   bench/medir_sin_pantalla.sh [GAME_FOLDER] [VIRTUAL_SECONDS]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
carpeta=$(cd "${1:-$raiz/play}" && pwd)
segundos=${2:-600}
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
{
  echo "advance 6000"
  for ((s = 0; s < segundos; s += 5)); do
    echo "keydown 48"
    echo "keyup 48"
    for _ in $(seq 16); do
      for tecla in 49 50 51; do
        echo "keydown $tecla"
        echo "advance 50"
        echo "keyup $tecla"
        echo "advance 50"
      done
    done
    echo "advance 200"
  done
  echo "state"
} >"$trabajo/guion.txt"
cp -a "$carpeta" "$trabajo/juego"
inicio=$(date +%s.%N)
"$carpeta/Polvareda" --headless --carpeta "$trabajo/juego" --guion "$trabajo/guion.txt" \
  >"$trabajo/estado.json"
fin=$(date +%s.%N)
awk -v a="$inicio" -v b="$fin" -v s="$segundos" \
  'BEGIN { printf "%d s of virtual play in %.2f s of real time\n", s, b - a }'
grep -o '"points": [0-9]*, "lives": [0-9]*, "level": [0-9]*' "$trabajo/estado.json"
