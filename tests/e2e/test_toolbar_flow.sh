#!/usr/bin/env bash
# A user's day with the toolbar and the note buttons, in four runs on one
# HOME so that every change is read back from the store after its run.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
start_x "$E2E_DIR/openbox-rc.xml"
new_home

body1=$'Shopping list\nmilk\neggs'
body2=$'Call Anna\nabout the TRIP\nSunday'

# copy_picked EXPECTED WHAT: "Copy note to clipboard" must put EXPECTED there.
copy_picked() {
    clip_set "(nothing copied yet)"
    click_note_button $BUT_TO_CLIP
    wait_clip "$1" 5 || fail "after 'Copy note to clipboard' the clipboard holds [$(clip_get)], expected the body of $2"
    pass "copied the body of $2"
}

# ---------------------------------------------------------------- run 1
step "run 1: add a note typed in the content box"
start_quillbox
click_content_box
type_text "$body1"
click_note_button $BUT_ADD
dlg=$(wait_window '^Insert note$' 5) || fail "no 'Insert note' box after 'Add new note'"
pass "the 'Insert note' box appeared"
focus_window "$dlg"
press_key ctrl+a
type_text "Groceries"
press_key Return
wait_no_window '^Insert note$' 5 || fail "the 'Insert note' box did not close on Return"

step "run 1: pick the title and copy its body"
# Empty the box first, so that only the pick can bring the body back.
click_note_button $BUT_CLEAR
rest_pointer
click_first_row
copy_picked "$body1" "the picked note"

step "run 1: add a note from the clipboard"
clip_set "$body2"
click_note_button $BUT_FROM_CLIP

step "run 1: exit through the exit icon"
click_icon $ICON_EXIT
expect_exit "$QBX_PID" 10 "the exit icon"
check_notes "Groceries" "$body1" "Call Anna" "$body2"

# ---------------------------------------------------------------- run 2
step "run 2: search for a word of the second body, typed in other case"
start_quillbox
click_search_field
type_text "trip"
click_search_button
rest_pointer
click_first_row
copy_picked "$body2" "the only match, note 2, in the first row"

step "run 2: show all notes again"
click_icon $ICON_SHOW_ALL
rest_pointer
click_first_row
copy_picked "$body1" "note 1, back in the first row"

step "run 2: delete the second note through the search listing"
click_search_button
rest_pointer
click_first_row
click_note_button $BUT_DELETE
close_main
check_notes "Groceries" "$body1"

# ---------------------------------------------------------------- run 3
step "run 3: flush all notes, answered with Cancel"
start_quillbox
click_icon $ICON_FLUSH
dlg=$(wait_window '^Flush all notes$' 5) || fail "no 'Flush all notes' box after the flush icon"
pass "the 'Flush all notes' box appeared"
focus_window "$dlg"
press_key Escape
wait_no_window '^Flush all notes$' 5 || fail "the 'Flush all notes' box did not close on Escape (Cancel)"

step "run 3: the About window holds the main window"
click_icon $ICON_ABOUT
about=$(wait_window '^About Quillbox$' 5) || fail "no 'About Quillbox' window after the About icon"
pass "the 'About Quillbox' window is visible"
# A click on the disabled main window must not add this text as a note.
clip_set "must not become a note"
click_note_button $BUT_FROM_CLIP
[[ -n $(visible_windows '^About Quillbox$') ]] ||
    fail "the About window went away after a click on the main window"
pass "the About window is still open after a click on the main window"
focus_window "$about"
click_at "$about" $((285 + 55)) $((235 + 10))
wait_no_window '^About Quillbox$' 5 || fail "the About window did not close with its OK button"
pass "the About window closed with OK"

step "run 3: exit through the exit icon once the About window is gone"
click_icon $ICON_EXIT
expect_exit "$QBX_PID" 10 "the exit icon after the About window"
check_notes "Groceries" "$body1"

# ---------------------------------------------------------------- run 4
step "run 4: flush all notes, answered with OK"
start_quillbox
click_icon $ICON_FLUSH
dlg=$(wait_window '^Flush all notes$' 5) || fail "no 'Flush all notes' box after the flush icon"
focus_window "$dlg"
press_key Return
wait_no_window '^Flush all notes$' 5 || fail "the 'Flush all notes' box did not close on Return (OK)"
close_main
check_notes
check_store general mainlistsize 8
check_store general maintextboxsize 8

e2e_done
