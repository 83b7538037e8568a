#!/usr/bin/env bash
# velmora.exe under Wine driven by real key events (run it under xvfb-run),
# its COM3 mapped to the simulated board's pseudo-terminal in the Wine
# prefix, its controls read back with panel_probe.exe:
#  - On and Off pressed from the keyboard (Space, On's Alt+O) hand the
#    focus to each other, so the keyboard goes on working;
#  - text typed slowly, across several ticks, into row 1's editor and the
#    combos ends exactly as typed (row 1 then reaches the board as typed); a
#    combo completes once the focus leaves;
#  - the end of the session (WM_ENDSESSION) ends the panel.
# A screenshot after the typing goes to the folder given last.
#   velmora_wine_keyboard_test.sh VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1") probe=$(realpath "$2") board=$(realpath "$3") shots=$(realpath -m "$4")
mkdir -p "$shots"
wine_window_test

# Control ids (res/resource.h).
PORT=1010 ON=1011 OFF=1012 COLUMNS=1018 ROW1=1003
# Field $2 (2 enabled, 3 focused, 4 text) of control $1.
field() { wine "$probe" | tr -d '\r' | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
focused() { wine "$probe" | tr -d '\r' | awk -F'\t' '$3 == 1 { print $1 }'; }
keys() { xdotool windowfocus --sync "$win" 2>/dev/null || true; xdotool key --delay 80 "$@"; sleep 0.4; }

start_wine_panel "$board" "$exe"
sleep 1
xdotool windowfocus --sync "$win" 2>/dev/null || true
[ "$(focused)" = "$PORT" ] || fail "the port combo does not have the focus at the start"

# On and Off from the keyboard disable the button that has the focus: it
# hands the focus to the other one, enabled by then. "Off" has no mnemonic
# in the template; Space presses it.
# step: keys, then the control that must hold the focus and On's state.
steps=(
    "Tab            $ON      1"
    "space          $OFF     0"   # connected
    "space          $ON      1"   # disconnected
    "alt+o          $OFF     0"   # connected again
)
for step in "${steps[@]}"; do
    read -r key want on <<<"$step"
    keys "$key"
    # A loaded machine may take longer than the pause to move the focus.
    for _ in $(seq 25); do [ "$(focused)" = "$want" ] && break; sleep 0.2; done
    [ "$(focused)" = "$want" ] || fail "after $key the focus is on control '$(focused)', not $want"
    [ "$(field "$ON" 2)" = "$on" ] || fail "after $key On's enabled state is not $on"
done
[ "$(field "$OFF" 2)" = 1 ] || fail "Off is not enabled after connecting from the keyboard"
[ -z "$(named velmora)" ] || fail "a message box opened while connecting from the keyboard"

# Both readings polled, as in long use: every tick reads the board.
click_dlu "$win" 126 152 46 10
click_dlu "$win" 126 165 46 10

# control, its rectangle in dialog units (of a combo, the left of its edit),
# the chunks typed with a pause of more than a tick after each, the text left.
cases=(
    "$ROW1     14 73 234 14   abcdefg|hijklmn  abcdefghijklmn"
    "$PORT     33 18 24 12    COM|7            COM7"
    "$COLUMNS  178 57 12 12   4|0              40"
)
for c in "${cases[@]}"; do
    read -r id x y cx cy typed want <<<"$c"
    click_dlu "$win" "$x" "$y" "$cx" "$cy"
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
import -window "$win" "$shots/windows-typed.png"

# Row 1's "Aggiorna" sends what its editor holds: "Row 1" locate, then the text.
click_dlu "$win" 257 73 50 14
hex=$(printf abcdefghijklmn | od -An -tx1 | tr 'a-f' 'A-F' | tr -s ' \n' ' ')
for _ in $(seq 30); do tr -d '\n' <"$work/board.log" | grep -q "$hex" && break; sleep 0.1; done
tr -d '\n' <"$work/board.log" | grep -q "$hex" || fail "row 1 did not reach the board as typed"

# Completion waits for the focus to leave: "2" in the columns stays "2"
# across ticks, and becomes "20" at the first tick after Tab.
click_dlu "$win" 178 57 12 12
keys End shift+Home BackSpace
xdotool type -- 2
sleep 2.2
[ "$(field "$COLUMNS" 4)" = 2 ] || fail "the columns combo was completed while it had the focus"
keys Tab
sleep 1.4
[ "$(field "$COLUMNS" 4)" = 20 ] || fail "the columns combo was not completed after the focus left: '$(field "$COLUMNS" 4)'"
[ -z "$(named velmora)" ] || fail "a message box opened while typing"

# The session ends: the panel runs its close routine and the program ends.
wine "$probe" endsession
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "WM_ENDSESSION did not end the program"
wait "$app" || fail "velmora.exe exited with $?"
echo "velmora.exe keyboard under Wine: all checks passed"
