#!/usr/bin/env bash
# The trend window of the real velmora binary with the simulated board
# answering (run it under dbus-run-session; it starts its X servers):
#  - on screens of 1024x768, 1280x800 and 1920x1080 it opens inside the
#    screen, and clear of the panel where there is room;
#  - the system menu stand-in's "Andamento..." opens it, read back through
#    the accessibility bus; the item again brings the same window forward;
#  - each chart is read as a screen reader reads it: a label named
#    "Temperatura" or "Ingresso analogico" whose text is the latest value,
#    rewritten on each tick, and whose description is the span's lowest
#    and highest values;
#  - the board's values, changed while the poll runs, reach the CSV that
#    "Salva CSV..." writes through the file chooser, with gaps where an
#    acquisition was off; "Azzera" starts the series anew;
#  - Escape closes it and the panel goes on.
# A screenshot of the window goes to the folder given third.
#   velmora_trend_test.sh VELMORA VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
here=$(dirname "$0")
. "$here/../../../scripts/x11_helpers.sh"
velmora=$(realpath "$1") board=$(realpath "$2") shots=$(realpath -m "$3")
window_of="/usr/bin/python3 $(realpath "$here/atspi_window.py") velmora"
charts="/usr/bin/python3 $(realpath "$here/atspi_charts.py") velmora"
set_value="/usr/bin/python3 $(realpath "$here/atspi_set_value.py") velmora-board"
temperature_field="/usr/bin/python3 $(realpath "$here/atspi_field.py") velmora-board"
mkdir -p "$shots"
window_test own-display

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; shift; xdotool key --delay 80 "$@"; sleep 0.4; }
# Types $1 into the board's temperature field, which keeps the focus in its
# window, and takes it with Enter.
set_temperature() {
    xdotool windowfocus --sync "$board_window" 2>/dev/null || true
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$1"
    xdotool key Return
}
# Clicks the control named $1 of the panel, or of the trend window.
drive="/usr/bin/python3 $(realpath "$here/../../../scripts/driver/drive.py")"
click_panel() { $drive click linux velmora Velmora "$1"; }
click_trend() { $drive click linux velmora Andamento "$1"; sleep 0.4; }
# Saves the CSV through the chooser under the name $1, in the working folder.
save_as() {
    click_trend "Salva CSV..."
    chooser=$(window "Salva CSV") || fail "\"Salva CSV...\" opened no file chooser"
    # It opens on the working folder with the name field focused.
    keys "$chooser" ctrl+a
    xdotool type --delay 40 "$1"
    keys "$chooser" Return
    gone "Salva CSV" || fail "the file chooser did not close"
    for _ in $(seq 50); do [ -f "$work/$1" ] && break; sleep 0.1; done
    [ -z "$(named velmora)" ] || fail "saving $1 showed a message"
    [ -f "$work/$1" ] || fail "no file $1 written"
}

# Where it opens, from the panel where the panel opens (centred). With no
# window manager the work area is the whole screen. No accessibility here:
# the bus's launcher would end with the first of these X servers.
for screen in 1024x768 1280x800 1920x1080; do
    start_xvfb "$screen"
    NO_AT_BRIDGE=1 "$velmora" >"$work/velmora.log" 2>&1 &
    app=$!
    pids+=("$app")
    panel=$(window Velmora) || fail "$screen: no window titled Velmora"
    keys "$panel" alt+space
    xdotool key a
    trend=$(window Andamento) || fail "$screen: \"Andamento...\" in the system menu opened no window"
    sleep 0.3
    read -r width height < <(xdotool getdisplaygeometry)
    work_area="0,0,$width,$height" panel_at=$(window_rect "$panel") trend_at=$(window_rect "$trend")
    echo "$screen: work area $work_area, panel $panel_at, trend window $trend_at"
    fault=$(placement_fault "$work_area" "$panel_at" "$trend_at" 8)
    [ -z "$fault" ] || fail "$screen: the trend window $fault"
    keys "$panel" alt+c
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "$screen: Alt+C did not end the program"
    stop_xvfb
done

start_xvfb 1280x1024
# The accessibility bus, started on demand by the session bus, runs on
# this display.
dbus-update-activation-environment DISPLAY
cd "$work"
"$board" --link COM3 >board.log 2>&1 &
pids+=($!)
board_window=$(window "Velmora - scheda simulata") || fail "no board window"
"$velmora" >velmora.log 2>&1 &
app=$!
pids+=("$app")
panel=$(window Velmora) || fail "no window titled Velmora"
xdotool windowmove "$board_window" 0 480
xdotool windowfocus --sync "$board_window"
$temperature_field "Temperatura (°C)" focus
xdotool windowmove "$panel" 0 0
sleep 0.3
keys "$panel" alt+o
[ -z "$(named velmora)" ] || fail "connecting showed a message"
click_panel "Acquisisci temperatura"
click_panel "Acquisisci ingresso analogico"

