#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a fixed number of inputs, starting from
# the seeds and past failures kept in the repository (on a copy: the repository's corpus only
# changes by hand). Prints executions, coverage and crashes per target; exits 1 when any target
# crashed, with the input that did it under build/fuzz/hallazgos/.
#   tests/fuzz/ejecutar.sh RUNS [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:?number of inputs per target}
shift
build=build/fuzz
fuente=tests/fuzz
objetivos=("$@")
[ ${#objetivos[@]} -eq 0 ] && objetivos=(mejores idioma xga contenedor perfil guion)

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOLVAREDA_FUZZ=ON -DPOLVAREDA_TESTS=OFF \
  -DPOLVAREDA_BENCH=OFF -DPOLVAREDA_WERROR=ON >/dev/null
# The build-time tools run under the sanitizers too; what they leave unfreed at exit is no fault.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" -j2 --target "${objetivos[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
hallazgos=$build/hallazgos
mkdir -p "$hallazgos"
fallos=0
printf '%-12s %12s %10s %8s\n' target executions coverage crashes
for objetivo in "${objetivos[@]}"; do
  corpus=$(mktemp -d)
  cp "$fuente/semillas/$objetivo"/* "$corpus/"
  [ -d "$fuente/regresiones/$objetivo" ] && cp "$fuente/regresiones/$objetivo"/* "$corpus/"
  registro=$build/fuzz_$objetivo.log
  estado=0
  "$build/tests/fuzz/fuzz_$objetivo" "$corpus" -runs="$runs" -seed=1 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$hallazgos/$objetivo-" >"$registro" 2>&1 || estado=$?
  rm -rf "$corpus"
  ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -1)
  cobertura=$(grep -o 'cov: [0-9]*' "$registro" | tail -1 | cut -d' ' -f2)
  fallas=$([ "$estado" -eq 0 ] && echo 0 || echo 1)
  printf '%-12s %12s %10s %8s\n' "$objetivo" "${ejecuciones:-?}" "${cobertura:-?}" "$fallas"
  if [ "$estado" -ne 0 ]; then
    fallos=1
    grep -m3 -E 'ERROR|SUMMARY|runtime error' "$registro" | sed 's/^/    /' || true
    echo "    log: $registro"
  fi
done
exit $fallos
