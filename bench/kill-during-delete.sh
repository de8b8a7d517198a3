#!/usr/bin/env bash
# Kills Quillbox at a random moment while it deletes the first of 500 notes
# of 10 KB (which renumbers every note after it), RUNS times, and counts how
# the store was found: whole with the notes before the delete, whole with
# the notes after it, or anything else.
#
#   bench/kill-during-delete.sh [BUILD_DIR] [RUNS]     (defaults: build, 100)
set -u
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build}
RUNS=${2:-100}
source "$ROOT/tests/e2e/lib.sh" "$BUILD/src/quillbox"
e2e_begin
start_x "$ROOT/tests/e2e/openbox-rc.xml"
mkdir -p "${DB%/*}"
seed_500 "$T/seed.db"
before=$(digest "$T/seed.db" 1) after=$(digest "$T/seed.db" 2)
declare -A found=([before]=0 [after]=0 [damaged]=0)
for ((run = 1; run <= RUNS; run++)); do
    rm -f "$DB"* && cp "$T/seed.db" "$DB"
    start_quillbox
    click_row 1
    click_note_button $DELETE
    sleep "$(printf 0.%03d $((RANDOM % 250)))"
    kill -KILL "$QBX_PID" && wait "$QBX_PID" 2>/dev/null
    now=$(digest "$DB" 1)
    if [[ $(sqlite3 "$DB" 'PRAGMA integrity_check') != ok ]]; then found[damaged]=$((found[damaged] + 1))
    elif [[ $now == "$before" ]]; then found[before]=$((found[before] + 1))
    elif [[ $now == "$after" ]]; then found[after]=$((found[after] + 1))
    else found[damaged]=$((found[damaged] + 1)); fi
done
echo "kill-during-delete: $RUNS kills: ${found[before]} before the delete, ${found[after]} after it, ${found[damaged]} neither or damaged"
OK=1
