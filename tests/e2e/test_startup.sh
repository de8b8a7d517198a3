#!/usr/bin/env bash
# Start-up and the three ways a run ends: closing the window, a termination
# signal, and a second start that only hands over to the running one.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc.xml"

step "first start on an empty store"
start_quillbox
check_eq "main window title" "$(xdotool getwindowname "$QBX_WID")" "Quillbox 1.20"
expect_frame "$QBX_WID" - - 180 - "outer width once framed"
((FH >= 300)) || fail "outer height $FH is below 300"
pass "outer height $FH is at least 300"
close_main
check_notes
check_store general mainlistsize 8
check_store general maintextboxsize 8
check_eq "mode of the store file" "$(stat -c %a "$DB")" 600
check_eq "mode of the store folder" "$(stat -c %a "${DB%/*}")" 700

step "seeded notes come back, and SIGTERM saves them"
notes=(Dentist $'Tuesday 9:30\nbring the card' Books "  two blanks lead this")
store_put general notetotal 2
store_put notes notetitle1 "${notes[0]}"
store_put notes notecontent1 "${notes[1]}"
store_put notes notetitle2 "${notes[2]}"
store_put notes notecontent2 "${notes[3]}"
start_quillbox
# The load marks the notes section while the program runs; a save removes it.
wait_until 5 store_has notes temp || fail "the running program did not write notes/temp"
check_store notes temp "-"
kill -TERM "$QBX_PID"
expect_exit "$QBX_PID" 10 "SIGTERM"
check_notes "${notes[@]}"

step "a second start hands over to the running program"
start_quillbox
first_pid=$QBX_PID
launch
expect_exit "$QBX_PID" 5 "the second start"
check_eq "visible main windows" "$(windows "$MAIN" | wc -l)" 1
check_store notes temp "-"
QBX_PID=$first_pid
close_main
check_notes "${notes[@]}"
e2e_done
