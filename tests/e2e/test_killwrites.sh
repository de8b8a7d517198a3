#!/usr/bin/env bash
# Killed at each write and sync that the delete of the first of 5 notes makes
# to the store, by strace at that call of the thread making it: every time the
# store, opened as the next start opens it, is sound and holds exactly the
# notes before the delete or after it, never a mix of the two.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin strace
start_x "$DIR/openbox-rc.xml"
# The store, its journal or log, and its folder (synced to keep a new journal's
# name); not the -shm beside a log, an index the next start rebuilds itself.
FOLDER=$(realpath -m "$(dirname "$DB")") BINARY=$(realpath "$QBX")
FILES=(-P "$FOLDER" -P "$FOLDER/settings.db" -P "$FOLDER/settings.db-journal" -P "$FOLDER/settings.db-wal")

# run_traced LOG [INJECTION]: the program (QBX_PID) under strace, logging the
# store's writes and syncs (pwrite where the machine has it) with thread and
# time; TRACER, a subshell, ends as strace does, and tells of the kill in a log.
run_traced() {
    (strace -f -q -ttt -o "$T/$1" -e trace='?pwrite,pwrite64,write,fsync,fdatasync' ${2:+-e "inject=$2"} \
        "${FILES[@]}" "$QBX" & echo $! >"$T/$1.pid" && wait $!) >>"$T/quillbox.log" 2>&1 &
    TRACER=$! && PIDS+=("$!")
    wait_until 5 traced "$T/$1.pid" && PIDS+=("$QBX_PID" "$STRACE") || fail "strace did not start the program"
    wait_window "$MAIN" 15 && QBX_WID=$FOUND
    wait_until 10 read_frame "$QBX_WID" || fail "the window manager did not frame the main window within 10 s"
}
# traced PIDFILE: strace (STRACE, read from the file) has started the program
# (QBX_PID), told by what it runs from the children that only probe the kernel.
traced() {
    local pid && QBX_PID= && [[ -s $1 ]] && STRACE=$(<"$1") || return 1
    for pid in $(<"/proc/$STRACE/task/$STRACE/children"); do
        [[ $(readlink "/proc/$pid/exe") == "$BINARY" ]] && QBX_PID=$pid
    done 2>/dev/null
    [[ -n $QBX_PID ]]
}
delete_first() { CLICK=${EPOCHREALTIME/./} && click_row 1 && click_note_button $DELETE; }
killed() { wait "$TRACER" 2>/dev/null; [[ $? == 137 ]]; } # as strace ends after a SIGKILL of the program
# calls LOG: "THREAD MICROSECONDS NAME" for each call logged, in order.
calls() { sed -nE 's/^([0-9]+) +([0-9]+)\.([0-9]{6}) ([a-z0-9_]+)\(.*/\1 \2\3 \4/p' "$T/$1"; }
# kept: the notes in a copy of the store opened to write, where SQLite rolls
# back a hot journal or recovers the log as the next start does (a read-only
# open cannot), leaving the store as the kill left it; nothing unless sound.
kept() {
    rm -rf "$T/copy" && cp -a "$FOLDER" "$T/copy" || fail "could not copy the store"
    [[ $(sqlite3 -batch "$T/copy/settings.db" 'PRAGMA integrity_check') == ok ]] && DB=$T/copy/settings.db stored
}

step "a store of 5 short notes, made by the program, as a killed run leaves it"
start_quillbox && close_main # the program's own schema and journal mode
# The running mark left in it spares the start a write, whose calls strace
# would count with the writer thread's of the same name.
seed=() rows="('$APP', 'general', 'notetotal', '5'), ('$APP', 'notes', 'temp', '-')"
for k in 1 2 3 4 5; do
    seed+=("Note $k" "text $k")
    rows+=", ('$APP', 'notes', 'notetitle$k', 'Note $k'), ('$APP', 'notes', 'notecontent$k', 'text $k')"
done
sqlite3 "$DB" "INSERT OR REPLACE INTO settings VALUES $rows" || fail "could not seed the store"
before=$(notes "${seed[@]}")$RUNNING after=$(notes "${seed[@]:2}")$RUNNING
cp -a "$FOLDER" "$T/seed"
fresh() { rm -rf "$FOLDER" && cp -a "$T/seed" "$FOLDER"; }

step "counting the writes and syncs of the delete to the store, per thread"
fresh && run_traced count.log
delete_first
wait_until 5 gives stored "$after" || fail "the delete is not stored within 5 s: $(stored)"
kill -KILL "$QBX_PID" && killed || fail "the counting run did not end by SIGKILL"
check_eq "killed after the delete, the store holds the notes after it" "$(kept)" "$after"
# Each call of the delete is a kill point NAME:N, the Nth call of NAME in its
# thread as strace counts them; a thread making as many of NAME would be killed instead.
read -ra points < <(calls count.log | awk -v click="$CLICK" '
    { n = ++count[$1 " " $3]; threads[$1] }
    $2 >= click { point[++p] = $3 ":" n; thread[p] = $1; name[p] = $3; nth[p] = n }
    END {
        for (i = 1; i <= p; i++)
            for (t in threads) if (t != thread[i] && count[t " " name[i]] >= nth[i]) clash = clash " " point[i]
        if (clash) print "clash at" clash; else { for (i = 1; i <= p; i++) printf "%s ", point[i]; print "" }
    }')
[[ ${points[0]:-} != clash ]] || fail "another thread makes as many of the same calls, ${points[*]}"
((${#points[@]} > 0)) || fail "the delete made no write or sync of the store"
pass "${#points[@]} calls of the delete to kill at: ${points[*]}"

step "killed at each of them"
left_before=0 left_after=0
for ((i = 1; i <= ${#points[@]}; i++)); do
    at=${points[i - 1]} && wait_until 5 gone "$MAIN" || fail "the last run's window is still there"
    fresh && run_traced "kill$i.log" "${at%:*}:signal=KILL:when=${at#*:}"
    delete_first
    wait_until 5 not_alive "$TRACER" && killed || fail "the program was not killed at call $i, $at"
    reached=$(calls "kill$i.log" | awk -v click="$CLICK" '$2 >= click { n++; last = $3 } END { print n + 0, last }')
    [[ $reached == "$i ${at%:*}" ]] || fail "killed at call $i, $at, the delete had made calls [$reached]"
    now=$(kept) || fail "killed at call $i, $at, the store is damaged"
    if [[ $now == "$before" ]]; then left_before=$((left_before + 1))
    elif [[ $now == "$after" ]]; then left_after=$((left_after + 1))
    else fail "killed at call $i, $at, the store holds neither the notes before the delete nor after: $now"; fi
done
pass "${#points[@]} kill points checked: $left_before left the notes before the delete, $left_after after it"
e2e_done
