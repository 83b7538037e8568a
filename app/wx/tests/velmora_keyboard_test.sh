#!/usr/bin/env bash
# The real velmora binary driven by real key events, connected to the
# simulated board, its controls read back through the accessibility bus
# (run it under xvfb-run and dbus-run-session):
#  - On and Off pressed from the keyboard (Space, On's Alt+O) hand the
#    focus to each other, so the keyboard goes on working;
#  - text typed slowly, across several ticks, into row 1's editor and the
#    combos ends exactly as typed; a combo completes once the focus leaves.
# A screenshot after the typing goes to the folder given third.
#   velmora_keyboard_test.sh VELMORA VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
here=$(dirname "$0")
. "$here/../../../scripts/x11_helpers.sh"
velmora=$(realpath "$1") board=$(realpath "$2") shots=$(realpath -m "$3")
atspi="/usr/bin/python3 $(realpath "$here/atspi_panel.py") velmora"
mkdir -p "$shots"
window_test

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"
[ -z "${NO_AT_BRIDGE:-}" ] || fail "NO_AT_BRIDGE is set: GTK would not publish its controls"

# The controls' places in the template's (tab) order.
PORT=0 ON=1 OFF=2 COLUMNS=4 ROW1=6
# Field $2 (2 enabled, 3 focused, 4 text) of control $1.
field() { $atspi 2>/dev/null | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
focused() { $atspi 2>/dev/null | awk -F'\t' '$3 == 1 { print $1 }'; }
keys() { xdotool windowfocus --sync "$panel" 2>/dev/null || true; xdotool key --delay 80 "$@"; sleep 0.4; }

cd "$work"
"$board" --no-window --link COM3 >board.log 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
"$velmora" >velmora.log 2>&1 &
app=$!
pids+=("$app")
panel=$(window Velmora) || fail "no window titled Velmora"
for _ in $(seq 50); do [ "$(focused)" = "$PORT" ] && break; sleep 0.2; done
[ "$(focused)" = "$PORT" ] || fail "the port combo does not have the focus at the start"

# On and Off from the keyboard disable the button that has the focus: it
# hands the focus to the other one, enabled by then. "Off" has no mnemonic
# in the template; Space presses it.
# step: keys, then the control that must hold the focus and On's state.
# GTK gives a combo's arrow button a tab stop of its own: two Tabs to On.
steps=(
    "Tab,Tab        $ON      1"
    "space          $OFF     0"   # connected
    "space          $ON      1"   # disconnected
    "alt+o          $OFF     0"   # connected again
)
for step in "${steps[@]}"; do
    read -r key want on <<<"$step"
    keys ${key//,/ }
    # A loaded machine may take longer than the pause to move the focus.
    for _ in $(seq 25); do [ "$(focused)" = "$want" ] && break; sleep 0.2; done
    [ "$(focused)" = "$want" ] || fail "after $key the focus is on control '$(focused)', not $want"
    [ "$(field "$ON" 2)" = "$on" ] || fail "after $key On's enabled state is not $on"
done
[ "$(field "$OFF" 2)" = 1 ] || fail "Off is not enabled after connecting from the keyboard"
[ "$(field "$ROW1" 2)" = 1 ] || fail "row 1's editor is not enabled after connecting"
[ -z "$(named velmora)" ] || fail "a message box opened while connecting from the keyboard"

# Both readings polled, as in long use: every tick reads the board.
click_dlu "$panel" 126 152 46 10
click_dlu "$panel" 126 165 46 10

# control, its rectangle in dialog units (of a combo, the left of its entry), the
# chunks typed with a pause of more than a tick after each, the text left.
cases=(
    "$ROW1     14 73 234 14   abcdefg|hijklmn  abcdefghijklmn"
    "$PORT     33 18 48 12    /dev/|pts/1      /dev/pts/1"
    "$PORT     33 18 48 12    COM|7            COM7"
    "$COLUMNS  178 57 12 12   4|0              40"
)
for c in "${cases[@]}"; do
    read -r id x y cx cy typed want <<<"$c"
    click_dlu "$panel" "$x" "$y" "$cx" "$cy"
    keys End shift+Home BackSpace
    IFS='|' read -ra chunks <<<"$typed"
    for chunk in "${chunks[@]}"; do
        xdotool type --delay 150 -- "$chunk"
        sleep 1.6  # more than a tick: the poll runs while the text is half typed
    done
    got=$(field "$id" 4)
    [ "$got" = "$want" ] || fail "typing '$typed' into control $id left '$got', not '$want'"
    echo "typed '$typed' into control $id: '$got'"
done
import -window "$panel" "$shots/panel-typed.png"

# Completion waits for the focus to leave: "2" in the columns stays "2"
# across ticks, and becomes "20" at the first tick after Tab.
click_dlu "$panel" 178 57 12 12
keys End shift+Home BackSpace
xdotool type -- 2
sleep 2.2
[ "$(field "$COLUMNS" 4)" = 2 ] || fail "the columns combo was completed while it had the focus"
keys Tab
sleep 1.4
[ "$(field "$COLUMNS" 4)" = 20 ] || fail "the columns combo was not completed after the focus left: '$(field "$COLUMNS" 4)'"

[ -z "$(named velmora)" ] || fail "a message box opened while typing"
keys alt+c
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Alt+C did not end the program"
wait "$app" || fail "velmora exited with $?"
echo "velmora keyboard under X11: all checks passed"
