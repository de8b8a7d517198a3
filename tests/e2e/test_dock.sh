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

step "the About window is centred on the work area as if it began at the screen's corner"
click_icon $ICON_ABOUT
about=$(wait_window '^About Quillbox$' 5) || fail "no 'About Quillbox' window after the About icon"
wait_until 5 read_frame "$about" || fail "the About window got no frame"
# Centred in 1024 x 738 px from (0, 0): left (1024 - outer width) / 2,
# top (738 - 286) / 2 = 226; a half pixel may round either way.
about_ok() {
    read_frame "$about" || return 1
    local want_x2=$((1024 - FW))
    ((FH == 286)) && ((2 * FX - want_x2 >= -2 && 2 * FX - want_x2 <= 2)) && ((FY >= 225 && FY <= 227))
}
if ! wait_until 5 about_ok; then
    read_frame "$about"
    fail "the About window should be 286 px high at x=(1024-w)/2, y=226; it is $(frame_text)"
fi
pass "About window placed at $(frame_text)"

step "closing the About window by its close box gives the main window back"
wmctrl -i -c "$about" || fail "wmctrl could not close the About window"
wait_no_window '^About Quillbox$' 5 || fail "the About window did not close through the window manager"
pass "the About window closed"
click_icon $ICON_EXIT
expect_exit "$QBX_PID" 10 "the exit icon after closing the About window"

step "read the store"
check_notes "Buy stamps" $'Buy stamps\nand envelopes' "Call the bank" "Call the bank"

e2e_done
