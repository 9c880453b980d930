#!/usr/bin/env bash
# Installs what the benchmarks need beyond scripts/install-deps, from Debian's archive, when it
# is missing: the software 3D engine and its free game data that bench/medir_juego.sh runs
# beside the game as a yardstick, valgrind for instruction counts and perf for profiles.
set -euo pipefail
packages=(chocolate-doom freedoom valgrind linux-perf)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
