# The end-to-end harness: the binary ($1) in a private X server with openbox,
# xdotool for hands, xclip for the clipboard, sqlite3 for the store. Every wait
# has a time limit; every process started here is ended by pid at exit.
set -u
NAME=$(basename "$0" .sh) DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QBX=${1:-} PIDS=() XPID="" CHECKS=0 STEP="setting up" OK=0 APP=qbxlm120 MAIN='^Quillbox 1\.20$'

step() { STEP="$*"; echo "-- $NAME: $STEP"; }
fail() { echo "e2e $NAME: FAILED in step '$STEP': $*" >&2; exit 1; }
pass() { CHECKS=$((CHECKS + 1)); echo "   ok: $*"; }
check_eq() { [[ "$2" == "$3" ]] && pass "$1" || fail "$1: expected [$(printf %q "$3")], got [$(printf %q "$2")]"; }
e2e_done() { OK=1; echo "e2e $NAME: $CHECKS checks passed"; exit 0; }

cleanup() { # All but X are killed, as a polite signal has the program save; X last, politely, to clear its lock.
    local pid f
    for pid in "${PIDS[@]}"; do alive "$pid" && kill -KILL "$pid" && wait "$pid"; done 2>/dev/null
    [[ -n $XPID ]] && kill "$XPID" && { wait_until 3 not_alive "$XPID" || kill -KILL "$XPID"; wait "$XPID"; } 2>/dev/null
    for f in "$T"/*.log; do [[ $OK == 0 && -s $f ]] && { echo "---- ${f##*/}" && tail -n 20 "$f"; } >&2; done
    rm -rf -- "$T"
}

e2e_begin() { # [MORE TOOLS]
    T=$(mktemp -d "${TMPDIR:-/tmp}/qbx-e2e.XXXXXX") || exit 1
    trap cleanup EXIT && trap 'exit 2' INT TERM HUP
    [[ -n $QBX && -x $QBX ]] || fail "no executable quillbox binary given (got '$QBX')"
    for t in "$@" Xvfb openbox xdotool wmctrl xprop xwininfo sqlite3 xclip; do command -v "$t" >/dev/null || fail "no $t"; done
    unset WAYLAND_DISPLAY # and no session: keep Qt from waiting on a bus or a screen reader
    export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/qbx NO_AT_BRIDGE=1
    export LANG=C.UTF-8 LC_ALL=C.UTF-8 && unset LANGUAGE # the checks read the English texts
}

# wait_until SECONDS COMMAND...: polls every 10 ms; status 1 on timeout.
wait_until() {
    local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000)) && shift
    until "$@"; do ((${EPOCHREALTIME/./} < deadline)) || return 1; sleep 0.01; done
}
alive() { local st; read -r _ _ st _ 2>/dev/null <"/proc/$1/stat" && [[ $st != [ZX] ]]; }
not_alive() { ! alive "$1"; }
expect_exit() { # PID SECONDS WHAT: the process must end, with status 0.
    wait_until "$2" not_alive "$1" || fail "the program did not end within $2 s after $3"
    wait "$1" 2>/dev/null
    check_eq "exit status after $3" "$?" 0
}

# start_x OPENBOX_RC: Xvfb on a free display, openbox, and an empty HOME.
start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$T/display" >"$T/xvfb.log" 2>&1 &
    XPID=$!
    wait_until 10 test -s "$T/display" || fail "Xvfb did not start within 10 s"
    export DISPLAY=:$(<"$T/display") && mkdir "$T/wm"
    HOME=$T/wm XDG_CONFIG_HOME=$T/wm openbox --sm-disable --config-file "$1" >"$T/openbox.log" 2>&1 &
    PIDS+=("$!")
    wait_until 10 wm_ready || fail "openbox did not manage the screen within 10 s"
    export HOME=$T/home XDG_CONFIG_HOME=$T/home/.config XDG_RUNTIME_DIR=$T/home/run
    mkdir -p -m 700 "$XDG_RUNTIME_DIR" && DB=$XDG_CONFIG_HOME/quillbox/settings.db
}
wm_ready() { wmctrl -m 2>/dev/null | grep -q '^Name: Openbox' && xprop -root _NET_WORKAREA 2>/dev/null | grep -q =; }

# launch starts the program (QBX_PID); start_quillbox also waits for its framed
# main window (QBX_WID); close_main closes it as its close box does.
launch() { "$QBX" >>"$T/quillbox.log" 2>&1 & QBX_PID=$! PIDS+=("$!"); }
start_quillbox() {
    launch && wait_window "$MAIN" 15 && QBX_WID=$FOUND
    wait_until 10 read_frame "$QBX_WID" || fail "the window manager did not frame the main window within 10 s"
}
close_main() { wmctrl -i -c "$QBX_WID" && expect_exit "$QBX_PID" 10 "closing the main window"; }

