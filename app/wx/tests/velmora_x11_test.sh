#!/usr/bin/env bash
# The real velmora binary on an X display (run it under drive.py display): its window, keyboard
# mnemonics, a failure box, a connect to the simulated board through a
# pseudo-terminal, the About box through the system menu stand-in, and
# screenshots of each (written to the folder given third).
#   velmora_x11_test.sh VELMORA VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
velmora=$(realpath "$1") board=$(realpath "$2") shots=$(realpath -m "$3")
mkdir -p "$shots"
window_test
keys() { xdotool windowfocus --sync "$panel" 2>/dev/null || true; xdotool key --delay 50 "$@"; }

cd "$work"  # "COM3" here leads nowhere until the board links it
"$velmora" >velmora.log 2>&1 &
app=$!
pids+=("$app")

panel=$(window Velmora) || fail "no window titled Velmora"
sleep 1.2  # the first tick puts the PC's time on the clock
import -window "$panel" "$shots/panel.png"
echo "panel window $panel: $shots/panel.png"

# Alt+O presses "&On": no COM3 here, so the open fails.
keys alt+o
box=$(window velmora) || fail "no message box captioned velmora after a failed connect"
import -window "$box" "$shots/message-box.png"
xdotool key Return
gone velmora || fail "the message box did not close on Enter"

# The simulated board answers as COM3; Alt+O connects, Alt+A applies the layout.
"$board" --no-window --link COM3 >board.log 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
keys alt+o
sleep 0.8
window velmora 1 >/dev/null 2>&1 && fail "connecting to the simulated board showed a message"
[ "$(grep -c . board.log)" -eq 1 ] || fail "connect sent bytes to the board: $(cat board.log)"
keys alt+a
for _ in $(seq 30); do grep -q '^63 $' board.log && break; sleep 0.1; done
grep -q '^63 $' board.log || fail "Alt+A did not send the layout command: $(cat board.log)"
import -window "$panel" "$shots/panel-connected.png"

# Alt+Space opens the system menu stand-in; its About item opens the box.
keys alt+space
sleep 0.5
xdotool key i
about=$(window "Informazioni sul Velmora") || fail "the About box did not open from the system menu"
sleep 0.3
import -window "$about" "$shots/about-box.png"
xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key Escape
gone "Informazioni sul Velmora" || fail "Escape did not close the About box"

# Alt+C presses "&Chiudi": the program ends, and frees the port.
keys alt+c
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Alt+C did not end the program"
wait "$app" || fail "velmora exited with $?"

# Enter in a row editor is the OK command: the exchange succeeds, the program ends.
"$velmora" >velmora.log 2>&1 &
app=$!
pids+=("$app")
panel=$(window Velmora) || fail "no window titled Velmora on the second start"
keys Return
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Enter did not end the program"
wait "$app" || fail "velmora exited with $? after Enter"
echo "velmora under X11: all checks passed"
