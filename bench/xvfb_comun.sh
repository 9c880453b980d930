# Shared by the start-up benchmarks (sourced, not run): a work folder removed at exit, a
# virtual X display of 1920x1080x24 on a free number, and the game's process stopped at exit.
# After `arrancar_xvfb`, $pantalla holds the display number; set $juego_pid once the game runs.
command -v Xvfb >/dev/null || { echo "Xvfb is missing (scripts/install-deps)" >&2; exit 1; }

trabajo=$(mktemp -d)
xvfb_pid=""
juego_pid=""
terminar() {
  [ -n "$juego_pid" ] && kill "$juego_pid" 2>/dev/null && wait "$juego_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$trabajo"
}
trap terminar EXIT

arrancar_xvfb() {
  pantalla=99
  while [ -e "/tmp/.X11-unix/X$pantalla" ] || [ -e "/tmp/.X$pantalla-lock" ]; do
    pantalla=$((pantalla + 1))
  done
  Xvfb ":$pantalla" -screen 0 1920x1080x24 -nolisten tcp >"$trabajo/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$pantalla" ] && break; sleep 0.05; done
}

# Starts the game in folder $1 (further arguments go to the game) on the virtual display and
# waits for its window; the moments it
# announces (POLVAREDA_TIEMPOS) are in $trabajo/err. A line may follow the beep of a machine
# without a sound device on the same line, so the search is not anchored.
# With $envoltorio set (a command and its options, such as valgrind's) the game runs under it and
# is given longer to open its window.
lanzar_juego() {
  DISPLAY=":$pantalla" POLVAREDA_TIEMPOS=1 ${envoltorio:-} "$1/Polvareda" --carpeta "$1" "${@:2}" \
    2>"$trabajo/err" &
  juego_pid=$!
  for _ in $(seq $([ -n "${envoltorio:-}" ] && echo 4000 || echo 400)); do
    grep -aq 'Polvareda: ventana ' "$trabajo/err" && return 0
    kill -0 "$juego_pid" 2>/dev/null || { cat "$trabajo/err" >&2; exit 1; }
    sleep 0.025
  done
  echo "the game window never came" >&2
  cat "$trabajo/err" >&2
  exit 1
}

# The game's CPU use over $2 seconds, printed under the name $1 in % of one core.
medir_cpu() {
  local hz antes despues
  hz=$(getconf CLK_TCK)
  antes=$(awk '{print $14 + $15}' "/proc/$juego_pid/stat")
  sleep "$2"
  despues=$(awk '{print $14 + $15}' "/proc/$juego_pid/stat")
  awk -v n="$1" -v s="$2" -v t=$((despues - antes)) -v hz="$hz" \
    'BEGIN { printf "%-15s %6.2f%% of one core (%d ticks in %d s)\n", n ":", 100 * t / hz / s, t, s }'
}
