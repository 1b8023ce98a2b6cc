#!/usr/bin/env bash
# The reader started through bin/vermara finds the store beside its real file in
# lib/vermara (bin/ holds no store) and shows the first chapter.
source "$(dirname "$0")/Environment.sh"

for program in vermara versipack vermara-import; do
  [ "$(readlink "$root/usr/bin/$program")" = "../lib/vermara/$program" ] ||
    fail "bin/$program is not the relative link ../lib/vermara/$program"
  [ -x "$folder/$program" ] || fail "$program missing from lib/vermara"
done
[ -f "$folder/vr200.html" ] || fail "the guide vr200.html is not beside the programs"
[ -f "$folder/data/parables.tsv" ] || fail "the importer's data files are not in lib/vermara/data"
[ ! -e "$root/usr/bin/VERMARA2000.DAT" ] || fail "a store in bin/ would hide the lookup"

# The command-line search finds the same store without --data: Kejadian 1 is the first chapter.
"$root/usr/bin/vermara" --search mulanya >"$work/found.txt" ||
  fail "the search through the link did not find the store"
grep -q "Kejadian 1" "$work/found.txt" || fail "no hit in Kejadian 1: $(cat "$work/found.txt")"
grep -q "Pada mulanya Allah menciptakan" "$work/found.txt" || fail "verse 1:1 not in the results"

# The window is saved once the first chapter is shown.
screenshot "$work/first-chapter.png"
