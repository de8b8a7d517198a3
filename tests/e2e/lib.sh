# Shared harness of the end-to-end tests: a private X server with openbox,
# the real quillbox binary, xdotool for the user's hands, xclip for the
# clipboard and sqlite3 for the settings store.
#
# A test script sources this file with the path of the binary as $1, then
# calls e2e_begin, start_x, new_home, start_quillbox ... and ends with
# e2e_done. Every wait has a time limit; every process the test starts is
# recorded by pid and ended by pid when the script exits.

set -u

E2E_NAME=$(basename "$0" .sh)
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QBX=${1:-}
E2E_PIDS=()
E2E_HARD_KILL=""
E2E_XPID=""
E2E_DISPLAY_NO=""
E2E_TMPDIRS=()
E2E_CHECKS=0
E2E_STEP="setting up"
E2E_OK=0
E2E_LOG=""
QBX_PID=""
QBX_WID=""
QBX_RUNS=0
EXIT_STATUS=""
MAIN_TITLE_RE='^Quillbox 1\.20$'
APP=qbxlm120

# ---------------------------------------------------------------- reporting

step() {
    E2E_STEP="$*"
    echo "-- $E2E_NAME: $E2E_STEP"
}

fail() {
    echo "e2e $E2E_NAME: FAILED in step '$E2E_STEP': $*" >&2
    exit 1
}

pass() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    echo "   ok: $*"
}

# check_eq WHAT ACTUAL EXPECTED
check_eq() {
    if [[ "$2" == "$3" ]]; then
        pass "$1"
    else
        fail "$1: expected [$(printf '%q' "$3")], got [$(printf '%q' "$2")]"
    fi
}

e2e_done() {
    E2E_OK=1
    echo "e2e $E2E_NAME: $E2E_CHECKS checks passed"
    exit 0
}

# ---------------------------------------------------------------- clean-up

