#!/usr/bin/env bash
# Start-up time, memory and close time of Quillbox against the floor of any
# Qt Widgets program.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build-perf, 7)
#
# BUILD_DIR must hold src/quillbox and bench/floor_empty, floor_label and
# floor_list (cmake --build BUILD_DIR --target quillbox floor_empty floor_label
# floor_list).
#
# Every run of every program gets a fresh Xvfb with openbox and a fresh HOME.
#   start: from the exec to the moment its window is visible (polled every 10 ms)
#   Pss:   /proc/PID/smaps_rollup at that moment
#   close: from asking the window manager to close the window until the
#          process has ended (for Quillbox: the save included)
# The programs take turns inside each round, so a burst of load elsewhere on
# the machine spreads over all of them. Prints medians with min and max, and
# the ratios against the targets; it never fails on a miss.
#
# COMPARE="name=/path/to/quillbox ..." adds other builds of Quillbox (an
# older commit, a build with one optimisation taken out) as the programs
# name_empty and name_500, measured side by side with this one.

set -u

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build-perf}
RUNS=${2:-7}
NOTES=500
BODY_CHARS=10240

PIDS=()
TMPDIRS=()
XPID=""
XNO=""

cleanup() {
    local i pid
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        pid=${PIDS[i]}
        if kill -0 "$pid" 2>/dev/null; then
            kill -TERM "$pid" 2>/dev/null
            for _ in {1..100}; do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.02
            done
            kill -KILL "$pid" 2>/dev/null
        fi
        wait "$pid" 2>/dev/null
    done
    PIDS=()
    if [[ -n $XNO && -n $XPID && -e /tmp/.X$XNO-lock ]] &&
        [[ $(tr -d ' \n' <"/tmp/.X$XNO-lock" 2>/dev/null) == "$XPID" ]]; then
        rm -f "/tmp/.X$XNO-lock" "/tmp/.X11-unix/X$XNO"
    fi
    XPID=""
    XNO=""
}

cleanup_all() {
    cleanup
    local d
    for d in "${TMPDIRS[@]}"; do
        [[ -n $d && -d $d ]] && rm -rf -- "$d"
    done
}
trap cleanup_all EXIT
trap 'exit 2' INT TERM HUP

die() {
    echo "startup.sh: $*" >&2
    exit 1
}

for tool in Xvfb openbox xdotool wmctrl xdpyinfo sqlite3; do
    command -v "$tool" >/dev/null || die "the tool $tool is not installed"
done
QBX=$BUILD/src/quillbox
FLOOR_EMPTY=$BUILD/bench/floor_empty
FLOOR_LIST=$BUILD/bench/floor_list
FLOOR_LABEL=$BUILD/bench/floor_label
for bin in "$QBX" "$FLOOR_EMPTY" "$FLOOR_LABEL" "$FLOOR_LIST"; do
    [[ -x $bin ]] || die "$bin is missing; build the targets quillbox floor_empty floor_label floor_list"
done

unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# No desktop session here: keep every program from waiting on a bus.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/quillbox-bench
export NO_AT_BRIDGE=1

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qbx-bench.XXXXXX") || die "mktemp"
TMPDIRS+=("$WORK")

now_us() {
    local t=${EPOCHREALTIME/./}
    echo "$t"
}

alive() {
    local st
    [[ -r /proc/$1/stat ]] || return 1
    read -r _ _ st _ <"/proc/$1/stat" 2>/dev/null || return 1
    [[ $st != Z && $st != X ]]
}

# ------------------------------------------------------------ the seeded store

