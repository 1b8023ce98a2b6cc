# Sourced by the install tests: a fresh home, offscreen windows, and helpers.
set -euo pipefail
root=$1
folder=$root/usr/lib/vermara
work=$(mktemp -d)
trap 'chmod -R u+w "$folder"; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
  TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$TMPDIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Without a store the reader would wait for a folder choice; the timeout turns that into a
# failure instead of a hang.
screenshot() {
  timeout 60 "$root/usr/bin/vermara" --screenshot "$1" >/dev/null ||
    fail "the reader did not show its first chapter (exit $?)"
  [ -s "$1" ] || fail "no screenshot at $1"
}
