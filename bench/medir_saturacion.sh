#!/usr/bin/env bash
# Clipping of the final sound mix in a real window: the game runs under a virtual X display
# with SDL's disk audio driver writing the mix to a file, the attract cycle plays, then a
# player driven by the play trace (bench/jugador_traza.py) plays phases and duels. Counts the
# samples at full scale (|s| >= 32767) and the bursts they come in (samples closer than 10 ms
# make one burst), and the mix's peak and loudness. PausaSinFoco=0: the virtual display has
# no window manager to keep the game window focused, and a paused, silenced game measures
# nothing.
# Usage: bench/medir_saturacion.sh [PROGRAM] [SECONDS] [ATTRACT_SECONDS]
#   PROGRAM defaults to build/ci/game/shell/Polvareda; it runs on a copy of build/ci/dist.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
programa=$(realpath "${1:-$raiz/build/ci/game/shell/Polvareda}")
segundos=${2:-300}
espera=${3:-55}  # seconds of the attract cycle before the first game
. "$raiz/bench/xvfb_comun.sh"
command -v xdotool >/dev/null || { echo "xdotool is missing (scripts/install-deps)" >&2; exit 1; }

cp -r "$raiz/build/ci/dist" "$trabajo/juego"
cp "$programa" "$trabajo/juego/Polvareda"
printf '[Pantalla]\r\nDDraw=2\r\nScroll=15\r\n[Sonido]\r\nSND=1\r\nMUS=1\r\n[Teclado]\r\nIzquierda=79\r\nDerecha=80\r\nDisparo1=90\r\nDisparo2=88\r\nDisparo3=67\r\n[Opciones]\r\nNoEsperarPuertas=0\r\nVidaExtra=1\r\nChicaAmenazada=1\r\nPausaSinFoco=0\r\n' \
  >"$trabajo/juego/Polvareda.INI"

arrancar_xvfb
export DISPLAY=":$pantalla"
mezcla=$trabajo/mezcla.raw
DISPLAY=":$pantalla" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$mezcla" POLVAREDA_TIEMPOS=1 \
  "$trabajo/juego/Polvareda" --carpeta "$trabajo/juego" --traza "$trabajo/traza.jsonl" \
  2>"$trabajo/err" &
juego_pid=$!
for _ in $(seq 400); do
  grep -aq 'Polvareda: ventana ' "$trabajo/err" && break
  sleep 0.025
done
sleep 1
ventana=$(xdotool search --pid "$juego_pid" | tail -1)
xdotool windowfocus "$ventana" 2>/dev/null || true
/usr/bin/python3 "$raiz/bench/jugador_traza.py" "$trabajo/traza.jsonl" "$ventana" \
  --segundos "$segundos" --espera "$espera"
kill "$juego_pid" 2>/dev/null; wait "$juego_pid" 2>/dev/null || true; juego_pid=""

echo "$(basename "$programa") ($programa), $segundos s:"
grep -o '"mode": "[a-z_]*"' "$trabajo/traza.jsonl" | sed 's/"mode": //; s/"//g' |
  awk 'NF && !visto[$0]++ { printf "%s%s", s, $0; s = ", " } END { print "" }' |
  sed 's/^/  modes seen, in order: /'
/usr/bin/python3 - "$mezcla" <<'PY'
import sys
import numpy as np
x = np.fromfile(sys.argv[1], dtype="<i2").astype(np.int32)
a = np.abs(x)
llenas = np.nonzero(a >= 32767)[0]
rafagas = 0 if len(llenas) == 0 else 1 + int(np.count_nonzero(np.diff(llenas) > 2 * 441))
rms = np.sqrt(np.mean((x / 32768.0) ** 2)) if len(x) else 0
print(f"  {len(x) // 2 / 44100:.1f} s of sound, {len(llenas)} samples at full scale in "
      f"{rafagas} bursts; peak {20 * np.log10(max(a.max(), 1) / 32768):.2f} dBFS, "
      f"RMS {20 * np.log10(max(rms, 1e-9)):.1f} dBFS")
PY