# seed FILE BODY_CHARS: 500 notes with bodies of that many characters.
seed() {
    {
        echo "PRAGMA page_size = 4096;"
        echo "PRAGMA encoding = 'UTF-16le';"
        echo "CREATE TABLE settings (app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL,"
        echo "  value TEXT NOT NULL, PRIMARY KEY (app, section, key)) WITHOUT ROWID;"
        echo "PRAGMA user_version = 1;"
        echo "BEGIN;"
        echo "INSERT INTO settings VALUES ('qbxlm120', 'general', 'notetotal', '$NOTES');"
        echo "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < $NOTES)"
        echo "INSERT INTO settings SELECT 'qbxlm120', 'notes', 'notetitle' || k, 'Note ' || k FROM n;"
        echo "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < $NOTES)"
        echo "INSERT INTO settings SELECT 'qbxlm120', 'notes', 'notecontent' || k,"
        echo "  substr(hex(randomblob($2 / 2)), 1, $2) FROM n;"
        echo "COMMIT;"
    } | sqlite3 "$1" || die "could not seed $1"
    [[ $(sqlite3 "$1" "SELECT count(*) FROM settings WHERE key LIKE 'notecontent%' AND length(value) = $2") == "$NOTES" ]] ||
        die "the seeded store does not hold $NOTES notes of $2 characters"
}
seed "$WORK/seeded.db" 10240
seed "$WORK/seeded64.db" 65536
# The store after a flush of 500 notes of 64 KB: no notes, and the flush's
# step in the undo history, 64 MB that the start must not read.
{
    echo "PRAGMA page_size = 4096; PRAGMA encoding = 'UTF-16le';"
    echo "CREATE TABLE settings (app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL,"
    echo "  value TEXT NOT NULL, PRIMARY KEY (app, section, key)) WITHOUT ROWID;"
    echo "CREATE TABLE history (step INTEGER PRIMARY KEY, undone INTEGER NOT NULL,"
    echo "  label TEXT NOT NULL, at INTEGER NOT NULL, size INTEGER NOT NULL, dropped TEXT,"
    echo "  removed BLOB NOT NULL, inserted BLOB NOT NULL);"
    echo "PRAGMA user_version = 1;"
    echo "INSERT INTO settings VALUES ('qbxlm120', 'general', 'notetotal', '0');"
    echo "INSERT INTO history VALUES (1, 0, 'Flushed 500 note(s).', 0, 500 * 65536, NULL,"
    echo "  randomblob(500 * 65536 * 2), x'00000000');"
} | sqlite3 "$WORK/flushed64.db" || die "could not seed $WORK/flushed64.db"

# ------------------------------------------------------------ X and openbox

start_x() {
    local n=$((100 + RANDOM % 400)) tries pid
    for ((tries = 0; tries < 40; tries++)); do
        n=$((n + 1))
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -noreset -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
        pid=$!
        PIDS+=("$pid")
        local ready=0
        for _ in {1..500}; do
            alive "$pid" || break
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                ready=1
                break
            fi
            sleep 0.01
        done
        if ((ready)); then
            XPID=$pid
            XNO=$n
            export DISPLAY=":$n"
            break
        fi
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        unset 'PIDS[-1]'
        PIDS=("${PIDS[@]}")
    done
    [[ -n $XPID ]] || die "no X server could be started"
    local wmhome
    wmhome=$(mktemp -d "$WORK/wm.XXXXXX") || die "mktemp"
    HOME=$wmhome XDG_CONFIG_HOME=$wmhome openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    PIDS+=("$!")
    for _ in {1..1000}; do
        wmctrl -m 2>/dev/null | grep -q '^Name: Openbox' && return 0
        sleep 0.01
    done
    die "openbox did not start on $DISPLAY"
}

# ------------------------------------------------------------ one measured run

