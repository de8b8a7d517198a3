#!/usr/bin/env bash
# Docking with a task bar along the top: the docked frame fills the work
# area's height, the widgets follow it, and About is centred in the work area.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc-topbar.xml"
check_eq "work area (x y w h)" "$(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)" "0 30 1024 738"

step "dock right, then add a note at the new height"
start_quillbox
click_icon $DOCK_RIGHT
expect_frame "$QBX_WID" 844 30 180 738 "docked right"
click_text_box
type_text $'Buy stamps\nand envelopes'
click_note_button $ADD
dialog "Insert note"
preset_is "Buy stamps"
answer Return

step "dock left; About centred in the work area"
click_icon $DOCK_LEFT
expect_frame "$QBX_WID" 0 30 180 738 "docked left"
click_icon $ABOUT
dialog "About Quillbox"
# Centred in the work area, each way to a pixel: x (1024 - w) / 2, y 30 + (738 - 286) / 2.
about_centred() { read_frame "$DLG" && ((FH == 286 && (2 * FX + FW - 1024) ** 2 <= 4 && (FY - 256) ** 2 <= 1)); }
wait_until 5 about_centred || { read_frame "$DLG"; fail "About should be 286 high at x=(1024-w)/2, y=256: $(frame_text)"; }
pass "About placed at $(frame_text)"

step "closing About through the window manager gives the main window back"
wmctrl -i -c "$DLG" || fail "wmctrl could not close the About window"
wait_gone '^About Quillbox$'
click_icon $EXIT
expect_exit "$QBX_PID" 10 "the exit icon after About"
check_notes "Buy stamps" $'Buy stamps\nand envelopes'

step "at a pixel ratio of 2 a docked frame still touches the edges, to the device pixel"
export QT_SCALE_FACTOR=2
start_quillbox
touches() { read_frame "$QBX_WID" && ((FY == 30 && FY + FH >= 768 && $1)); }
xdotool mousemove --window "$QBX_WID" 70 30 click 1 # the dock-right icon, in device pixels
wait_until 5 touches 'FX + FW == 1024' || fail "docked right at ratio 2: $(frame_text)"
pass "docked right at ratio 2: $(frame_text)"
xdotool mousemove --window "$QBX_WID" 30 30 click 1
wait_until 5 touches 'FX == 0' || fail "docked left at ratio 2: $(frame_text)"
pass "docked left at ratio 2: $(frame_text)"
e2e_done
