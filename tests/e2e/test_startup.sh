#!/usr/bin/env bash
# Start-up and the three ways a run ends: closing the window, a termination
# signal, and a second start that only hands over to the running one.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc.xml"

step "first start on an empty store"
start_quillbox
check_eq "main window title" "$(xdotool getwindowname "$QBX_WID")" "Quillbox 1.20"
expect_frame "$QBX_WID" "framed 180 wide, at least 300 high" 'FW == 180 && FH >= 300'
close_main
check_notes
check_eq "the running mark, removed by a clean end" "$(store_get notes temp)" ""
check_eq "sizes" "$(store_get general mainlistsize)$(store_get general maintextboxsize)" "8#8#"
check_eq "modes of the store and its folder" "$(stat -c %a "$DB" "${DB%/*}" | xargs)" "600 700"

step "seeded notes come back, and SIGTERM saves them"
notes=(Dentist $'Tuesday 9:30\nbring the card' Books "  two blanks lead this")
for k in 1 2; do
    store_put notes "notetitle$k" "${notes[2 * k - 2]}" && store_put notes "notecontent$k" "${notes[2 * k - 1]}"
done
store_put general notetotal 2
start_quillbox
# The load marks the notes section while the program runs; a save removes it.
check_store notes temp "-"
kill -TERM "$QBX_PID"
expect_exit "$QBX_PID" 10 "SIGTERM"
check_notes "${notes[@]}"

step "a second start hands over to the running program"
start_quillbox
first_pid=$QBX_PID
launch
expect_exit "$QBX_PID" 5 "the second start"
found "$MAIN" && check_eq "visible main windows" "$(xdotool search --onlyvisible --name "$MAIN" | wc -l)" 1
check_store notes temp "-"
QBX_PID=$first_pid
close_main
check_notes "${notes[@]}"
e2e_done