# measure NAME BINARY TITLE_REGEX SEED: sets START_MS PSS_KB CLOSE_MS.
measure() {
    local name=$1 bin=$2 title=$3 seed=$4 home wid="" t0 t1 t2 pid
    start_x
    home=$(mktemp -d "$WORK/home.XXXXXX") || die "mktemp"
    mkdir -m 700 "$home/.config" "$home/run"
    if [[ $seed != none ]]; then
        mkdir -m 700 "$home/.config/quillbox"
        cp "$WORK/$seed.db" "$home/.config/quillbox/settings.db"
        chmod 600 "$home/.config/quillbox/settings.db"
        # On disk, as a save of Quillbox's own leaves it; otherwise the first
        # sync at start would write out the whole fresh copy.
        sync "$home/.config/quillbox/settings.db"
    fi
    # Read the binary and its libraries once, so no run pays for a cold disk.
    cat "$bin" >/dev/null

    t0=$(now_us)
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run "$bin" >"$WORK/$name.log" 2>&1 &
    pid=$!
    PIDS+=("$pid")
    for _ in {1..3000}; do
        wid=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1)
        [[ -n $wid ]] && break
        alive "$pid" || break
        sleep 0.01
    done
    t1=$(now_us)
    [[ -n $wid ]] || die "$name: no window '$title' appeared (see $WORK/$name.log)"
    PSS_KB=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")
    START_MS=$(((t1 - t0) / 1000))

    t2=$(now_us)
    wmctrl -i -c "$wid" || die "$name: wmctrl could not close the window"
    local ended=0
    for _ in {1..20000}; do
        if ! alive "$pid"; then
            ended=1
            break
        fi
        sleep 0.001
    done
    local t3
    t3=$(now_us)
    ((ended)) || die "$name: the process did not end within 20 s of the close"
    wait "$pid" 2>/dev/null
    CLOSE_MS=$(((t3 - t2) / 1000))
    cleanup
    rm -rf -- "$home"
}

# ------------------------------------------------------------ figures

