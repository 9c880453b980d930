#!/usr/bin/env bash
# SetUp's start-up under a virtual X display, beside the smallest Qt 6 Widgets window in the
# same run: the time from launch to the first paint of the window, and the peak memory (VmHWM)
# once it is shown. Each program is started five times; the median time is printed.
# Usage: bench/medir_setup.sh [BUILD_DIR]   (default: build/ci)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/ci}")
setup="$build/dist/SetUp"
minima="$build/bench/ventana_minima"
for p in "$setup" "$minima"; do
  [ -x "$p" ] || { echo "missing $p (build $build first)" >&2; exit 1; }
done
. bench/xvfb_comun.sh
arrancar_xvfb

ahora_ms() { date +%s%3N; }

# One launch of program $1 (announcing "$2: ventana <ms>"): prints "<ms to first paint> <peak kB>".
una_vez() {
  local inicio pid ventana
  inicio=$(ahora_ms)
  DISPLAY=":$pantalla" POLVAREDA_TIEMPOS=1 "$1" 2>"$trabajo/err" &
  pid=$!
  juego_pid=$pid
  for _ in $(seq 400); do
    grep -aq "$2: ventana " "$trabajo/err" && break
    sleep 0.01
  done
  ventana=$(awk -v n="$2:" '$1 == n {print $NF}' "$trabajo/err")
  sleep 1
  local pico
  pico=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  juego_pid=""
  echo "$((ventana - inicio)) $pico"
}

medir() {
  local tiempos=() pico=0 linea
  for _ in 1 2 3 4 5; do
    linea=$(una_vez "$1" "$2")
    tiempos+=("${linea% *}")
    pico=${linea#* }
  done
  local mediana
  mediana=$(printf '%s\n' "${tiempos[@]}" | sort -n | sed -n 3p)
  printf '%-16s window painted %4d ms after launch (median of 5: %s), peak memory %6d kB\n' \
    "$3" "$mediana" "${tiempos[*]}" "$pico"
}

# SetUp runs from a copy of the distribution folder (installation mode, as a player meets it).
cp -a "$build/dist" "$trabajo/dist"
medir "$trabajo/dist/SetUp" SetUp "SetUp:"
medir "$minima" ventana_minima "minimal window:"
