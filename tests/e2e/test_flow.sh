#!/usr/bin/env bash
# A user's day with the picture buttons under a panel along the top, in
# three runs on one HOME, each read back from the store; then docking at a
# pixel ratio of 2.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc-topbar.xml"
body1=$'Shopping list\nmilk\neggs'
body2=$'Call Anna\nabout the TRIP\n  Sunday 10:00\n'
search() { click_main 20 40 && type_text "$1" && click_main "FW - 25" 40; }

# copy_row N BODY: pick row N; "Copy note to clipboard" must put BODY there.
copy_row() {
    clip_set "(nothing copied yet)"
    click_row "$1"
    click_note_button $TO_CLIP
    wait_clip "$2" 5 || fail "row $1 copied [$(clip_get)], expected [$2]"
    pass "row $1 copied [${2%%$'\n'*}...]"
}

step "run 1: dock right, add a typed note, copy it, add one from the clipboard, rename it"
start_quillbox
click_icon $DOCK_RIGHT
expect_frame "$QBX_WID" "docked right in the work area" 'FX == 844 && FY == 30 && FW == 180 && FH == 738'
click_main 40 "FH - 142" # the text box, at its place for the docked height
type_text "$body1"
click_note_button $ADD
dialog "Insert note"
preset_is "Shopping list"
type_text "Groceries"
answer Return
click_note_button $CLEAR # only the pick can bring the body back now
copy_row 1 "$body1"
clip_set "$body2"
click_note_button $FROM_CLIP
click_row 2 2
dialog "Change title"
preset_is "Call Anna"
type_text "Weekend call"
answer Return
click_icon $EXIT
expect_exit "$QBX_PID" 10 "the exit icon"
check_notes Groceries "$body1" "Weekend call" "$body2"

step "run 2: search in another case, show all, delete a match; About holds the window"
start_quillbox
search trip
copy_row 1 "$body2"
click_icon $SHOW_ALL
copy_row 1 "$body1"
search ""
click_row 1
click_note_button $DELETE
click_icon $DOCK_LEFT
expect_frame "$QBX_WID" "docked left in the work area" 'FX == 0 && FY == 30 && FH == 738'
click_icon $ABOUT
dialog "About Quillbox"
expect_frame "$DLG" "About centred in the work area" \
    'FH == 286 && (2 * FX + FW - 1024) ** 2 <= 4 && (FY - 256) ** 2 <= 1'
clip_set "must not become a note"
click_note_button $FROM_CLIP # on the held main window
found '^About Quillbox$' || fail "the About window went away after a click on the main window"
click_at "$DLG" 340 245 # OK
wait_gone '^About Quillbox$'
click_icon $FLUSH
dialog "Flush all notes"
answer Escape
close_main
check_notes Groceries "$body1"

step "run 3: About closed through the window manager; flush answered with OK"
start_quillbox
click_icon $ABOUT
dialog "About Quillbox"
wmctrl -i -c "$DLG" && wait_gone '^About Quillbox$'
click_icon $FLUSH
dialog "Flush all notes"
answer Return
close_main
check_notes

step "at a pixel ratio of 2 a docked frame still touches the edges, to the device pixel"
export QT_SCALE_FACTOR=2
start_quillbox
xdotool mousemove --window "$QBX_WID" 70 30 click 1 # the dock-right icon, in device pixels
expect_frame "$QBX_WID" "docked right at ratio 2" 'FY == 30 && FY + FH >= 768 && FX + FW == 1024'
xdotool mousemove --window "$QBX_WID" 30 30 click 1
expect_frame "$QBX_WID" "docked left at ratio 2" 'FY == 30 && FY + FH >= 768 && FX == 0'
e2e_done
