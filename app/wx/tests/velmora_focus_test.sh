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
velmora=$(realpath "$1") board=$(realpath "$2")
atspi="/usr/bin/python3 $(realpath "$here/atspi_panel.py") velmora"
window_test

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"
[ -z "${NO_AT_BRIDGE:-}" ] || fail "NO_AT_BRIDGE is set: GTK would not publish its controls"

# The controls' places in the template's (tab) order.
ON=1 ROW1=6 CHIUDI=19 CLOCK=20
# With no window manager nobody makes the panel the active window again
# when a box closes: the test does, as a window manager would.
activate() { xdotool windowfocus --sync "$panel" 2>/dev/null || true; }
# Field $2 (2 enabled, 4 text) of control $1, and the control with the focus.
field() { $atspi 2>/dev/null | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
focused() { activate; $atspi 2>/dev/null | awk -F'\t' '$3 == 1 { print $1 }'; }
keys() { activate; xdotool key --delay 80 "$@"; sleep 0.4; }
# Types $1 slowly into what has the focus, then lets a tick pass.
type_slowly() { activate; xdotool type --delay 150 -- "$1"; sleep 1.6; }

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
# Waits up to 5 s for row 1's editor to be enabled ($1 1) or disabled ($1 0).
row1_enabled() {
    for _ in $(seq 25); do [ "$(field $ROW1 2)" = "$1" ] && return 0; sleep 0.2; done
    return 1
}
# Closes the box captioned velmora with Space, unread, as in the report.
space_on_box() {
    local box
    box=$(window velmora) || fail "no box captioned velmora: $1"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key space
    gone velmora || fail "Space did not close the box: $1"
}

plug
"$velmora" >velmora.log 2>&1 &
pids+=($!)
panel=$(window Velmora) || fail "no window titled Velmora"
keys alt+o
row1_enabled 1 || fail "Alt+O did not connect"

# The report's case: "ciao " typed, the board pulled, the box closed with Space.
click_dlu "$panel" 14 73 234 14
keys End shift+Home BackSpace
type_slowly "ciao "
pull
space_on_box "the board was pulled"
row1_enabled 0 || fail "row 1 is still enabled after the board left"
[ "$(focused)" = "$CHIUDI" ] || fail "with row 1 disabled the focus is on '$(focused)', not on Chiudi"
plug
row1_enabled 1 || fail "the panel did not connect again when the board came back"
[ "$(focused)" = "$ROW1" ] || fail "after the reconnect the focus is on '$(focused)', not on row 1"
type_slowly "mondo"
type_slowly " bello"
got=$(field $ROW1 4)
[ "$got" = "ciao mondo bello" ] || fail "row 1 reads '$got', not 'ciao mondo bello'"
[ "$(focused)" = "$ROW1" ] || fail "the focus left row 1 while typing: '$(focused)'"
echo "typed across the board's leaving and return: '$got'"

# The About box open over a board that leaves.
keys End shift+Home BackSpace
type_slowly "ciao "
keys alt+space
xdotool key i
about=$(window "Informazioni sul Velmora") || fail "no About box from the system menu"
clock=$(field $CLOCK 4)
pull
sleep 2.5
[ -z "$(named velmora)" ] || fail "a box opened over the About box"
[ "$(field $CLOCK 4)" != "$clock" ] || fail "the clock stood still under the About box"
[ "$(field $ON 2)" = 1 ] || fail "the board's leaving was not acted on under the About box"
xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key Return
gone "Informazioni sul Velmora" || fail "Enter did not close the About box"
space_on_box "the board left under the About box"
[ "$(focused)" = "$CHIUDI" ] || fail "after the About box the focus is on '$(focused)', not on Chiudi"
plug
row1_enabled 1 || fail "the panel did not connect again after the About box"
[ "$(focused)" = "$ROW1" ] || fail "after the About box and the reconnect the focus is on '$(focused)'"
type_slowly "mondo"
got=$(field $ROW1 4)
[ "$got" = "ciao mondo" ] || fail "row 1 reads '$got' after the About box, not 'ciao mondo'"
echo "the box waited for the About box; typing went on: '$got'"
echo "velmora focus under X11: all checks passed"
