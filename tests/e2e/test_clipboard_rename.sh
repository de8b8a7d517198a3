#!/usr/bin/env bash
# A note made from a multi-line clipboard text, then renamed by a double
# click on its title.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
start_x "$E2E_DIR/openbox-rc.xml"
new_home

body=$'Weekly plan\nMonday: gym\n  Tuesday: read\n'
new_title="Plans for the week"

step "add a note from the clipboard"
start_quillbox
clip_set "$body"
click_note_button $BUT_FROM_CLIP

step "double-click the new title"
rest_pointer
click_first_row 2
dlg=$(wait_window '^Change title$' 5) || fail "no 'Change title' box appeared after a double click on the first title"
pass "the 'Change title' box appeared"
check_eq "no 'Insert note' box was asked for the clipboard note" "$(visible_windows '^Insert note$' | wc -l)" 0
focus_window "$dlg"

step "the rename box offers the old title"
# Copy the preset answer out of the box to read it.
press_key ctrl+a
press_key ctrl+c
wait_clip "Weekly plan" 5 || fail "the rename box's preset is [$(clip_get)], expected [Weekly plan]"
pass "the rename box's preset is the first line of the clipboard text"

step "type the new title"
press_key ctrl+a
type_text "$new_title"
press_key Return
wait_no_window '^Change title$' 5 || fail "the 'Change title' box did not close on Return"
pass "the 'Change title' box closed"

step "close and read the store"
close_main
check_notes "$new_title" "$body"

e2e_done
