#!/usr/bin/env bash
# Later starts: without its lock file a start says why and ends; a start
# beside the running copy, even one whose lock file was removed, brings its
# window to the front and ends; starts made
# while the running copy asks Retry or Cancel about a failed exit save bring
# its box to the front, show no second main window while it is up, and once it
# ends exactly one of them runs while the other hands over to it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin xmessage
start_x "$DIR/openbox-rc.xml"
mains() { xdotool search --onlyvisible --name "$MAIN" 2>/dev/null | wc -l; }
more_mains() { (($(mains) > 1)); }
ended() { not_alive "$1" || not_alive "$2"; }

step "a folder where the lock file goes: the start says so and ends with status 1"
(umask 077 && mkdir -p "$DB.lock") && launch && dialog quillbox && answer Return
wait_until 5 not_alive "$QBX_PID" || fail "the start did not end"
wait "$QBX_PID"
check_eq "exit status without the lock" "$?" 1
rmdir "$DB.lock" && start_quillbox && wait_until 5 test -s "$DB" || fail "no store within 5 s"
xmessage -title elsewhere "another program" >/dev/null 2>&1 &
PIDS+=("$!") && wait_window '^elsewhere$' 5 && OTHER=$FOUND
step "a start beside the running copy, its lock file removed, while another program has the keyboard"
xdotool windowactivate "$OTHER" && wait_until 5 active_is "$OTHER" || fail "another program got no keyboard"
rm "$DB.lock" && first=$QBX_PID && launch && expect_exit "$QBX_PID" 5 "a start beside the running copy"
wait_until 5 active_is "$QBX_WID" && pass "the main window came forward" || fail "the main window did not come forward"
QBX_PID=$first
for reply in Return Escape; do
    step "the store held at exit, then freed; two more starts while the box waits for $reply"
    rm -f "$T/hold" "$T/holder.log" && mkfifo "$T/hold"
    sqlite3 "$DB" <"$T/hold" >>"$T/holder.log" 2>&1 &
    holder=$! && PIDS+=("$!") && exec 4>"$T/hold"
    # The program keeps the store open, so the holder takes its write lock, not all of it.
    printf '%s\n' '.timeout 3000' 'BEGIN EXCLUSIVE;' "SELECT 'held';" >&4
    wait_until 5 grep -qx held "$T/holder.log" || fail "sqlite3 did not take the store within 5 s"
    wmctrl -i -c "$QBX_WID" && wait_window '^quillbox$' 10 && box=$FOUND
    exec 4>&- && wait_until 5 not_alive "$holder" || fail "sqlite3 did not let the store go"
    xdotool windowactivate "$OTHER" && wait_until 5 active_is "$OTHER" || fail "another program got no keyboard"
    first=$QBX_PID && launch && second=$QBX_PID && launch && third=$QBX_PID
    wait_until 5 active_is "$box" && pass "the box came forward" || fail "the box did not come forward"
    ! wait_until 2 more_mains || fail "a second main window showed beside the box"
    alive "$second" && alive "$third" && pass "both starts wait, with no window" || fail "a start ended"
    dialog quillbox && answer "$reply" && expect_exit "$first" 10 "the box was answered"
    wait_until 10 ended "$second" "$third" || fail "neither waiting start ended within 10 s"
    alive "$second" && handed=$third QBX_PID=$second || handed=$second QBX_PID=$third
    expect_exit "$handed" 1 "handing over"
    wait_window "$MAIN" 10 && QBX_WID=$FOUND && wait_until 10 read_frame "$QBX_WID" || fail "no framed main window"
    check_eq "visible main windows" "$(mains)" 1
done
close_main
e2e_done
