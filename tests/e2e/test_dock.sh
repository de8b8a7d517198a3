#!/usr/bin/env bash
# Docking against the screen edges with a task bar along the top, and the
# widgets following the new height.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
start_x "$E2E_DIR/openbox-rc-topbar.xml"
new_home

step "the window manager keeps 30 px for a task bar"
wait_until 5 work_area || fail "no _NET_WORKAREA on the root window"
check_eq "work area (x y w h)" "$WA_X $WA_Y $WA_W $WA_H" "0 30 1024 738"

step "start"
start_quillbox
wait_until 5 frame_is "$QBX_WID" - - 180 - || true
read_frame "$QBX_WID"
check_eq "outer width after start, $(frame_text)" "$FW" 180

step "dock right"
click_icon $ICON_DOCK_RIGHT
if ! wait_until 5 frame_is "$QBX_WID" $((1024 - 180)) 0 180 738; then
    read_frame "$QBX_WID"
    fail "after dock right the frame should be x=844 y=0 w=180 h=738; it is $(frame_text)"
fi
pass "docked right: $(frame_text)"

step "the content box and the note buttons follow the new height"
click_content_box
type_text $'Buy stamps\nand envelopes'
click_note_button $BUT_ADD
dlg=$(wait_window '^Insert note$' 5) ||
    fail "no 'Insert note' box after clicking 'Add new note' at $((180 - 122 + 54 + 9)),$((738 - 68 + 9)) (layout for height 738)"
pass "the 'Insert note' box appeared"
focus_window "$dlg"
press_key ctrl+a
press_key ctrl+c
wait_clip "Buy stamps" 5 || fail "the 'Insert note' preset is [$(clip_get)], expected [Buy stamps]"
pass "the title offered is the first line of the body typed at the content box's new place"
press_key Return
wait_no_window '^Insert note$' 5 || fail "the 'Insert note' box did not close on Return"

step "dock left"
click_icon $ICON_DOCK_LEFT
if ! wait_until 5 frame_is "$QBX_WID" 0 0 180 738; then
    read_frame "$QBX_WID"
    fail "after dock left the frame should be x=0 y=0 w=180 h=738; it is $(frame_text)"
fi
pass "docked left: $(frame_text)"

step "clear the box and add a second note at the docked height"
click_note_button $BUT_CLEAR
click_content_box
type_text "Call the bank"
click_note_button $BUT_ADD
dlg=$(wait_window '^Insert note$' 5) || fail "no 'Insert note' box after the second 'Add new note'"
focus_window "$dlg"
press_key Return
wait_no_window '^Insert note$' 5 || fail "the 'Insert note' box did not close on Return"

step "close and read the store"
close_main
check_notes "Buy stamps" $'Buy stamps\nand envelopes' "Call the bank" "Call the bank"

e2e_done
