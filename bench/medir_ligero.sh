#!/usr/bin/env bash
# The game's running costs from one run: its CPU while a game is played beside Chocolate Doom's
# demo loop (both CPUs, their ratio, the game's peak memory; bench/medir_juego.sh), then the
# memory of the attract cycle after 1, 4 and 24 virtual hours headless and, with MINUTES, after
# 2 and MINUTES minutes on the SDL backend (bench/medir_atraccion.sh). Installs the yardstick
# first when it is missing (bench/instalar.sh).
#   bench/medir_ligero.sh [GAME_FOLDER] [MINUTES]   (default play/, made by scripts/run)
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
carpeta=$(cd "${1:-$raiz/play}" && pwd)
"$raiz/bench/instalar.sh"
"$raiz/bench/medir_juego.sh" "$carpeta" 20
"$raiz/bench/medir_atraccion.sh" "$carpeta" "${2:-0}"
