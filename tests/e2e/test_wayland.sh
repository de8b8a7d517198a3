#!/usr/bin/env bash
# A Wayland session with no X11, in a headless weston: the program starts on
# Qt's wayland platform, and docking says why it cannot place the window.
# Usage: test_wayland.sh QUILLBOX WAYLANDDOCK
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
DOCK=${2:-} && e2e_begin weston
[[ -x $DOCK ]] || fail "no executable waylanddock binary given (got '$DOCK')"
# Qt chooses its platform as on such a session: no X display, and no hints.
unset DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP
export HOME=$T/home XDG_CONFIG_HOME=$T/home/.config XDG_RUNTIME_DIR=$T/run WAYLAND_DISPLAY=qbx-wayland
mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"
# Under LeakSanitizer, whole stacks: only their outer frames name Qt's Wayland
# platform, whose leaks tests/lsan.supp lets pass.
[[ -n ${LSAN_OPTIONS:-} ]] && export LSAN_OPTIONS=$LSAN_OPTIONS:fast_unwind_on_malloc=0

step "weston, headless"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$T/weston.log" 2>&1 &
XPID=$! # ended last and politely, by cleanup
wait_until 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston made no socket within 10 s"
pass "$(weston --version)"

step "the program starts as a Wayland client"
WAYLAND_DEBUG=client launch
wait_until 15 grep -qs 'xdg_toplevel@[0-9]*\.set_title("Quillbox 1\.20")' "$T/quillbox.log" ||
    fail "no Wayland window 'Quillbox 1.20' within 15 s"
pass "its main window is a Wayland window"
kill -TERM "$QBX_PID" && expect_exit "$QBX_PID" 10 "SIGTERM"

step "the dock buttons say why they cannot dock"
timeout 60 "$DOCK" -o "$T/dock.log,txt" || fail "waylanddock failed with status $?"
pass "$(grep -o 'Totals: [0-9]* passed, 0 failed' "$T/dock.log")"
e2e_done
