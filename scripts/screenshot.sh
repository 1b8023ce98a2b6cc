#!/usr/bin/env bash
# Starts the reader. Without a display (neither DISPLAY nor WAYLAND_DISPLAY) it runs under
# Xvfb, saves the main window once the first chapter is shown and prints the PNG's path.
# Extra arguments go to the reader (e.g. --data FOLDER, --parallel, --text-only).
set -euo pipefail
cd "$(dirname "$0")/.."
reader=build/bin/vermara
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$reader" "$@"
fi
png="${VERMARA_SCREENSHOT:-$PWD/build/vermara-main-window.png}"
# A reader waiting for a folder choice (no store found) must not hang the caller.
exec timeout 120 xvfb-run -a -s "-screen 0 1280x900x24" "$reader" --screenshot "$png" "$@"