median() { tr ' ' '\n' <<<"$*" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
minimum() { tr ' ' '\n' <<<"$*" | sort -n | head -n 1; }
maximum() { tr ' ' '\n' <<<"$*" | sort -n | tail -n 1; }

PROGRAMS=(floor_empty floor_label floor_list quillbox_empty quillbox_500 quillbox_500x64
    quillbox_flushed64)
declare -A BIN=([floor_empty]=$FLOOR_EMPTY [floor_label]=$FLOOR_LABEL [floor_list]=$FLOOR_LIST)
declare -A TITLE=([floor_empty]='^Floor empty$' [floor_label]='^Floor label$' [floor_list]='^Floor list$')
declare -A SEED=([floor_empty]=none [floor_label]=none [floor_list]=none)
# name BINARY: Quillbox's programs, one a seeded store.
quillboxes() {
    local store
    for store in empty:none 500:seeded 500x64:seeded64 flushed64:flushed64; do
        BIN[${1}_${store%%:*}]=$2 TITLE[${1}_${store%%:*}]='^Quillbox 1\.20$' SEED[${1}_${store%%:*}]=${store#*:}
    done
}
quillboxes quillbox "$QBX"
for entry in ${COMPARE:-}; do
    name=${entry%%=*}
    [[ -x ${entry#*=} ]] || die "COMPARE: ${entry#*=} is not an executable"
    quillboxes "$name" "${entry#*=}"
    PROGRAMS+=("${name}_empty" "${name}_500" "${name}_500x64")
done
# ONLY="floor_list quillbox_500 ...": just these, to save time.
[[ -n ${ONLY:-} ]] && read -ra PROGRAMS <<<"$ONLY"
declare -A STARTS PSSES CLOSES

echo "startup.sh: $RUNS runs of ${PROGRAMS[*]} ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
for ((run = 1; run <= RUNS; run++)); do
    for p in "${PROGRAMS[@]}"; do
        measure "$p" "${BIN[$p]}" "${TITLE[$p]}" "${SEED[$p]}"
        STARTS[$p]+="$START_MS "
        PSSES[$p]+="$PSS_KB "
        CLOSES[$p]+="$CLOSE_MS "
    done
    echo "  round $run done"
done

declare -A MED_START MED_PSS MED_CLOSE
echo
printf '%-16s %22s %26s %22s\n' program "start ms med (min-max)" "Pss MB med (min-max)" "close ms med (min-max)"
for p in "${PROGRAMS[@]}"; do
    MED_START[$p]=$(median ${STARTS[$p]})
    MED_PSS[$p]=$(median ${PSSES[$p]})
    MED_CLOSE[$p]=$(median ${CLOSES[$p]})
    printf '%-16s %8d (%5d-%5d) %12.1f (%5.1f-%5.1f) %8d (%5d-%5d)\n' "$p" \
        "${MED_START[$p]}" "$(minimum ${STARTS[$p]})" "$(maximum ${STARTS[$p]})" \
        "$(awk -v k="${MED_PSS[$p]}" 'BEGIN { print k / 1024 }')" \
        "$(awk -v k="$(minimum ${PSSES[$p]})" 'BEGIN { print k / 1024 }')" \
        "$(awk -v k="$(maximum ${PSSES[$p]})" 'BEGIN { print k / 1024 }')" \
        "${MED_CLOSE[$p]}" "$(minimum ${CLOSES[$p]})" "$(maximum ${CLOSES[$p]})"
done

# verdict WHAT VALUE LIMIT UNIT (nothing for a program not measured)
verdict() {
    [[ -n $2 ]] || return 0
    awk -v what="$1" -v v="$2" -v lim="$3" -v unit="$4" 'BEGIN {
        printf "  %-52s %8.2f %-4s limit %8.2f %-4s %s\n", what, v, unit, lim, unit, (v <= lim ? "met" : "MISSED")
    }'
}

# ratio A B: A's median start over B's; extra A B: A's Pss over B's, in MB.
ratio() { [[ -n ${MED_START[$1]:-} && -n ${MED_START[$2]:-} ]] && awk -v a="${MED_START[$1]}" -v b="${MED_START[$2]}" 'BEGIN { print a / b }'; }
extra() { [[ -n ${MED_PSS[$1]:-} && -n ${MED_PSS[$2]:-} ]] && awk -v a="${MED_PSS[$1]}" -v b="${MED_PSS[$2]}" 'BEGIN { print (a - b) / 1024 }'; }

echo
echo "Targets (medians):"
verdict "empty store: start / floor_empty start" \
    "$(ratio quillbox_empty floor_empty)" 1.2 x
verdict "empty store: Pss - floor_empty Pss" \
    "$(extra quillbox_empty floor_empty)" 4 MB
verdict "500 notes of 10 KB: start / floor_list start" \
    "$(ratio quillbox_500 floor_list)" 1.1 x
verdict "500 notes of 10 KB: Pss - floor_list Pss" \
    "$(extra quillbox_500 floor_list)" 15 MB
verdict "500 notes of 10 KB: close, save included" "${MED_CLOSE[quillbox_500]:-}" 100 ms
verdict "500 notes of 64 KB: start / floor_list start" \
    "$(ratio quillbox_500x64 floor_list)" 1.2 x
verdict "500 notes of 64 KB: Pss - floor_list Pss" \
    "$(extra quillbox_500x64 floor_list)" 20 MB
verdict "after a flush of 500 notes of 64 KB: start / floor_list start" \
    "$(ratio quillbox_flushed64 floor_list)" 1.2 x
verdict "after a flush of 500 notes of 64 KB: Pss - floor_list Pss" \
    "$(extra quillbox_flushed64 floor_list)" 20 MB

# against A B: start ratio and Pss difference of program A against program B.
against() {
    [[ -n ${MED_START[$1]:-} && -n ${MED_START[$2]:-} ]] || return 0
    awk -v a="${MED_START[$1]}" -v b="${MED_START[$2]}" \
        -v c="${MED_PSS[$1]}" -v d="${MED_PSS[$2]}" \
        'BEGIN { printf "  start %.2f x, Pss %+.2f MB\n", a / b, (c - d) / 1024 }'
}

echo
echo "For reference, what one line of text costs any window (floor_label against floor_empty):"
against floor_label floor_empty
echo "and what a list and a text box cost any window (floor_list against floor_empty):"
against floor_list floor_empty
echo "and Quillbox with no notes against that list window (quillbox_empty against floor_list):"
against quillbox_empty floor_list
for entry in ${COMPARE:-}; do
    for store in 500 500x64; do
        echo "and ${entry%%=*}_$store against floor_list, then against quillbox_$store:"
        against "${entry%%=*}_$store" floor_list
        against "${entry%%=*}_$store" "quillbox_$store"
    done
done
