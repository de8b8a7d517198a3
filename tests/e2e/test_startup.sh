#!/usr/bin/env bash
# Start-up and the three ways a run ends: closing the window, a termination
# signal, and a second start that only hands over to the running one.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
start_x "$E2E_DIR/openbox-rc.xml"
new_home

step "first start on an empty store"
start_quillbox
check_eq "main window title" "$(xdotool getwindowname "$QBX_WID")" "Quillbox 1.20"
# The frame's size settles once the window manager has framed the window.
wait_until 5 frame_is "$QBX_WID" - - 180 - || true
read_frame "$QBX_WID"
check_eq "outer (frame) width after start, $(frame_text)" "$FW" 180
if ((FH >= 300)); then pass "outer height $FH is at least 300"; else fail "outer height $FH is below 300"; fi

step "closing the first run through the window manager"
close_main
check_store general notetotal 0
check_store general mainlistsize 8
check_store general maintextboxsize 8
check_eq "keys of the notes section after an empty run" "$(store_keys notes)" ""
check_eq "mode of the store file" "$(stat -c %a "$DB")" 600
check_eq "mode of the store folder" "$(stat -c %a "$STORE_DIR")" 700
check_eq "visible main windows after the end" "$(visible_windows "$MAIN_TITLE_RE" | wc -l)" 0

step "SIGTERM saves the notes"
store_put general notetotal 2
store_put notes notetitle1 "Dentist"
store_put notes notecontent1 $'Tuesday 9:30\nbring the card'
store_put notes notetitle2 "Books"
store_put notes notecontent2 "  two blanks lead this"
start_quillbox
# While the program runs, the load has marked the notes section.
wait_until 5 store_has notes temp || fail "the running program did not write notes/temp at load"
check_store notes temp "-"
kill -TERM "$QBX_PID"
expect_exit "$QBX_PID" 10 "SIGTERM"
check_notes "Dentist" $'Tuesday 9:30\nbring the card' "Books" "  two blanks lead this"

step "a second start hands over to the running program"
start_quillbox
first_pid=$QBX_PID
first_wid=$QBX_WID
t0=$(now_ms)
launch_quillbox
second_pid=$QBX_PID
wait_exit "$second_pid" 10 || fail "the second start did not end within 10 s"
t1=$(now_ms)
check_eq "exit status of the second start" "$EXIT_STATUS" 0
echo "   second start ended after $((t1 - t0)) ms"
if ((t1 - t0 < 5000)); then pass "the second start ended within 5 s"; else fail "the second start took $((t1 - t0)) ms"; fi
check_eq "visible main windows while the first runs" "$(visible_windows "$MAIN_TITLE_RE" | wc -l)" 1
alive "$first_pid" || fail "the first program ended when the second started"
pass "the first program still runs"
# A save by the second process would have removed the load's mark.
check_store notes temp "-"

QBX_PID=$first_pid
QBX_WID=$first_wid
close_main
check_notes "Dentist" $'Tuesday 9:30\nbring the card' "Books" "  two blanks lead this"
check_store general mainlistsize 8
check_store general maintextboxsize 8

e2e_done
