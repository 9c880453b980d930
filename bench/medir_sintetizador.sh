#!/usr/bin/env bash
# Whether the music still sounds the same: each piece played through the game's own sound device
# (bench/polvareda_musica, SDL's disk driver writing the mix to a file) by two builds, a build
# from before a change and one from after it, with the same shipped SoundFont; the two mixes are
# compared by level and by octave bands, and their spectrograms are drawn side by side with their
# difference (bench/comparar_musica.py). Then the 24 effects are played by the later build, and
# how long each waited for the mix is printed.
#   bench/medir_sintetizador.sh BUILD_BEFORE [BUILD_AFTER] [SECONDS] [PICTURES_FOLDER]
#   (defaults: build/rel, 30 seconds, /tmp/medir_sintetizador)
# A build folder holds bench/polvareda_musica; the SoundFont is BUILD_AFTER's dist/Polvareda.sf2.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
antes=$(cd "$1" && pwd)
despues=$(cd "${2:-$raiz/build/rel}" && pwd)
segundos=${3:-30}
fotos=${4:-/tmp/medir_sintetizador}
mkdir -p "$fotos"
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
mkdir -p "$trabajo/juego"
cp "$despues/dist/Polvareda.sf2" "$trabajo/juego/"

tocar() {  # build, piece, mix file
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$3 "$1/bench/polvareda_musica" "$trabajo/juego" \
    "$raiz/assets/music/$2.mid" "$segundos" >/dev/null 2>&1
}
resultado=0
for tema in Tema1 Tema2 Tema3; do
  tocar "$antes" "$tema" "$trabajo/$tema.antes.raw" &
  tocar "$despues" "$tema" "$trabajo/$tema.despues.raw"
  wait
  echo "$tema:"
  /usr/bin/python3 "$raiz/bench/comparar_musica.py" "$trabajo/$tema.antes.raw" \
    "$trabajo/$tema.despues.raw" "$fotos/$tema.png" || resultado=1
done
echo "spectrograms: $fotos/Tema1.png $fotos/Tema2.png $fotos/Tema3.png"

efectos=()
for i in $(seq 0 23); do efectos+=("$raiz/assets/sounds/Efecto$i.wav"); done
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$trabajo/efectos.raw "$despues/bench/polvareda_musica" \
  "$trabajo/juego" "$raiz/assets/music/Tema2.mid" 5 "${efectos[@]}" 2>/dev/null |
  grep 'effects mixed'
exit $resultado