e2e_cleanup() {
    local pid i sig
    # Newest first: the program and xclip before openbox, openbox before X.
    # The program is killed outright (a polite signal would make it save);
    # the others get TERM so that Xvfb removes its lock file.
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        sig=TERM
        [[ " $E2E_HARD_KILL " == *" $pid "* ]] && sig=KILL
        if alive "$pid"; then
            kill -"$sig" "$pid" 2>/dev/null
            wait_until 3 not_alive "$pid" || kill -KILL "$pid" 2>/dev/null
        fi
        wait "$pid" 2>/dev/null
    done
    if [[ -n $E2E_XPID && -n $E2E_DISPLAY_NO && -e /tmp/.X$E2E_DISPLAY_NO-lock ]] &&
        [[ $(tr -d ' \n' <"/tmp/.X$E2E_DISPLAY_NO-lock" 2>/dev/null) == "$E2E_XPID" ]]; then
        rm -f "/tmp/.X$E2E_DISPLAY_NO-lock" "/tmp/.X11-unix/X$E2E_DISPLAY_NO"
    fi
    if [[ $E2E_OK != 1 && -n $E2E_LOG && -d $E2E_LOG ]]; then
        for f in "$E2E_LOG"/*.log; do
            [[ -s $f ]] || continue
            echo "---- $(basename "$f") (last lines)" >&2
            tail -n 20 "$f" >&2
        done
    fi
    for d in "${E2E_TMPDIRS[@]}"; do
        [[ -n $d && -d $d ]] && rm -rf -- "$d"
    done
}

e2e_begin() {
    trap e2e_cleanup EXIT
    trap 'exit 2' INT TERM HUP
    [[ -n $QBX && -x $QBX ]] || fail "no executable quillbox binary given (got '$QBX')"
    for tool in Xvfb openbox xdotool wmctrl xprop xwininfo xdpyinfo sqlite3 xclip; do
        command -v "$tool" >/dev/null || fail "the tool $tool is not installed"
    done
    E2E_LOG=$(mktemp -d "${TMPDIR:-/tmp}/qbx-e2e-log.XXXXXX") || fail "mktemp"
    E2E_TMPDIRS+=("$E2E_LOG")
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    # No desktop session here: keep Qt from waiting on a bus or a screen reader.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/quillbox-e2e
    export NO_AT_BRIDGE=1
}

# ---------------------------------------------------------------- waiting

now_ms() { date +%s%3N; }

# wait_until SECONDS COMMAND...: polls every 10 ms; status 1 on timeout.
wait_until() {
    local limit=$1
    shift
    local deadline=$(($(now_ms) + limit * 1000))
    while :; do
        "$@" && return 0
        (($(now_ms) > deadline)) && return 1
        sleep 0.01
    done
}

# alive PID: running and not yet a zombie.
alive() {
    local st
    [[ -r /proc/$1/stat ]] || return 1
    read -r _ _ st _ <"/proc/$1/stat" 2>/dev/null || return 1
    [[ $st != Z && $st != X ]]
}

not_alive() { ! alive "$1"; }

# wait_exit PID SECONDS: waits for the child to end and sets EXIT_STATUS.
wait_exit() {
    EXIT_STATUS=""
    wait_until "$2" not_alive "$1" || return 1
    wait "$1" 2>/dev/null
    EXIT_STATUS=$?
    return 0
}

# ---------------------------------------------------------------- X server and window manager

start_x() {
    local rc=$1 n pid tries=0
    [[ -r $rc ]] || fail "window manager configuration $rc not found"
    n=$((100 + RANDOM % 400))
    while ((tries < 40)); do
        tries=$((tries + 1))
        n=$((n + 1))
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -noreset -nolisten tcp >"$E2E_LOG/xvfb.log" 2>&1 &
        pid=$!
        E2E_PIDS+=("$pid")
        if wait_until 10 xdpyinfo_or_dead "$n" "$pid" && alive "$pid"; then
            export DISPLAY=":$n"
            E2E_XPID=$pid
            E2E_DISPLAY_NO=$n
            break
        fi
        # Lost the race for this number (or the server died): try the next one.
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        unset 'E2E_PIDS[-1]'
        E2E_PIDS=("${E2E_PIDS[@]}")
    done
    [[ -n ${DISPLAY:-} && $DISPLAY == ":$n" ]] || fail "no X server could be started"
    E2E_HOME_WM=$(mktemp -d "${TMPDIR:-/tmp}/qbx-e2e-wm.XXXXXX") || fail "mktemp"
    E2E_TMPDIRS+=("$E2E_HOME_WM")
    HOME=$E2E_HOME_WM XDG_CONFIG_HOME=$E2E_HOME_WM openbox --sm-disable --config-file "$rc" \
        >"$E2E_LOG/openbox.log" 2>&1 &
    E2E_PIDS+=("$!")
    E2E_WM_PID=$!
    wait_until 10 wm_ready || fail "openbox did not start managing the screen on $DISPLAY within 10 s"
}

xdpyinfo_or_dead() {
    alive "$2" || return 0
    xdpyinfo -display ":$1" >/dev/null 2>&1
}

wm_ready() {
    alive "$E2E_WM_PID" || fail "openbox ended at start (see openbox.log)"
    wmctrl -m 2>/dev/null | grep -q '^Name: Openbox' &&
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q '='
}

# work_area: sets WA_X WA_Y WA_W WA_H from _NET_WORKAREA.
work_area() {
    local v
    v=$(xprop -root _NET_WORKAREA) || return 1
    v=${v#*= }
    IFS=', ' read -r WA_X WA_Y WA_W WA_H _ <<<"$v"
}

# ---------------------------------------------------------------- the program

# new_home: a fresh, empty HOME and XDG_CONFIG_HOME for the next runs.
new_home() {
    E2E_HOME=$(mktemp -d "${TMPDIR:-/tmp}/qbx-e2e-home.XXXXXX") || fail "mktemp"
    E2E_TMPDIRS+=("$E2E_HOME")
    mkdir -m 700 "$E2E_HOME/run"
    export HOME=$E2E_HOME
    export XDG_CONFIG_HOME=$E2E_HOME/.config
    export XDG_RUNTIME_DIR=$E2E_HOME/run
    STORE_DIR=$XDG_CONFIG_HOME/quillbox
    DB=$STORE_DIR/settings.db
}

# start_quillbox: starts the binary in the background (QBX_PID) and waits
# for its main window (QBX_WID) and for the window manager's frame.
start_quillbox() {
    launch_quillbox
    QBX_WID=$(wait_window "$MAIN_TITLE_RE" 15) ||
        fail "the main window '$MAIN_TITLE_RE' did not appear within 15 s"
    wait_until 10 read_frame "$QBX_WID" || fail "the window manager did not frame the main window within 10 s"
}

# launch_quillbox: only starts the process (QBX_PID).
launch_quillbox() {
    QBX_RUNS=$((QBX_RUNS + 1))
    "$QBX" >"$E2E_LOG/quillbox.$QBX_RUNS.log" 2>&1 &
    QBX_PID=$!
    E2E_PIDS+=("$QBX_PID")
    E2E_HARD_KILL+=" $QBX_PID"
}

# expect_exit PID SECONDS WHAT: the process must end with status 0.
expect_exit() {
    wait_exit "$1" "$2" || fail "the program did not end within $2 s after $3"
    check_eq "exit status after $3" "$EXIT_STATUS" 0
}

# close_main: closes the main window through the window manager, as a
# click on the close box does, and waits for the process to end.
close_main() {
    wmctrl -i -c "$QBX_WID" || fail "wmctrl could not close window $QBX_WID"
    expect_exit "$QBX_PID" 10 "closing the main window"
}

# ---------------------------------------------------------------- windows

visible_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }

found_window() {
    local ids
    ids=$(visible_windows "$1") || return 1
    [[ -n $ids ]] || return 1
    FOUND_WID=$(head -n 1 <<<"$ids")
}

# wait_window REGEX SECONDS: prints the id of the first visible window whose
# name matches.
wait_window() {
    wait_until "$2" found_window "$1" || return 1
    echo "$FOUND_WID"
}

no_window() { [[ -z $(visible_windows "$1") ]]; }

wait_no_window() { wait_until "$2" no_window "$1"; }

# read_frame WID: client origin and size (CX CY CW CH), frame extents
# (EXT_L EXT_R EXT_T EXT_B) and outer frame (FX FY FW FH), in screen pixels.
read_frame() {
    local ext info
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null) || return 1
    [[ $ext == *=* ]] || return 1
    IFS=', ' read -r EXT_L EXT_R EXT_T EXT_B <<<"${ext#*= }"
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    CX=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    CY=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    CW=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    CH=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    [[ -n $CX && -n $CY && -n $CW && -n $CH ]] || return 1
    FX=$((CX - EXT_L))
    FY=$((CY - EXT_T))
    FW=$((CW + EXT_L + EXT_R))
    FH=$((CH + EXT_T + EXT_B))
}

# frame_is WID X Y W H: the frame stands exactly there ('-' skips a value).
frame_is() {
    read_frame "$1" || return 1
    [[ $2 == - || $FX == "$2" ]] && [[ $3 == - || $FY == "$3" ]] &&
        [[ $4 == - || $FW == "$4" ]] && [[ $5 == - || $FH == "$5" ]]
}

frame_text() { echo "frame x=$FX y=$FY w=$FW h=$FH (client ${CX},${CY} ${CW}x${CH}, extents $EXT_L,$EXT_R,$EXT_T,$EXT_B)"; }

active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# focus_window WID: activates a window and waits until it is the active one.
focus_window() {
    xdotool windowactivate "$1" 2>/dev/null
    wait_until 5 active_is "$1" || fail "window $1 did not become the active window"
}

# ---------------------------------------------------------------- hands

# click_at WID X Y [REPEAT]: left click at client coordinates of a window.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" || fail "xdotool mousemove to $2,$3 failed"
    if [[ ${4:-1} -gt 1 ]]; then
        xdotool click --repeat "$4" --delay 80 1 || fail "xdotool click failed"
    else
        xdotool click 1 || fail "xdotool click failed"
    fi
}

# type_text TEXT: types into the focused widget. xdotool would type a line
# feed as the Linefeed key, which text boxes ignore: press Return instead.
type_text() {
    local rest=$1 line
    while :; do
        line=${rest%%$'\n'*}
        [[ -n $line ]] && { xdotool type --delay 15 -- "$line" || fail "xdotool type failed"; }
        [[ $rest == *$'\n'* ]] || break
        press_key Return
        rest=${rest#*$'\n'}
    done
}

press_key() { xdotool key --clearmodifiers "$@" || fail "xdotool key $* failed"; }

# ---------------------------------------------------------------- the main window's layout
# Client-area pixels of the widgets, from the outer width and height.

ICON_LEFT=([0]=5 [1]=25 [2]=75 [3]=95 [4]=120 [5]=145 [6]=50)
ICON_DOCK_LEFT=0 ICON_DOCK_RIGHT=1 ICON_FLUSH=2 ICON_SHOW_ALL=3 ICON_ABOUT=4 ICON_EXIT=5
BUT_CLEAR=0 BUT_UPDATE=1 BUT_DELETE=2 BUT_ADD=3 BUT_FROM_CLIP=4 BUT_TO_CLIP=5

click_icon() { click_at "$QBX_WID" $((ICON_LEFT[$1] + 10)) 15; }

# click_note_button INDEX: the middle of note button INDEX for the current frame.
click_note_button() {
    read_frame "$QBX_WID" || fail "cannot read the main window's geometry"
    click_at "$QBX_WID" $((FW - 122 + 18 * $1 + 9)) $((FH - 68 + 9))
}

click_content_box() {
    read_frame "$QBX_WID" || fail "cannot read the main window's geometry"
    click_at "$QBX_WID" 40 $((FH - 172 + 30))
}

click_search_field() {
    read_frame "$QBX_WID" || fail "cannot read the main window's geometry"
    click_at "$QBX_WID" 20 $((30 + 10))
}

click_search_button() {
    read_frame "$QBX_WID" || fail "cannot read the main window's geometry"
    click_at "$QBX_WID" $((FW - 35 + 10)) $((30 + 10))
}

# click_first_row [REPEAT]: the first title row of the list.
click_first_row() { click_at "$QBX_WID" 40 $((55 + 2 + 8)) "${1:-1}"; }

# A neutral spot that takes no click: the count line. Moving there between
# two clicks on the same widget keeps them from making a double click.
rest_pointer() { xdotool mousemove --window "$QBX_WID" 60 $((FH - 192 + 8)); }

# ---------------------------------------------------------------- clipboard

# clip_set TEXT: xclip owns the clipboard until another owner takes it.
clip_set() {
    printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    E2E_PIDS+=("$!")
    CLIP_EXPECT=$1
    wait_until 5 clip_is_expected || fail "xclip did not take the clipboard"
}

clip_get() { xclip -o -selection clipboard 2>/dev/null; }

clip_is_expected() {
    local got
    got=$(clip_get; printf '#')
    [[ ${got%#} == "$CLIP_EXPECT" ]]
}

# wait_clip TEXT SECONDS: waits until the clipboard holds exactly TEXT.
wait_clip() {
    CLIP_EXPECT=$1
    wait_until "$2" clip_is_expected
}

# ---------------------------------------------------------------- the settings store

sql_quote() { printf "'%s'" "${1//\'/\'\'}"; }

# store_read SECTION KEY: sets STORE_VALUE to the value, exactly (trailing
# line breaks included); status 1 when the key is absent.
store_read() {
    local out
    STORE_VALUE=""
    out=$(sqlite3 -batch -readonly -cmd '.timeout 3000' "$DB" \
        "SELECT value || '#' FROM settings WHERE app='$APP' AND section=$(sql_quote "$1") AND key=$(sql_quote "$2");") ||
        fail "sqlite3 could not read $DB"
    [[ -n $out ]] || return 1
    STORE_VALUE=${out%#}
}

store_has() { store_read "$1" "$2"; }

# check_store SECTION KEY EXPECTED
check_store() {
    store_read "$1" "$2" || fail "the store has no $1/$2 (expected [$(printf '%q' "$3")])"
    check_eq "store $1/$2" "$STORE_VALUE" "$3"
}

check_store_absent() {
    if store_read "$1" "$2"; then
        fail "the store still has $1/$2 = [$(printf '%q' "$STORE_VALUE")]"
    fi
    pass "store has no $1/$2"
}

# store_keys SECTION: the keys of a section, sorted, one a line.
store_keys() {
    sqlite3 -batch -readonly -cmd '.timeout 3000' "$DB" \
        "SELECT key FROM settings WHERE app='$APP' AND section=$(sql_quote "$1") ORDER BY key;" ||
        fail "sqlite3 could not read $DB"
}

# store_put SECTION KEY VALUE: writes straight into the store (for seeding).
store_put() {
    sqlite3 -batch -cmd '.timeout 3000' "$DB" \
        "INSERT OR REPLACE INTO settings(app, section, key, value) VALUES('$APP', $(sql_quote "$1"), $(sql_quote "$2"), $(sql_quote "$3"));" ||
        fail "sqlite3 could not write $DB"
}

# check_notes TITLE1 BODY1 TITLE2 BODY2 ...: the saved collection is exactly
# these notes, in this order, with no stray keys.
check_notes() {
    local n=$(($# / 2)) k=1 want_keys=""
    check_store general notetotal "$n"
    while (($# >= 2)); do
        check_store notes "notetitle$k" "$1"
        check_store notes "notecontent$k" "$2"
        want_keys+="notecontent$k"$'\n'"notetitle$k"$'\n'
        shift 2
        k=$((k + 1))
    done
    want_keys=$(LC_ALL=C sort <<<"${want_keys%$'\n'}" | sed '/^$/d')
    check_eq "keys of the notes section" "$(store_keys notes)" "$want_keys"
}
