#!/usr/bin/env bash
# Instructions the music costs, counted by valgrind (repeatable, unlike CPU time on a busy
# machine): one piece played through the game's own sound device (bench/polvareda_musica, SDL's
# disk driver writing the mix at the music's pace, or as fast as the counted program can when it
# cannot keep up; the piece repeating where the build can), every thread counted on its own. The count is dumped at FIRST seconds and at the end (FIRST + SECOND): the first stretch
# holds the start-up and, in a build that renders the pieces ahead, the live play and the
# rendering; the second is the steady state. Prints, per stretch and thread, the instructions and,
# for the sound device's thread (the one that wrote the most audio per stretch is taken as it:
# the busiest thread outside the renderer), the seconds of music mixed.
#   bench/contar_musica.sh BUILD_DIR PIECE.mid [FIRST] [SECOND]   (default 80 and 30 seconds)
# BUILD_DIR holds bench/polvareda_musica and dist/Polvareda.sf2 (any build of any version).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
construccion=$(cd "$1" && pwd)
pieza=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
primero=${3:-80}
segundo=${4:-30}
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
mkdir -p "$trabajo/juego"
cp "$construccion/dist/Polvareda.sf2" "$trabajo/juego/" 2>/dev/null ||
  cp "$raiz/build/rel/dist/Polvareda.sf2" "$trabajo/juego/"
mezcla=$trabajo/mezcla.raw
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$mezcla TEMAS_EN_BUCLE=1 \
  valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$trabajo/cg.%p" \
  "$construccion/bench/polvareda_musica" "$trabajo/juego" "$pieza" $((primero + segundo + 5)) \
  >"$trabajo/salida.log" 2>&1 &
programa=$!
sleep "$primero"
bytes1=$(stat -c %s "$mezcla")
callgrind_control -d "$programa" >/dev/null 2>&1
sleep "$segundo"
bytes2=$(stat -c %s "$mezcla")
callgrind_control -d "$programa" >/dev/null 2>&1
kill "$programa" 2>/dev/null || true
wait "$programa" 2>/dev/null || true
# Dumps are numbered per thread: cg.PID.1-NN is the first stretch, cg.PID.2-NN the second.
for tramo in 1 2; do
  if [ "$tramo" = 1 ]; then audio=$bytes1; else audio=$((bytes2 - bytes1)); fi
  segundos=$(awk -v b="$audio" 'BEGIN {printf "%.2f", b / 176400}')
  echo "stretch $tramo: $segundos s of music mixed"
  for f in "$trabajo"/cg.*."$tramo"-*; do
    echo "  thread ${f##*-}: $(awk '/^summary:|^totals:/ {print $2; exit}' "$f") instructions"
  done | sort -t: -k2 -n -r | head -4
done
