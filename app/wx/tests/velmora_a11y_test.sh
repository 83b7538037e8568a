#!/usr/bin/env bash
# The real velmora binary, beside the simulated board, read and driven only
# through the accessibility bus (run it under drive.py display --bus):
#  - every control whose text does not say what it is has its Italian name;
#  - the port combo's description (its tooltip) is the whole text of its
#    field, long names included, and follows what is typed;
#  - the usual port names show whole in the port combo's field;
#  - the open drop-down lists COM1..COM10, then the ports present now;
#  - a pressed LED toggle is reported pressed, and on the screen it differs
#    from a released one by a contrast of 3:1 or more.
# Screenshots (the drop-down open; a pressed toggle) go to the folder given last.
#   velmora_a11y_test.sh VELMORA VELMORA_BOARD LISTED_PORTS SCREENSHOT_DIR
set -euo pipefail
here=$(dirname "$0")
. "$here/../../../scripts/x11_helpers.sh"
velmora=$(realpath "$1") board=$(realpath "$2") listed=$(realpath "$3") shots=$(realpath -m "$4")
atspi="/usr/bin/python3 $(realpath "$here/atspi_panel.py") velmora"
mkdir -p "$shots"
window_test

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"
[ -z "${NO_AT_BRIDGE:-}" ] || fail "NO_AT_BRIDGE is set: GTK would not publish its controls"

# Field $2 (2 enabled, 4 text, 5 name, 6 pressed, 7 description, 8 place) of control $1.
field() { $atspi 2>/dev/null | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
# Waits up to 5 s for field $2 of control $1 to be $3.
await() {
    for _ in $(seq 25); do [ "$(field "$1" "$2")" = "$3" ] && return 0; sleep 0.2; done
    return 1
}

cd "$work"
"$board" --no-window --link COM3 >board.log 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
"$velmora" >velmora.log 2>&1 &
app=$!
pids+=("$app")
await 0 4 COM3 || fail "no panel on the accessibility bus showing COM3"

# The controls' places in the template's (tab) order and their names.
names=(
    "0  Porta"
    "3  Righe del display"
    "4  Caratteri per riga"
    "6  Riga 1"
    "8  Aggiorna riga 1"
    "9  Riga 2"
    "11 Aggiorna riga 2"
    "12 Riga 3"
    "14 Aggiorna riga 3"
    "15 Riga 4"
    "17 Aggiorna riga 4"
    "28 Acquisisci temperatura"
    "29 Acquisisci ingresso analogico"
)
for n in "${names[@]}"; do
    read -r index name <<<"$n"
    [ "$(field "$index" 5)" = "$name" ] || fail "control $index is named '$(field "$index" 5)', not '$name'"
done
echo "names: all ${#names[@]} as wanted"

# The port field's whole text, as its tooltip and description.
long="/dev/serial/by-id/usb-Velmora_Demo_Board_000000000000000000000000000001-if00 (ttyACM0)"
for text in "$long" COM3; do
    $atspi set 0 "$text"
    await 0 4 "$text" || fail "the port field does not hold '$text'"
    await 0 7 "$text" || fail "the port combo's description is '$(field 0 7)', not '$text'"
done

# The usual names whole in the field: its text need not move to show its end.
for text in /dev/pts/2 /dev/ttyACM0 /dev/ttyUSB0 COM10; do
    $atspi set 0 "$text"
    await 0 4 "$text" || fail "the port field does not hold '$text'"
    out=$($atspi hidden 0)
    [ "$out" = 0 ] || fail "'$text' does not show whole in the port field: $out pixels out of sight"
done
echo "port names shown whole: /dev/pts/2 /dev/ttyACM0 /dev/ttyUSB0 COM10"
$atspi set 0 COM3
await 0 4 COM3 || fail "the port field does not hold COM3"

# The drop-down, opened: the fixed entries, then the ports present now.
$atspi do 0
sleep 1
import -window root "$shots/port-list-open.png"
diff <($atspi list 0) <("$listed") >list.log || fail "the open list differs from the ports present (list.log: < shown, > wanted)"
[ "$($atspi list 0 | head -10 | tr '\n' ' ')" = "COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8 COM9 COM10 " ] ||
    fail "the list does not start with COM1..COM10"
echo "open list: $($atspi list 0 | tr '\n' ' ')"
$atspi do 0  # closes it
sleep 0.5

# Connected, LED 1 pressed, LED 2 released.
$atspi do 1
await 7 2 1 || fail "LED 1 is not enabled after On"
$atspi do 7
await 7 6 1 || fail "LED 1 is not reported pressed"
[ "$(field 10 6)" = 0 ] || fail "LED 2 is reported pressed"
sleep 0.5
import -window root "$work/screen.png"
cp "$work/screen.png" "$shots/toggle-pressed.png"
# The relative luminance of the colour most of control $1's pixels have.
control_luminance() {
    local x y w h
    IFS=, read -r x y w h <<<"$(field "$1" 8)"
    luminance "$work/screen.png" "$x" "$y" "$w" "$h"
}
pressed=$(control_luminance 7)
released=$(control_luminance 10)
ratio=$(contrast_of "$pressed" "$released")
echo "pressed against released: $ratio:1"
at_least "$ratio" 3 ||
    fail "a pressed toggle differs from a released one by $ratio:1, under 3:1"

$atspi do 19                       # "Chiudi"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Chiudi did not end the program"
wait "$app" || fail "velmora exited with $?"
echo "velmora through the accessibility bus: all checks passed"