$window_of Andamento >/dev/null 2>&1 && fail "a window Andamento is there before the item is chosen"
keys "$panel" alt+space
xdotool key a
trend=$(window Andamento) || fail "\"Andamento...\" in the system menu opened no window"
controls=$($window_of Andamento) || fail "no window Andamento on the accessibility bus"
echo "$controls"
for want in "windows	1" "combo box	10 min	1" "push button	Salva CSV...	1" "push button	Azzera	1"; do
    grep -qxF "$want" <<<"$controls" || fail "the window Andamento lacks '$want'"
done

# One minute on the time axis: the choice's list, one up from "10 min".
click_trend "10 min"
xdotool key Up Return
sleep 0.4
grep -qxF "combo box	1 min	1" <<<"$($window_of Andamento)" || fail "the span did not become 1 min"

# The board's values move while the poll reads them; for three ticks the
# temperature is not acquired.
for i in $(seq 0 29); do
    $set_value slider $(( (512 + 400 * (i % 10 - 5) * (i % 10 - 5) / 25 * (i / 10 % 2 * 2 - 1)) ))
    set_temperature "$(awk -v i="$i" 'BEGIN { printf "%.1f", 20 + i * 0.15 }')"
    [ "$i" = 12 ] && click_panel "Acquisisci temperatura"
    [ "$i" = 15 ] && click_panel "Acquisisci temperatura"
    sleep 1
done
# Below and above every value so far, one after the other: the span's
# lowest and highest.
# Field $2 (3 text, 4 description) of the chart named $1.
chart() { $charts 2>/dev/null | awk -F'\t' -v n="$1" -v f="$2" '$1 == "chart" && $2 == n { print $f }'; }
# Waits up to 5 s for chart $1's text to be $2.
await_chart() {
    for _ in $(seq 25); do [ "$(chart "$1" 3)" = "$2" ] && return 0; sleep 0.2; done
    return 1
}
for values in "19.5 5" "26.3 1000"; do
    read -r temperature analog <<<"$values"
    set_temperature "$temperature"
    $set_value slider "$analog"
    await_chart Temperatura "$temperature°C" ||
        fail "the chart Temperatura reads '$(chart Temperatura 3)', not $temperature°C"
    await_chart "Ingresso analogico" "$analog" ||
        fail "the chart Ingresso analogico reads '$(chart "Ingresso analogico" 3)', not $analog"
done
$charts
[ "$(chart Temperatura 4)" = "minimo 19.5°C, massimo 26.3°C nell'ultimo minuto" ] ||
    fail "the chart Temperatura is described as '$(chart Temperatura 4)'"
[ "$(chart "Ingresso analogico" 4)" = "minimo 5, massimo 1000 nell'ultimo minuto" ] ||
    fail "the chart Ingresso analogico is described as '$(chart "Ingresso analogico" 4)'"

xdotool windowmove "$trend" 0 480
sleep 1.2
import -window "$trend" "$shots/trend.png"
echo "trend window: $shots/trend.png"

# The item again: the same window, in front.
keys "$panel" alt+space
xdotool key a
sleep 0.5
[ "$(named Andamento | wc -l)" = 1 ] || fail "choosing the item again opened a second window"

save_as andamento.csv
lines=$(tail -n +2 andamento.csv)
[ "$(head -1 andamento.csv)" = "time,temperature_c,analog" ] || fail "the CSV's header is '$(head -1 andamento.csv)'"
[ "$(grep -c . <<<"$lines")" -ge 30 ] || fail "the CSV holds $(grep -c . <<<"$lines") points, not 30 or more"
bad=$(grep -vE '^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2},(-?[0-9]+\.[0-9])?,([0-9]+)?$' <<<"$lines" || true)
[ -z "$bad" ] || fail "CSV lines not of the form time,temperature_c,analog: $bad"
grep -q ',21\.5,' <<<"$lines" || fail "the temperature set on the board (21.5) is not in the CSV"
grep -q ',,[0-9]' <<<"$lines" || fail "no temperature gap while its acquisition was off"
grep -qE ',(-?[0-9.]+)?,0$|,0\.0,' <<<"$lines" && fail "a zero in the CSV, where the board sent none"
[ "$(cut -d, -f3 <<<"$lines" | sort -u | wc -l)" -ge 5 ] || fail "the analog values did not follow the board"

# Without "Azzera" the next file would hold those points and more; with it,
# only the few ticks between the click and the save.
sleep 2
click_trend Azzera
sleep 1.5
save_as dopo.csv
after=$(tail -n +2 dopo.csv | grep -c . || true)
[ "$after" -ge 1 ] && [ "$after" -le 10 ] || fail "after \"Azzera\" the CSV holds $after points"

keys "$trend" Escape
gone Andamento || fail "Escape did not close the trend window"
kill -0 "$app" 2>/dev/null || fail "closing the trend window ended the panel"
[ -z "$(named velmora)" ] || fail "a message box opened"
keys "$panel" alt+c
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Alt+C did not end the program"
wait "$app" || fail "velmora exited with $?"
echo "velmora trend window under X11: all checks passed"
