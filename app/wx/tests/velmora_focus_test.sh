#!/usr/bin/env bash
# The focus while the board leaves and comes back: the real velmora binary
# on the simulated board, driven by real key events typed slowly across
# ticks, read back through the accessibility bus (run it under
# dbus-run-session; it starts an X server of its own):
#  - typing in row 1 goes on where it was after the board is pulled, its
#    box is closed with Space and the board is plugged back in: the panel
#    connects again by itself and gives the row the focus and its caret;
#  - with the About box open the poll goes on (the clock moves, the board's
#    leaving is acted on), and the box telling it waits for the About box
#    to close; then the focus comes back to the row the same way.
#   velmora_focus_test.sh VELMORA VELMORA_BOARD
set -euo pipefail
here=$(dirname "$0")
. "$here/../../../scripts/x11_helpers.sh"
. "$here/../../../scripts/focus_scenario.sh"
velmora=$(realpath "$1") board=$(realpath "$2")
atspi="/usr/bin/python3 $(realpath "$here/atspi_panel.py") velmora"
window_test

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"
[ -z "${NO_AT_BRIDGE:-}" ] || fail "NO_AT_BRIDGE is set: GTK would not publish its controls"

# The controls' places in the template's (tab) order.
ON=1 ROW1=6 CHIUDI=19 CLOCK=20
field() { $atspi 2>/dev/null | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
focus_in() { $atspi 2>/dev/null | awk -F'\t' '$3 == 1 { print $1 }'; }

cd "$work"
plug() {
    "$board" --no-window --link COM3 >>board.log 2>&1 &
    bpid=$!
    pids+=("$bpid")
    for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
}
# TERM: the board ends and its pseudo-terminal hangs up, as a pulled cable.
pull() {
    kill "$bpid"
    wait "$bpid" 2>/dev/null || true
}

plug
"$velmora" >velmora.log 2>&1 &
pids+=($!)
win=$(window Velmora) || fail "no window titled Velmora"
keys alt+o
row1_enabled 1 || fail "Alt+O did not connect"
focus_scenario
echo "velmora focus under X11: all checks passed"
