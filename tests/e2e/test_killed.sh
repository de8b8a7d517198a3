#!/usr/bin/env bash
# Every change reaches the store within a second of the click: a program
# killed then keeps every note and font size. A kill in the middle of a long
# rewrite leaves the store whole, as it was before it or after it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc.xml"

stored_notes() { sql "SELECT group_concat(key || '=' || value, '|') FROM (SELECT key, value FROM settings
    WHERE app='$APP' AND section='notes' AND key != 'temp' ORDER BY key)"; }
notes_are() { [[ $(stored_notes) == "$1" ]]; }
# killed_keeps TITLE BODY ...: these notes are stored within a second; then the
# program is killed, and the store holds exactly them.
killed_keeps() {
    local k want=""
    for ((k = 1; k <= $# / 2; k++)); do want+="notecontent$k=${@:2*k:1}|"; done
    for ((k = 1; k <= $# / 2; k++)); do want+="notetitle$k=${@:2*k-1:1}|"; done
    wait_until 1 notes_are "${want%|}" || fail "not stored within a second: $(stored_notes)"
    kill -KILL "$QBX_PID" && wait "$QBX_PID" 2>/dev/null
    check_notes "$@"
}

step "an added note, a pasted one and a font size, killed"
start_quillbox
click_main 40 "FH - 142"
type_text "Plan"
click_note_button $ADD
dialog "Insert note"
answer Return
clip_set $'Call\nme'
click_note_button $FROM_CLIP
click_icon 6 && sleep 0.2 && press_key Down Down Down Return # the text box's "12 Pt"
wait_until 1 eval '[[ $(store_get general maintextboxsize) == "12#" ]]' || fail "the size is not stored"
killed_keeps Plan Plan Call $'Call\nme'
check_store general maintextboxsize 12

step "an update and a rename, killed"
start_quillbox
click_row 1
click_main 100 "FH - 142" && type_text " more"
click_note_button 1 # Update Note
click_row 2 2
dialog "Change title"
press_key ctrl+a && type_text "Phone"
answer Return
killed_keeps Plan "Plan more" Phone $'Call\nme'

step "a delete and a flush, each killed"
start_quillbox
click_row 1
click_note_button $DELETE
killed_keeps Phone $'Call\nme'
start_quillbox
click_icon $FLUSH
dialog "Flush all notes"
answer Return
killed_keeps

step "killed while the first of 500 notes of 10 KB is deleted: the store is whole"
seed_500 "$T/seed.db"
before=$(digest "$T/seed.db" 1) after=$(digest "$T/seed.db" 2)
for run in 1 2 3; do
    rm -f "$DB"* && cp "$T/seed.db" "$DB"
    start_quillbox
    click_row 1
    click_note_button $DELETE
    sleep "$(printf 0.%03d $((RANDOM % 250)))" # spread over the time the rewrite takes
    kill -KILL "$QBX_PID" && wait "$QBX_PID" 2>/dev/null
    check_eq "integrity after kill $run" "$(sqlite3 "$DB" 'PRAGMA integrity_check')" ok
    now=$(digest "$DB" 1)
    [[ $now == "$before" || $now == "$after" ]] || fail "the store holds neither the notes before the delete nor after"
    pass "kill $run left the notes $([[ $now == "$before" ]] && echo before || echo after) the delete"
done
e2e_done
