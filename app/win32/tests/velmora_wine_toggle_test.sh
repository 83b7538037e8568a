#!/usr/bin/env bash
# velmora.exe under Wine (run it under xvfb-run), its COM3 mapped to the
# simulated board's pseudo-terminal in the Wine prefix: a pressed toggle
# stands out from a released one on the screen by a contrast of 3:1 or
# more - pressed by a click or by Space, with the focus on it, and disabled
# after Off - and a toggle released again looks released. The state and the
# toggles' places are read with panel_probe.exe. Screenshots of the pressed
# toggles, connected and after Off, go to the folder given last.
#   velmora_wine_toggle_test.sh VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1") probe=$(realpath "$2") board=$(realpath "$3") shots=$(realpath -m "$4")
mkdir -p "$shots"
wine_window_test

# Control ids (res/resource.h).
LED1=1019 LED2=1020 LED3=1021 ACQ_TEMP=1025 ACQ_ANALOG=1027
# Field $2 (2 enabled, 3 focused, 5 pressed, 6 place) of control $1.
field() { wine "$probe" | tr -d '\r' | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
keys() { xdotool windowfocus --sync "$win" 2>/dev/null || true; xdotool key --delay 80 "$@"; sleep 0.4; }

# The contrast between controls $2 and $3 in screenshot $1, as "N.NN".
contrast() {
    local x y w h a b
    IFS=, read -r x y w h <<<"$(field "$2" 6)"
    a=$(luminance "$1" "$x" "$y" "$w" "$h")
    IFS=, read -r x y w h <<<"$(field "$3" 6)"
    b=$(luminance "$1" "$x" "$y" "$w" "$h")
    contrast_of "$a" "$b"
}

start_wine_panel "$board" "$exe"
sleep 1

click_dlu "$win" 101 17 50 14   # "&On"
for _ in $(seq 30); do [ "$(field "$LED1" 2)" = 1 ] && break; sleep 0.2; done
[ "$(field "$LED1" 2)" = 1 ] || fail "LED 1 is not enabled after On"
[ -z "$(named velmora)" ] || fail "a message box opened while connecting"
click_dlu "$win" 126 152 46 10  # temperature "Acquisisci", by a click
click_dlu "$win" 191 153 26 12  # LED 1, by a click
# LED 2 by Space: from LED 1 Tab goes to row 1's "Aggiorna", row 2's editor, LED 2.
keys Tab Tab Tab space
for id in $LED1 $LED2 $ACQ_TEMP; do
    [ "$(field "$id" 5)" = 1 ] || fail "toggle $id is not pressed"
done
for id in $LED3 $ACQ_ANALOG; do
    [ "$(field "$id" 5)" = 0 ] || fail "toggle $id is pressed"
done
[ "$(field "$LED2" 3)" = 1 ] || fail "LED 2 does not have the focus after Space"
# The pointer off the controls: no hover look.
xdotool mousemove --window "$win" 2 2
sleep 0.5
import -window root "$work/connected.png"
cp "$work/connected.png" "$shots/windows-toggles-pressed.png"

# Pressed, released, and how they were pressed, in the screenshot just taken.
cases=(
    "$LED1     $LED3        clicked"
    "$LED2     $LED3        Space, with the focus"
    "$ACQ_TEMP $ACQ_ANALOG  clicked"
)
for c in "${cases[@]}"; do
    read -r pressed released how <<<"$c"
    ratio=$(contrast "$work/connected.png" "$pressed" "$released")
    echo "toggle $pressed pressed ($how) against $released released: $ratio:1"
    at_least "$ratio" 3 || fail "toggle $pressed pressed ($how) differs from $released by $ratio:1, under 3:1"
done

# LED 1 released again by a click looks released.
click_dlu "$win" 191 153 26 12
[ "$(field "$LED1" 5)" = 0 ] || fail "a second click did not release LED 1"
xdotool mousemove --window "$win" 2 2
sleep 0.5
import -window root "$work/released.png"
ratio=$(contrast "$work/released.png" "$LED1" "$LED3")
echo "LED 1 released again against LED 3: $ratio:1"
at_least 1.2 "$ratio" || fail "LED 1 released again still differs from LED 3 by $ratio:1"

# Off: the toggles are disabled, LED 2 stays pressed and still looks it.
click_dlu "$win" 169 17 50 14   # "Off"
for _ in $(seq 30); do [ "$(field "$LED2" 2)" = 0 ] && break; sleep 0.2; done
[ "$(field "$LED2" 2)" = 0 ] || fail "LED 2 is still enabled after Off"
[ "$(field "$LED2" 5)" = 1 ] || fail "LED 2 is no longer pressed after Off"
xdotool mousemove --window "$win" 2 2
sleep 0.5
import -window root "$work/disconnected.png"
cp "$work/disconnected.png" "$shots/windows-toggles-disabled.png"
ratio=$(contrast "$work/disconnected.png" "$LED2" "$LED3")
echo "LED 2 pressed and disabled against LED 3 released and disabled: $ratio:1"
at_least "$ratio" 3 || fail "a disabled pressed toggle differs from a released one by $ratio:1, under 3:1"

click_dlu "$win" 258 171 50 16  # "&Chiudi"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "\"Chiudi\" did not end the program"
wait "$app" || fail "velmora.exe exited with $?"
echo "velmora.exe toggles under Wine: all checks passed"
