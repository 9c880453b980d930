#!/usr/bin/env bash
# The music as the game plays it: each piece through the game's own sound device (SDL_mixer
# and its synthesiser, SDL's disk driver writing the mix to a file), followed by the 24 sound
# effects, once with the SoundFont shipped beside the game and once with the system's full
# General MIDI one. Prints the peak memory of each run and, with sox, the level of the music
# next to the level of the effects through the same mixer.
# Usage: bench/medir_musica.sh [SECONDS_PER_PIECE]   (default 20; needs build/ci)
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-20}
programa=build/ci/bench/polvareda_musica
[ -x "$programa" ] || { echo "build build/ci first" >&2; exit 1; }
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
mkdir -p "$trabajo/propio" "$trabajo/sistema"
cp build/ci/dist/Polvareda.sf2 "$trabajo/propio/"
efectos=()
for i in $(seq 0 23); do efectos+=("assets/sounds/Efecto$i.wav"); done

nivel() {  # name, raw mix, start and length in seconds
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$2" -n trim "$3" "$4" stats 2>&1 |
    awk -v n="$1" '/RMS lev dB/ {rms=$4} /Pk lev dB/ {pk=$4} END {printf "  %-22s RMS %6.1f dBFS, peak %6.1f dBFS\n", n, rms, pk}'
}

for t in 1 2 3; do
  for sf in propio sistema; do
    mezcla=$trabajo/$sf$t.raw
    memoria=$(SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$mezcla \
      "$programa" "$trabajo/$sf" "assets/music/Tema$t.mid" "$segundos" "${efectos[@]}")
    echo "Tema$t, $([ $sf = propio ] && echo "shipped Polvareda.sf2" || echo "system SoundFont"): $memoria"
    nivel "music" "$mezcla" 0 "$segundos"
    nivel "effects after it" "$mezcla" "$segundos" 60
  done
done
