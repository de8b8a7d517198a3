#!/usr/bin/env bash
# The keyboard alone: every note command by its key, the store read back.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc.xml"

step "type and add two notes, update and rename one, search, delete, quit"
start_quillbox
focus() { xdotool windowactivate "$QBX_WID" && wait_until 5 active_is "$QBX_WID"; }
focus
press_key Tab # from the title list to the text box
for body in First Second; do
    press_key ctrl+shift+n
    type_text "$body"
    press_key ctrl+n
    dialog "Insert note"
    answer Return
    focus
done
press_key shift+Tab Down Down # the title list, the second title
press_key Tab ctrl+End
type_text " edited"
press_key ctrl+s F2
dialog "Change title"
press_key ctrl+a && type_text "Renamed"
answer Return
focus
press_key ctrl+f && type_text "first" && press_key Return # the search field
press_key shift+Tab shift+Tab space Delete # the only title found, picked
press_key ctrl+q
expect_exit "$QBX_PID" 10 "Ctrl+Q"
check_notes Renamed "Second edited"
e2e_done
