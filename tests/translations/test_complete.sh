#!/usr/bin/env bash
# Every translation is complete and current: Qt's lupdate, run on copies of
# the .ts files against the sources, finds no text added, changed or gone,
# and no entry is left unfinished or empty.
# Usage: test_complete.sh LUPDATE SOURCE_ROOT
set -euo pipefail
lupdate=$1 root=$2 status=0
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
for ts in "$root"/translations/quillbox_*.ts; do
    name=${ts##*/}
    cp "$ts" "$work/$name"
    "$lupdate" -silent -locations none -no-obsolete -source-language en "$root/src" -ts "$work/$name"
    if ! diff -u "$ts" "$work/$name" >"$work/drift"; then
        echo "$name differs from what lupdate makes of the sources:" && head -n 40 "$work/drift"
        status=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"|<(translation|numerusform)></' "$ts"; then
        echo "$name has the entries above untranslated" && status=1
    fi
done
((status == 0)) && echo "translations complete: $(ls "$root"/translations/quillbox_*.ts | wc -l) languages"
exit $status
