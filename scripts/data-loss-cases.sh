#!/usr/bin/env bash
# Repeats, with the real programs, the five ways a user's files were once lost, and checks
# that they come out whole: byte-identical where nothing should change, both readers'
# bookmarks kept where two readers save one list. Needs the sample store (./run builds it).
# Prints one line per case and exits non-zero when any case loses data.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$PWD/build/bin
[ -f "$bin/VERMARA2000.DAT" ] || { echo "build/bin/VERMARA2000.DAT belum ada: jalankan ./run" >&2; exit 2; }
need=()
for tool in Xvfb:xvfb xdotool:xdotool openbox:openbox; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
[ ${#need[@]} -eq 0 ] || { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null; }

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'pkill -P $$ 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display HOME=$work/home TMPDIR=$work/tmp
mkdir -p "$HOME" "$TMPDIR"
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
data=$HOME/.local/share/Vermara
list=$data/~vrBookmarks.tmp
failed=0

report() { # case, verdict
  printf '%-70s %s\n' "$1" "$2"
  [ "$2" = "utuh" ] || failed=1
}
same() { [ "$(sha256sum <"$1")" = "$(sha256sum <"$2")" ]; }
# The store and its pictures in a folder, as the user has them (hidden work files left out).
tree_sum() { (cd "$1" && find VERMARA2000.DAT Peta -type f -print0 | sort -z | xargs -0 sha256sum); }

# The main window of a reader, looked up when it is needed (Qt may replace a window while it
# settles after the first show).
window_of() { # pid
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$1" --name '^Vermara [0-9.]+ - ' 2>/dev/null | tail -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  echo "$window"
}
# Starts a reader on the sample store and prints its process id once its window shows.
start_reader() {
  "$bin/vermara" --data "$bin" >>"$work/reader.log" 2>&1 &
  window_of $! >/dev/null
  sleep 1
  echo $!
}
press() { # keys..., half a second apart
  for key in "$@"; do xdotool key "$key" || true; sleep 0.5; done
}
# Opens the bookmark window as a keyboard user does: the reading view's own menu (Menu key),
# first item "Bookmark".
bookmark_window() { # pid
  local window
  window=$(window_of "$1")
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  sleep 1   # a first activation restores the place and gives the book list the focus
  xdotool mousemove --window "$window" 400 300 click 1 || true
  sleep 0.5
  press Menu Down Return
}
# Writes a note over the placeholder, "Simpan" with its question answered, then "Tutup",
# which saves the list.
write_note() { # note
  xdotool type --delay 30 "$1" || true
  press Tab space Return Tab space
}
close_reader() { # pid
  xdotool windowactivate --sync "$(window_of "$1")" >/dev/null 2>&1 || true
  press alt+F4
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done
  kill "$1"; return 1
}

# 1. A bookmark list that cannot be read (an I/O error on every read, whoever runs this) is
#    neither replaced by an empty list nor removed when the bookmark window and the reader close.
mkdir -p "$data"
ln -s /proc/self/mem "$list"
pid=$(start_reader)
bookmark_window "$pid"
press Return   # "Daftar bookmark tidak dapat dibaca: ..."
write_note "tidak boleh menimpa"
close_reader "$pid" || true
[ "$(readlink "$list")" = /proc/self/mem ] && report "1. daftar bookmark yang tidak terbaca" utuh ||
  report "1. daftar bookmark yang tidak terbaca" HILANG
rm -f "$list"

# 2. Two readers on one list: each adds a bookmark; the one that quits last keeps both.
pid1=$(start_reader)
pid2=$(start_reader)
bookmark_window "$pid1"
write_note "dari pembaca pertama"
bookmark_window "$pid2"
write_note "dari pembaca kedua"
close_reader "$pid1" || true
close_reader "$pid2" || true
if grep -q "dari pembaca pertama" "$list" && grep -q "dari pembaca kedua" "$list"; then
  report "2. dua pembaca menyimpan satu daftar bookmark" utuh
else
  report "2. dua pembaca menyimpan satu daftar bookmark" HILANG
fi
rm -f "$list"

# 3. The earlier version's list in the temporary folder outlives an exit that deletes the
#    search results ("Hapus Hasil Pencarian saat keluar dari program" checked).
printf 'Matius 5:44|catatan lama\r\n' >"$TMPDIR/~vrBookmarks.tmp"
cp "$TMPDIR/~vrBookmarks.tmp" "$work/legacy"
pid=$(start_reader)
xdotool windowactivate --sync "$(window_of "$pid")" >/dev/null 2>&1 || true
sleep 1
press alt+s Down Down Return   # "Hapus Hasil Pencarian saat keluar dari program"
close_reader "$pid" || true
if { [ -f "$TMPDIR/~vrBookmarks.tmp" ] && same "$TMPDIR/~vrBookmarks.tmp" "$work/legacy"; } ||
   grep -q "catatan lama" "$list" 2>/dev/null; then
  report "3. daftar bookmark lama di folder sementara" utuh
else
  report "3. daftar bookmark lama di folder sementara" HILANG
fi

# 4. A customizer build that fails (full disk) or is killed leaves the store and the pictures
#    already in the destination as they were.
dest=$work/tujuan
mkdir -p "$dest"
versipack() { "$bin/versipack" --source "$bin" --dest "$dest" --versions "King James Version" --modules "Peta" --yes >/dev/null 2>&1; }
versipack
tree_sum "$dest" >"$work/before"
# A full disk: writes past 4 MB fail with EFBIG (SIGXFSZ ignored), whoever runs this.
(trap '' XFSZ; ulimit -f 4096; versipack) || true
tree_sum "$dest" >"$work/after-full"
# A kill as soon as the new store is being written beside the old one.
"$bin/versipack" --source "$bin" --dest "$dest" --versions "King James Version" --modules "Peta" --yes >/dev/null 2>&1 &
build=$!
for _ in $(seq 200); do
  compgen -G "$dest/.VERMARA2000.DAT.*" >/dev/null && break
  sleep 0.05
done
kill -9 $build 2>/dev/null || true
wait $build 2>/dev/null || true
tree_sum "$dest" >"$work/after-kill"
if cmp -s "$work/before" "$work/after-full" && cmp -s "$work/before" "$work/after-kill"; then
  report "4. database dan Peta/ tujuan customizer setelah disk penuh dan kill" utuh
else
  report "4. database dan Peta/ tujuan customizer setelah disk penuh dan kill" RUSAK
fi

# 5. The customizer refuses its own source as the destination, so the full store stays.
source=$work/sumber
mkdir -p "$source"
cp -r "$bin/VERMARA2000.DAT" "$bin/Peta" "$source/"
tree_sum "$source" >"$work/source-before"
"$bin/versipack" --source "$source" --dest "$source" --versions "King James Version" --modules "Peta" --yes >/dev/null 2>&1 || true
tree_sum "$source" >"$work/source-after"
cmp -s "$work/source-before" "$work/source-after" && report "5. database sumber sebagai tujuan customizer" utuh ||
  report "5. database sumber sebagai tujuan customizer" RUSAK
exit $failed