found() { FOUND=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1); [[ -n $FOUND ]]; }
wait_window() { wait_until "$2" found "$1" || fail "no window '$1' appeared within $2 s"; }
gone() { ! found "$1"; }
wait_gone() { wait_until 5 gone "$1" || fail "the window '$1' did not close within 5 s"; }
active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
# dialog TITLE: waits for a box and gives it the keyboard (DLG); answer KEY closes it.
dialog() {
    wait_window "^$1\$" 5 && DLG=$FOUND DLG_TITLE=$1
    xdotool windowactivate "$DLG" 2>/dev/null
    wait_until 5 active_is "$DLG" || fail "the '$1' box got no keyboard"
}
answer() { press_key "$1"; wait_gone "^$DLG_TITLE\$"; }

# read_frame WID: client (CX CY CW CH) and outer frame (FX FY FW FH) in screen pixels.
read_frame() {
    local ext
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null) && [[ $ext == *=* ]] || return 1
    IFS=', ' read -r EL ER ET EB <<<"${ext#*= }" # then the absolute corner, the relative one, the size
    read -r CX CY _ _ CW CH < <(xwininfo -id "$1" 2>/dev/null |
        awk '/upper-left|^ *(Width|Height):/ {printf "%s ", $NF} END {print ""}')
    [[ -n $CH ]] && FX=$((CX - EL)) FY=$((CY - ET)) FW=$((CW + EL + ER)) FH=$((CH + ET + EB))
}
frame_holds() { read_frame "$1" && (($2)); }
# expect_frame WID WHAT CONDITION: waits until the frame meets an arithmetic condition.
expect_frame() {
    wait_until 5 frame_holds "$1" "$3" || { read_frame "$1"; fail "$2: $3 does not hold for frame $FX,$FY ${FW}x$FH"; }
    pass "$2: frame $FX,$FY ${FW}x$FH"
}

click_at() { # WID X Y [REPEAT]: left click at client coordinates
    xdotool mousemove --window "$1" "$2" "$3" click --repeat "${4:-1}" --delay 80 1 || fail "xdotool click at $2,$3 failed"
}
type_text() { # TEXT: line feeds go in as Return; text boxes ignore xdotool's Linefeed.
    local rest=$1
    while xdotool type --delay 15 -- "${rest%%$'\n'*}" || fail "xdotool type failed"; [[ $rest == *$'\n'* ]]; do
        rest=${rest#*$'\n'} && press_key Return
    done
}
press_key() { xdotool key --clearmodifiers "$@" || fail "xdotool key $* failed"; }

# The main window's widgets in client pixels, as arithmetic on the outer size FW x FH.
ICON_LEFT=(5 25 75 95 120 145 50)
DOCK_LEFT=0 DOCK_RIGHT=1 FLUSH=2 SHOW_ALL=3 ABOUT=4 EXIT=5 CLEAR=0 DELETE=2 ADD=3 FROM_CLIP=4 TO_CLIP=5
click_main() { read_frame "$QBX_WID" && click_at "$QBX_WID" $(($1)) $(($2)) "${3:-1}"; } # X Y [REPEAT]
click_icon() { click_main "ICON_LEFT[$1] + 10" 15; }
click_note_button() { click_main "FW - 122 + 18 * $1 + 9" "FH - 68 + 9"; }
# click_row N [REPEAT]: title row N; resting on the count line first keeps two
# single clicks on one spot from making a double click.
click_row() {
    read_frame "$QBX_WID" && xdotool mousemove --window "$QBX_WID" 60 $((FH - 184))
    click_main 40 "49 + 16 * $1" "${2:-1}"
}

clip_set() { # TEXT: xclip owns the clipboard until another owner takes it
    printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    PIDS+=("$!")
    wait_until 5 clip_is "$1" || fail "xclip did not take the clipboard"
}
clip_get() { xclip -o -selection clipboard 2>/dev/null; }
clip_is() { local got; got=$(clip_get; printf '#'); [[ ${got%#} == "$1" ]]; } # TEXT: exactly TEXT

# Reads open the store read-only, so that no poll can create it.
sql() { sqlite3 -batch -readonly -cmd '.timeout 3000' "$DB" "$1" || fail "sqlite3 could not read $DB"; }
q() { printf "'%s'" "${1//\'/\'\'}"; }
store_get() { sql "SELECT value || '#' FROM settings WHERE app='$APP' AND section='$1' AND key='$2';"; } # SECTION KEY
# stored: the notes, their count and the running mark as stored, a key a line.
stored() { sql "SELECT key || '=' || quote(value) FROM settings WHERE app='$APP'
    AND (section='notes' OR key='notetotal') ORDER BY key;"; }
gives() { [[ $("$1") == "$2" ]]; } # COMMAND TEXT: COMMAND prints TEXT
# notes TITLE1 BODY1 ...: what stored shows for exactly these notes (up to 9), in this order, and no mark.
notes() {
    local k
    for ((k = 1; k <= $# / 2; k++)); do echo "notecontent$k=$(q "${@:2*k:1}")"; done
    for ((k = 1; k <= $# / 2; k++)); do echo "notetitle$k=$(q "${@:2*k-1:1}")"; done
    echo "notetotal='$(($# / 2))'"
}
RUNNING=$'\n'"temp='-'" # what a running program adds to notes: its mark
check_notes() { check_eq "notes saved, and no running mark" "$(stored)" "$(notes "$@")"; }

