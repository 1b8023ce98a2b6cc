#!/usr/bin/env bash
# Installs the programs with the real install rules under DESTDIR=ROOT, prefix /usr, and
# puts the fixture store where the sample store goes.
set -euo pipefail
build=$1 root=$2 writer=$3 cmake=$4
if [ -d "$root" ]; then chmod -R u+w "$root"; fi
rm -rf "$root"
DESTDIR=$root "$cmake" --install "$build" --prefix /usr --component programs >/dev/null
"$writer" "$root/usr/lib/vermara" >/dev/null
