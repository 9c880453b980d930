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
