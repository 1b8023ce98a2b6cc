#!/usr/bin/env bash
# Builds everything with gcc's --coverage into build-coverage/, runs the whole CTest suite
# there and prints line and branch coverage per src/ folder (gcovr). Extra arguments go to
# ctest, e.g. scripts/coverage.sh -LE sword.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if ! command -v gcovr >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends gcovr
fi

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVERMARA_BENCH=OFF \
  "${launcher[@]}" -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage" \
  -DCMAKE_SHARED_LINKER_FLAGS="--coverage" >/dev/null
cmake --build build-coverage -j2

# Counters of an earlier run would add up with this one.
find build-coverage -name '*.gcda' -delete
status=0
(cd build-coverage && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@") || status=$?

# Branches that only exist for exceptions thrown by the runtime, or that gcc proves
# unreachable, are not branches of our code.
gcovr --root "$root" --filter "$root/src/" --object-directory build-coverage \
  --exclude-directories '.*/CMakeFiles/[0-9.]+/.*' \
  --exclude-throw-branches --exclude-unreachable-branches -j 2 \
  --json-summary build-coverage/coverage-summary.json \
  --txt build-coverage/coverage.txt >/dev/null
python3 scripts/coverage_by_folder.py build-coverage/coverage-summary.json
echo "Per file: build-coverage/coverage.txt"
exit $status
