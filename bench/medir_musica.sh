#!/usr/bin/env bash
# The music as the game plays it: each piece through the game's own sound device (SDL_mixer
# and its synthesiser, SDL's disk driver writing the mix to a file), once with the SoundFont
# shipped beside the game and once with the system's full General MIDI one; then the 24 sound
# effects through the same mixer. Prints the peak memory of each run and, with sox, the level
# of each piece next to the level of the effects.
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

# The music alone, each piece for the given time; the mixer writes at its own pace, so the
# file is measured whole.
for t in 1 2 3; do
  for sf in propio sistema; do
    mezcla=$trabajo/$sf$t.raw
    memoria=$(SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$mezcla \
      "$programa" "$trabajo/$sf" "assets/music/Tema$t.mid" "$segundos")
    echo "Tema$t, $([ $sf = propio ] && echo "shipped Polvareda.sf2" || echo "system SoundFont"): $memoria"
    nivel "music" "$mezcla" 0 "$segundos"
  done
done
# The effects alone, one after another, through the same mixer.
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$trabajo/efectos.raw \
  "$programa" "$trabajo/propio" assets/music/Tema1.mid 0 "${efectos[@]}" >/dev/null
nivel "the 24 effects" "$trabajo/efectos.raw" 0 120
