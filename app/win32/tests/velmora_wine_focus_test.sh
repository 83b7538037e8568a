#!/usr/bin/env bash
# The focus while the board leaves and comes back: velmora.exe under Wine
# on the simulated board behind the prefix's COM3, driven by real key events
# typed slowly across ticks, its controls read back with panel_probe.exe by
# control id (it starts an X server of its own):
#  - typing in row 1 goes on where it was after the board is pulled, its
#    box is closed with Space and the board is plugged back in: the panel
#    connects again by itself and gives the row the focus and its caret;
#  - with the About box open the poll goes on (the clock moves, the board's
#    leaving is acted on), and the box telling it waits for the About box
#    to close; then the focus comes back to the row the same way.
#   velmora_wine_focus_test.sh VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD
set -euo pipefail
here=$(dirname "$0")
. "$here/../../../scripts/x11_helpers.sh"
. "$here/../../../scripts/focus_scenario.sh"
exe=$(realpath "$1") probe=$(realpath "$2") board=$(realpath "$3")
wine_window_test

# Control ids (res/resource.h).
ON=1011 ROW1=1003 CHIUDI=2 CLOCK=1024
field() { wine "$probe" | tr -d '\r' | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
focus_in() { wine "$probe" | tr -d '\r' | awk -F'\t' '$3 == 1 { print $1 }'; }

# A new board under the same name: COM3 leads to its pseudo-terminal.
plug() {
    "$board" --no-window --link "$work/COM3" >>"$work/board.log" 2>&1 &
    bpid=$!
    pids+=("$bpid")
    for _ in $(seq 50); do [ -L "$work/COM3" ] && break; sleep 0.1; done
    ln -sfn "$(readlink "$work/COM3")" "$WINEPREFIX/dosdevices/com3"
}
# TERM: the board ends and its pseudo-terminal hangs up, as a pulled cable;
# COM3 goes with it, as its link in the work folder does (the freed
# pseudo-terminal's number may soon serve another program).
pull() {
    kill "$bpid"
    wait "$bpid" 2>/dev/null || true
    rm -f "$WINEPREFIX/dosdevices/com3"
}

start_wine_panel "$board" "$exe"
bpid=${pids[0]}
sleep 1
keys alt+o
row1_enabled 1 || fail "Alt+O did not connect"
focus_scenario
echo "velmora.exe focus under Wine: all checks passed"
