#!/usr/bin/env bash
# A user's day on one HOME under a panel along the top, the store read back
# after every run: the picture buttons, the keyboard alone, docking at pixel
# ratios 1 and 2, and every way a run ends: exit icon, close box, Ctrl+Q,
# SIGTERM, SIGINT, and SIGKILL, which loses nothing, as every change is stored
# within a second, its undo step with it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc-topbar.xml"
body1=$'Shopping list\nmilk\neggs'
body2=$'Call Anna\nabout the TRIP\n  Sunday 10:00\n'
copy_row() { # N BODY: pick row N; "Copy note to clipboard" must put BODY there.
    clip_set "(nothing copied yet)"
    click_row "$1" && click_note_button $TO_CLIP
    wait_until 5 clip_is "$2" || fail "row $1 copied [$(clip_get)], expected [$2]"
    pass "row $1 copied [${2%%$'\n'*}...]"
}
kept() { stored && store_get general maintextboxsize; }

step "run 1, a first start: dock right, add a typed note, copy it, paste one, a font size, rename by double click, update; killed"
start_quillbox
click_icon $DOCK_RIGHT
expect_frame "$QBX_WID" "docked right in the work area" 'FX == 844 && FY == 30 && FW == 180 && FH == 738'
click_main 40 "FH - 142" && type_text "$body1" # the text box, at its place for the docked height
click_note_button $ADD && dialog "Insert note" && press_key ctrl+a ctrl+c # the title it offers
wait_until 5 clip_is "Shopping list" || fail "the box offers [$(clip_get)], not the text's first line"
type_text "Groceries" && answer Return
click_note_button $CLEAR # only the pick can bring the body back now
copy_row 1 "$body1"
clip_set "$body2" && click_note_button $FROM_CLIP
click_icon 6 && sleep 0.2 && press_key Down Down Down Return # the text box's "12 Pt"
click_row 2 2 && dialog "Change title"
type_text "Weekend call" && answer Return
click_row 1 && click_main 40 "FH - 142" && press_key ctrl+End && type_text $'\nbread'
click_note_button 1 && body1+=$'\nbread' # Update Note
both=(Groceries "$body1" "Weekend call" "$body2")
# Within a second the store holds the notes, the running mark and the text size; a SIGKILL keeps them.
want=$(notes "${both[@]}")$RUNNING$'\n'12#
wait_until 1 gives kept "$want" || fail "not stored within a second: $(kept)"
kill -KILL "$QBX_PID" && wait "$QBX_PID" 2>/dev/null
check_eq "notes and text size kept by a killed program" "$(kept)" "$want"

step "run 2: search in another case, show all, dock left; About closed by OK and by the window manager; flush cancelled; the exit icon"
start_quillbox
click_main 20 40 && type_text trip && click_main "FW - 25" 40 && copy_row 1 "$body2" # search
click_icon $SHOW_ALL && copy_row 1 "$body1"
click_icon $DOCK_LEFT
expect_frame "$QBX_WID" "docked left in the work area" 'FX == 0 && FY == 30 && FH == 738'
click_icon $ABOUT && dialog "About Quillbox"
expect_frame "$DLG" "About centred in the work area" \
    'FH == 286 && (2 * FX + FW - 1024) ** 2 <= 4 && (FY - 256) ** 2 <= 1'
click_at "$DLG" 340 245 && wait_gone '^About Quillbox$' # OK
click_icon $ABOUT && dialog "About Quillbox"
wmctrl -i -c "$DLG" && wait_gone '^About Quillbox$'
click_icon $FLUSH && dialog "Flush all notes" && answer Escape
click_icon $EXIT && expect_exit "$QBX_PID" 10 "the exit icon"
check_notes "${both[@]}"
check_eq "font sizes" "$(store_get general mainlistsize)$(store_get general maintextboxsize)" "8#12#"
check_eq "modes of the store and its folder" "$(stat -c %a "$DB" "${DB%/*}" | xargs)" "600 700"

step "run 3, at a pixel ratio of 2: docked frames touch the edges; SIGTERM"
QT_SCALE_FACTOR=2 start_quillbox
xdotool mousemove --window "$QBX_WID" 70 30 click 1 # the dock-right icon, in device pixels
expect_frame "$QBX_WID" "docked right at ratio 2" 'FY == 30 && FY + FH >= 768 && FX + FW == 1024'
xdotool mousemove --window "$QBX_WID" 30 30 click 1
expect_frame "$QBX_WID" "docked left at ratio 2" 'FY == 30 && FY + FH >= 768 && FX == 0'
kill -TERM "$QBX_PID" && expect_exit "$QBX_PID" 10 "SIGTERM"
check_notes "${both[@]}"

step "run 4: flush with OK; the close box"
start_quillbox
click_icon $FLUSH && dialog "Flush all notes" && answer Return
close_main
check_notes

step "run 5, the keyboard alone: type and add two notes, update and rename one, search, delete, Ctrl+Q"
start_quillbox
focus() { xdotool windowactivate "$QBX_WID" && wait_until 5 active_is "$QBX_WID"; }
focus && press_key Tab # from the title list to the text box
for body in First Second; do
    press_key ctrl+shift+n && type_text "$body" && press_key ctrl+n
    dialog "Insert note" && answer Return && focus
done
press_key shift+Tab Down Down Tab ctrl+End # the second title, then its text
type_text " edited"
press_key ctrl+s F2 && dialog "Change title"
press_key ctrl+a && type_text "Renamed"
answer Return && focus
press_key ctrl+f && type_text "first" && press_key Return # the search field
press_key shift+Tab shift+Tab space Delete # the only title found, picked
press_key ctrl+q && expect_exit "$QBX_PID" 10 "Ctrl+Q"
check_notes Renamed "Second edited"

step "run 6: a note deleted with its button, killed; the next start undoes it from the keyboard; SIGINT"
start_quillbox
click_row 1 && click_note_button $DELETE
wait_until 1 gives stored "$(notes "Second edited")$RUNNING" || fail "the delete is not stored: $(stored)"
kill -KILL "$QBX_PID" && wait "$QBX_PID" 2>/dev/null
start_quillbox
focus && press_key ctrl+alt+z
wait_until 3 gives stored "$(notes Renamed "Second edited")$RUNNING" || fail "the undo is not stored: $(stored)"
kill -INT "$QBX_PID" && expect_exit "$QBX_PID" 10 "SIGINT"
check_notes Renamed "Second edited"

e2e_done
