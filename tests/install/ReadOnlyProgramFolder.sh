#!/usr/bin/env bash
# A system install cannot be written: the reader starts, searches and ends, and the customizer
# builds from its store, without changing anything in the program folder. Root ignores
# permissions, so the check compares a listing of the folder (names, kinds, sizes,
# modification times) taken before and after.
source "$(dirname "$0")/Environment.sh"

listing() {
  (cd "$folder" && find . -printf '%p %y %s %T@\n' | LC_ALL=C sort)
}

chmod -R a-w "$folder"
before=$(listing)
screenshot "$work/read-only.png"
"$root/usr/bin/vermara" --search langit --keep >"$work/found.txt" ||
  fail "the search failed on a read-only install"
grep -q "Kejadian 1" "$work/found.txt" || fail "no hit in Kejadian 1: $(cat "$work/found.txt")"
# The customizer reads the installed store and writes its smaller one where the user says.
mkdir "$work/small"
"$root/usr/bin/versipack" --source "$folder" --dest "$work/small" \
  --versions "Alkitab Kabar Baik" --modules "Kamus" --yes >/dev/null ||
  fail "the customizer could not build from the read-only store"
[ -s "$work/small/VERMARA2000.DAT" ] || fail "no customized store in the chosen folder"
after=$(listing)

if [ "$before" != "$after" ]; then
  diff <(echo "$before") <(echo "$after") >&2 || true
  fail "the program folder changed"
fi
# The results file kept goes to the user's own folder in the temporary folder instead.
compgen -G "$TMPDIR/vermara-$(id -u)/~vr*.tmp" >/dev/null ||
  fail "no results file in the user's temporary folder"
