#!/usr/bin/env bash
# A whole-Bible word search as whole processes: SWORD's diatheke against `vermara --search`,
# ten runs each, then the medians and the ratios (the engine alone from search_bench, the
# first search of ten fresh processes).
# Run from anywhere after building and after `build/bin/vermara-import --out build/bin`.
set -euo pipefail
cd "$(dirname "$0")/../.."

if ! command -v diatheke >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get install -y -qq --no-install-recommends diatheke >/dev/null
fi

MODULE=engWEB2015eb
modules=$(diatheke -b system -k modulelist)
if ! grep -q "^$MODULE " <<<"$modules"; then
  echo "SWORD module $MODULE is not installed (Debian package sword-text-web)" >&2
  exit 1
fi
VERMARA=${VERMARA:-build/bin/vermara}
DATA=${VERMARA_SAMPLE:-build/bin/VERMARA2000.DAT}
RUNS=10

# Milliseconds of one run of the command, its output discarded.
run_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() {
  sort -n | awk '{v[NR]=$1} END {if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'
}

diatheke_times=()
vermara_times=()
for _ in $(seq "$RUNS"); do
  diatheke_times+=("$(run_ms diatheke -b "$MODULE" -s multiword -r Gen-Rev -k love)")
  vermara_times+=("$(run_ms env -u DISPLAY -u QT_QPA_PLATFORM "$VERMARA" --search love --data "$DATA")")
done
diatheke_ms=$(printf '%s\n' "${diatheke_times[@]}" | median)
vermara_ms=$(printf '%s\n' "${vermara_times[@]}" | median)
diatheke_hits=$(diatheke -b "$MODULE" -s multiword -r Gen-Rev -k love | grep -o '[0-9]* matches total' | grep -o '^[0-9]*')
vermara_hits=$("$VERMARA" --search love --data "$DATA" | grep -a -o 'Ditemukan : [0-9]*' | grep -o '[0-9]*')

echo "diatheke -b $MODULE -s multiword -r Gen-Rev -k love: median ${diatheke_ms} ms of $RUNS ($diatheke_hits verses)"
echo "vermara --search love: median ${vermara_ms} ms of $RUNS ($vermara_hits verses)"
awk -v d="$diatheke_ms" -v v="$vermara_ms" 'BEGIN {printf "process ratio diatheke/vermara: %.1f\n", d / v}'

BENCH=build/bench/search/search_bench
if [ -x "$BENCH" ]; then
  engine_times=()
  for _ in $(seq "$RUNS"); do
    engine_times+=("$(VERMARA_SAMPLE="$DATA" "$BENCH" --benchmark_filter=BM_EngineLoveFirstInProcess \
      --benchmark_format=csv 2>/dev/null | awk -F, '/BM_EngineLoveFirstInProcess/ {print $3}')")
  done
  engine_ms=$(printf '%s\n' "${engine_times[@]}" | median)
  echo "engine alone (first search of a fresh process): median ${engine_ms} ms of $RUNS"
  awk -v d="$diatheke_ms" -v e="$engine_ms" 'BEGIN {printf "engine ratio diatheke/engine: %.1f\n", d / e}'
fi
