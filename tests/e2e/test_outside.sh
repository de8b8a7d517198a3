#!/usr/bin/env bash
# The notes outside the window: an import and an export with no display and
# no window, then through the running window, where an import is shown and
# stored at once and survives a kill; --toggle hiding and raising the window;
# the day's backup, a restore refused while the window runs and done after.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin
start_x "$DIR/openbox-rc.xml"
mkdir "$T/in" && printf 'Milk\neggs' >"$T/in/b.txt" && printf 'Call Anna\r\n' >"$T/in/a.txt"
printf '\xff\xfe' >"$T/in/c.txt" # no UTF-8: skipped, named
outside() { DISPLAY= "$QBX" "$@" >"$T/out.log" 2>&1; echo $?; }

step "with no display and no window: an import, then an export that gives the same files back"
check_eq "exit status of an import that skips a file" "$(outside --import "$T/in")" 1
grep -q 'c.txt' "$T/out.log" || fail "the skipped file is not named: $(<"$T/out.log")"
check_notes "Call Anna" $'Call Anna\r\n' Milk $'Milk\neggs'
check_eq "exit status of the export" "$(outside --export "$T/out")" 0
check_eq "the exported texts" "$(cat "$T"/out/*.txt | od -c)" "$(cat "$T"/in/[ab].txt | od -c)"
check_eq "an export into a folder of the user's" "$(outside --export "$T/in")" 2

step "through the running window: an import shown and stored at once, kept through a kill"
start_quillbox
check_eq "exit status of an import into the window" "$(outside --import "$T/out")" 0
wait_until 1 gives stored "$(notes "Call Anna" $'Call Anna\r\n' Milk $'Milk\neggs' "Call Anna" $'Call Anna\r\n' Milk $'Milk\neggs')$RUNNING" ||
    fail "the import is not stored within a second: $(stored)"
kill -KILL "$QBX_PID" && wait "$QBX_PID" 2>/dev/null
start_quillbox
check_eq "an export from the window" "$(outside --export "$T/out"; ls "$T/out" | grep -c txt)" $'0\n4'
state() { xprop -id "$QBX_WID" _NET_WM_STATE; }
xdotool windowactivate "$QBX_WID" && wait_until 5 active_is "$QBX_WID" && outside --toggle >/dev/null
wait_until 5 eval '[[ $(state) == *HIDDEN* ]]' || fail "--toggle did not minimise the active window: $(state)"
outside --toggle >/dev/null
wait_until 5 active_is "$QBX_WID" || fail "--toggle did not bring the window back"
pass "--toggle minimised the window, then raised it"

step "the day's backup; a restore refused while the window runs, done after"
backed_up() { backup=$(echo "${DB%/*}"/backups/settings-*.db) && [[ -f $backup ]]; }
wait_until 10 backed_up || fail "no backup within 10 s of the last write"
check_eq "the backup's mode" "$(stat -c %a "$backup" 2>&1)" 600
check_eq "a restore while the window runs" "$(outside --restore "$backup")" 2
close_main
taken=$(DB=$backup stored) && [[ $taken == *notetitle1* ]] || fail "the backup holds no notes: $taken"
check_eq "a restore" "$(outside --restore "$backup")" 0
check_eq "the notes restored" "$(stored)" "$taken"
check_eq "the store kept beside it" "$(ls "${DB%/*}" | grep -c before-restore)" 1
e2e_done
