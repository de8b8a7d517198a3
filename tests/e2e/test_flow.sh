#!/usr/bin/env bash
# A user's day with the picture buttons, in four runs on one HOME so that
# every change is read back from the store after its run.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc.xml"
body1=$'Shopping list\nmilk\neggs'
body2=$'Call Anna\nabout the TRIP\n  Sunday 10:00\n'

# copy_row N BODY: pick row N; "Copy note to clipboard" must put BODY there.
copy_row() {
    clip_set "(nothing copied yet)"
    click_row "$1"
    click_note_button $TO_CLIP
    wait_clip "$2" 5 || fail "row $1 copied [$(clip_get)], expected [$2]"
    pass "row $1 copied [${2%%$'\n'*}...]"
}

step "run 1: add a typed note, copy it, add one from the clipboard, rename it"
start_quillbox
click_text_box
type_text "$body1"
click_note_button $ADD
dialog "Insert note"
preset_is "Shopping list"
type_text "Groceries"
answer Return
# An empty text box, so that only the pick can bring the body back.
click_note_button $CLEAR
copy_row 1 "$body1"
clip_set "$body2"
click_note_button $FROM_CLIP
click_row 2 2
dialog "Change title"
check_eq "'Insert note' boxes for the clipboard note" "$(windows '^Insert note$' | wc -l)" 0
preset_is "Call Anna"
type_text "Weekend call"
answer Return
click_icon $EXIT
expect_exit "$QBX_PID" 10 "the exit icon"
check_notes Groceries "$body1" "Weekend call" "$body2"

step "run 2: search a word of a body in another case, show all, delete a match"
start_quillbox
click_main 20 40 # the search field
type_text "trip"
click_search_button
copy_row 1 "$body2"
click_icon $SHOW_ALL
copy_row 1 "$body1"
click_search_button
click_row 1
click_note_button $DELETE
close_main
check_notes Groceries "$body1"

step "run 3: flush answered with Cancel; About holds the main window"
start_quillbox
click_icon $FLUSH
dialog "Flush all notes"
answer Escape
click_icon $ABOUT
dialog "About Quillbox"
# A click on the held main window must not add this text as a note.
clip_set "must not become a note"
click_note_button $FROM_CLIP
found '^About Quillbox$' || fail "the About window went away after a click on the main window"
click_at "$DLG" $((285 + 55)) $((235 + 10))
wait_gone '^About Quillbox$'
click_icon $EXIT
expect_exit "$QBX_PID" 10 "the exit icon after About"
check_notes Groceries "$body1"

step "run 4: flush answered with OK"
start_quillbox
click_icon $FLUSH
dialog "Flush all notes"
answer Return
close_main
check_notes
e2e_done
