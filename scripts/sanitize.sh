#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
# runs the whole CTest suite there with leak detection on. Not part of ./test (it takes about
# twice as long). Extra arguments go to ctest, e.g. scripts/sanitize.sh -R store_tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
# VERMARA_WERROR=ON (as CI sets it) turns warnings into errors; the benchmarks are left out.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DVERMARA_WERROR="${VERMARA_WERROR:-OFF}" -DVERMARA_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j2

# Leaks inside third-party libraries are suppressed by library name in lsan.supp; ours never are.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
cd build-asan
ctest --output-on-failure -j2 "$@"
