#!/usr/bin/env bash
# The run command's launcher under X (run it under drive.py display --bus): the simulated
# board's window and the real panel start together, "On" with the defaults
# reaches the board, a scripted session of clicks and typing drives it, and
# the board then shows that session: display rows, LEDs and buzzer, read
# from the board itself. A screenshot of both windows is written.
#   board_session_test.sh LAUNCH_SCRIPT BIN_DIR SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../scripts/x11_helpers.sh"
drive="/usr/bin/python3 $(realpath "$(dirname "$0")/../../scripts/driver/drive.py")"
click() { $drive click linux velmora Velmora "$1"; }
launch=$(realpath "$1") bin=$(realpath "$2") shots=$(realpath -m "$3")
mkdir -p "$shots"
work=$(mktemp -d)
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/board.log" ] && sed 's/^/board: /' "$work/board.log" >&2
    exit 1
}
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under drive.py display --bus"
"$launch" "$bin" "$work" >"$work/launch.log" 2>&1 &
launcher=$!
trap 'pkill -P $launcher 2>/dev/null; kill $launcher 2>/dev/null; rm -rf "$work"' EXIT

board=$(window "Velmora - scheda simulata") || fail "no board window"
panel=$(window Velmora) || fail "no panel window"
xdotool windowmove "$board" 0 0
xdotool windowmove "$panel" 560 0
sleep 0.5
xdotool windowfocus --sync "$panel" 2>/dev/null || true
xdotool key alt+o                       # "On" with the default port COM3
sleep 0.5
[ -z "$(named velmora)" ] || fail "connecting with the defaults showed a message"
click "Riga 1"; xdotool key ctrl+a; xdotool type --delay 20 "Ciao da Velmora"
click "Aggiorna riga 1"
click "Riga 4"; xdotool key ctrl+a; xdotool type --delay 20 "Riga quattro"
click "Aggiorna riga 4"
for name in "LED 1" "LED 3" "BUZ 1"; do click "$name"; done
# The buzzer's command is the session's last: once it is at the board, all is.
for _ in $(seq 50); do grep -q '^50 57 4D 31 6F 6E $' "$work/board.log" && break; sleep 0.1; done
import -window root "$shots/panel-and-board.png"
kill -TERM "$(pgrep -P "$launcher" -f velmora-board)"
for _ in $(seq 50); do grep -q '^LED:' "$work/board.log" && break; sleep 0.1; done
state=$(grep -E '^(row|LED)' "$work/board.log")
echo "$state"
grep -qx 'row 1: |Ciao da Velmora *|' <<<"$state" || fail "row 1 is not on the board's display"
grep -qx 'row 4: |Riga quattro *|' <<<"$state" || fail "row 4 is not on the board's display"
grep -qx 'row 2: | *|' <<<"$state" || fail "row 2 should be blank"
grep -qx 'LED: 1 0 1 0 BUZ: 1' <<<"$state" || fail "LEDs and buzzer are not as switched"
echo "board session: all checks passed"
