#!/usr/bin/env bash
# Every fuzz target for at least a million inputs (or the number given), then executions,
# coverage and crashes per target. Needs clang (scripts/install-deps installs it).
#   bench/fuzz.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
exec tests/fuzz/ejecutar.sh "${1:-1000000}"
