#!/usr/bin/env bash
# Start-up time of the real reader on the sample store against BibleTime: both started
# ten times, alternately, under one Xvfb, each with a fresh home; the time runs from the
# start of the process until its main window is mapped (the reader's splash does not count,
# BibleTime's first window does). Prints both medians and the ratio.
# Installs BibleTime and xdotool when missing (only this script does).
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-10}
BIN=build/bin
SAMPLE=$BIN/VERMARA2000.DAT

need=()
for p in bibletime xdotool xvfb; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if ((${#need[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
[ -x "$BIN/vermara" ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
[ -f "$SAMPLE" ] || "$BIN/vermara-import" --out "$BIN" >/dev/null

DISPLAY_NR=:$((90 + RANDOM % 100))
Xvfb "$DISPLAY_NR" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
WORK=$(mktemp -d)
trap 'kill "$XVFB" 2>/dev/null || true; rm -rf "$WORK"' EXIT
export DISPLAY=$DISPLAY_NR
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Milliseconds from the start of the command until a window of its process whose name
# matches the first argument is viewable (the reader's splash comes first and does not count).
time_to_window() {
  local name=$1
  shift
  local home
  home=$(mktemp -d "$WORK/home.XXXX")
  local start end pid
  start=$(date +%s%N)
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    "$@" >/dev/null 2>&1 &
  pid=$!
  # Gives up after 20 s (the time printed is then 20 s or more).
  while ! xdotool search --onlyvisible --pid "$pid" --name "$name" >/dev/null 2>&1; do
    (($(date +%s%N) - start < 20000000000)) || break
    sleep 0.01
  done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

ours=()
theirs=()
for i in $(seq "$RUNS"); do
  ours+=("$(time_to_window "Vermara [0-9]" "$BIN/vermara" --data "$SAMPLE")")
  theirs+=("$(time_to_window "." bibletime)")
  echo "run $i: vermara ${ours[-1]} ms, bibletime ${theirs[-1]} ms"
done
m_ours=$(printf '%s\n' "${ours[@]}" | median)
m_theirs=$(printf '%s\n' "${theirs[@]}" | median)
echo "median vermara:   $m_ours ms"
echo "median bibletime: $m_theirs ms"
awk -v a="$m_theirs" -v b="$m_ours" 'BEGIN {printf "ratio bibletime/vermara: %.1f\n", a / b}'
