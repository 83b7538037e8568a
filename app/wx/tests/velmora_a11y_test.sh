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
# A look the bus never answers (a program busy starting) costs one try.
atspi="timeout 10 /usr/bin/python3 $(realpath "$here/atspi_panel.py") velmora"
mkdir -p "$shots"
window_test

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"
[ -z "${NO_AT_BRIDGE:-}" ] || fail "NO_AT_BRIDGE is set: GTK would not publish its controls"

# Field $2 (2 enabled, 4 text, 5 role, 6 pressed, 7 description, 8 place) of
# the control named $1.
field() { $atspi 2>/dev/null | awk -F'\t' -v n="$1" -v f="$2" '$1 == n { print $f }'; }
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
await Porta 4 COM3 || fail "no panel on the accessibility bus showing COM3"

# The named controls in the template's (tab) order, each with its role:
# a name on the wrong control, or out of order, fails as a missing one does.
names=(
    "Porta|combo box"
    "Righe del display|combo box"
    "Caratteri per riga|combo box"
    "Riga 1|text"
    "Aggiorna riga 1|push button"
    "Riga 2|text"
    "Aggiorna riga 2|push button"
    "Riga 3|text"
    "Aggiorna riga 3|push button"
    "Riga 4|text"
    "Aggiorna riga 4|push button"
    "Acquisisci temperatura|toggle button"
    "Acquisisci ingresso analogico|toggle button"
)
for n in "${names[@]}"; do
    IFS='|' read -r name role <<<"$n"
    [ "$(field "$name" 5)" = "$role" ] || fail "no $role named '$name' (a '$(field "$name" 5)')"
done
wanted=$(printf '%s\n' "${names[@]%%|*}")
order=$($atspi 2>/dev/null | cut -f1 | grep -xF "$wanted" || true)
[ "$order" = "$wanted" ] || fail "the named controls are not in tab order: $(tr '\n' ',' <<<"$order")"
echo "names: all ${#names[@]} as wanted"

# The port field's whole text, as its tooltip and description.
long="/dev/serial/by-id/usb-Velmora_Demo_Board_000000000000000000000000000001-if00 (ttyACM0)"
for text in "$long" COM3; do
    $atspi set Porta "$text"
    await Porta 4 "$text" || fail "the port field does not hold '$text'"
    await Porta 7 "$text" || fail "the port combo's description is '$(field Porta 7)', not '$text'"
done

# The usual names whole in the field: its text need not move to show its end.
for text in /dev/pts/2 /dev/ttyACM0 /dev/ttyUSB0 COM10; do
    $atspi set Porta "$text"
    await Porta 4 "$text" || fail "the port field does not hold '$text'"
    out=$($atspi hidden Porta)
    [ "$out" = 0 ] || fail "'$text' does not show whole in the port field: $out pixels out of sight"
done
echo "port names shown whole: /dev/pts/2 /dev/ttyACM0 /dev/ttyUSB0 COM10"
$atspi set Porta COM3
await Porta 4 COM3 || fail "the port field does not hold COM3"

# The drop-down, opened: the fixed entries, then the ports present now.
$atspi do Porta
sleep 1
import -window root "$shots/port-list-open.png"
diff <($atspi list Porta) <("$listed") >list.log || fail "the open list differs from the ports present (list.log: < shown, > wanted)"
[ "$($atspi list Porta | head -10 | tr '\n' ' ')" = "COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8 COM9 COM10 " ] ||
    fail "the list does not start with COM1..COM10"
echo "open list: $($atspi list Porta | tr '\n' ' ')"
$atspi do Porta  # closes it
sleep 0.5

# Connected, LED 1 pressed, LED 2 released.
$atspi do On
await "LED 1" 2 1 || fail "LED 1 is not enabled after On"
$atspi do "LED 1"
await "LED 1" 6 1 || fail "LED 1 is not reported pressed"
[ "$(field "LED 2" 6)" = 0 ] || fail "LED 2 is reported pressed"
sleep 0.5
import -window root "$work/screen.png"
cp "$work/screen.png" "$shots/toggle-pressed.png"
# The relative luminance of the colour most of control $1's pixels have.
control_luminance() {
    local x y w h
    IFS=, read -r x y w h <<<"$(field "$1" 8)"
    luminance "$work/screen.png" "$x" "$y" "$w" "$h"
}
pressed=$(control_luminance "LED 1")
released=$(control_luminance "LED 2")
ratio=$(contrast_of "$pressed" "$released")
echo "pressed against released: $ratio:1"
at_least "$ratio" 3 ||
    fail "a pressed toggle differs from a released one by $ratio:1, under 3:1"

$atspi do Chiudi
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Chiudi did not end the program"
wait "$app" || fail "velmora exited with $?"
echo "velmora through the accessibility bus: all checks passed"
