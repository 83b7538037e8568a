#!/usr/bin/env bash
# The trend window of velmora.exe under Wine on an X display (run it under
# xvfb-run), COM3 in the Wine prefix leading to the simulated board: the
# real system menu's "Andamento..." opens it, the charts fill while the
# poll reads, each chart's latest value is a static text of its own (read
# with panel_probe.exe: the board's readings, inside the charts' area,
# beside the plots, and handed to the accessibility service with its
# chart's name, its value and the span's range), and "Chiudi" ends the
# panel with the window open. (Bringing
# it forward again is checked on the Linux build: without a window manager
# Wine gives the keys to the trend window once it is in front.) A screenshot goes to the folder given last.
#   velmora_wine_trend_test.sh VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1") probe=$(realpath "$2") board=$(realpath "$3") shots=$(realpath -m "$4")
mkdir -p "$shots"
wine_window_test
# Wine 8's accessibility service keeps no names (SetHwndPropStr is a stub),
# but its trace shows what it was given.
export WINEDEBUG=-all,fixme+oleacc

start_wine_panel "$board" "$exe"
xdotool windowmove "$win" 0 0
sleep 1
click_dlu "$win" 101 17 50 14   # "&On"
click_dlu "$win" 126 165 46 10  # analog "Acquisisci"
click_dlu "$win" 126 152 46 10  # temperature "Acquisisci"
[ -z "$(named velmora)" ] || fail "a message box is open after connecting"

xdotool windowfocus --sync "$win" 2>/dev/null || true
# Wine's system menu has its own "&About Wine": "a" would stop there.
# The item is the menu's last: Up from the first, then Enter.
xdotool key alt+space
sleep 0.5
xdotool key Up Return
trend=$(window Andamento 10) || fail "\"Andamento...\" in the system menu opened no window"
sleep 4  # a few ticks on the charts
import -window "$trend" "$shots/windows-trend.png"
echo "trend window: $shots/windows-trend.png"

# The latest values: the simulated board's own (23.5 °C, 512), as static
# texts inside the charts' area (res/resource.h ids), right of the middle.
CHART=1040 TEMP_VALUE=1044 ANALOG_VALUE=1045
trend_field() { wine "$probe" trend | tr -d '\r' | awk -F'\t' -v i="$1" -v f="$2" '$1 == i { print $f }'; }
IFS=, read -r cx cy cw ch <<<"$(trend_field $CHART 6)"
for value in "$TEMP_VALUE 23.5°C" "$ANALOG_VALUE 512"; do
    read -r id want <<<"$value"
    text=$(trend_field "$id" 4)
    [ "$text" = "$want" ] || fail "the latest value $id reads '$text', not '$want'"
    IFS=, read -r x y w h <<<"$(trend_field "$id" 6)"
    [ "$x" -gt $((cx + cw / 2)) ] && [ $((x + w)) -le $((cx + cw)) ] && [ "$y" -ge "$cy" ] &&
        [ $((y + h)) -le $((cy + ch)) ] || fail "the latest value $id lies at $x,$y,$w,$h, not beside the plots in $cx,$cy,$cw,$ch"
done
echo "latest values: $(trend_field $TEMP_VALUE 4), $(trend_field $ANALOG_VALUE 4)"
# What a screen reader would be told of each, as the service's trace shows
# it: property (name, value, description) and text, on that control's window.
NAME={608d3df8-8128-4aa7-a428-f55e49267291} VALUE={123fe443-211a-4615-9527-c45a7e93717a}
DESCRIPTION={4d48dfe4-bd3f-491f-a648-492d6f20c588}
told=(
    "$NAME L\"Temperatura\""
    "$VALUE L\"23.5\\00b0C\""
    "$DESCRIPTION L\"minimo 23.5\\00b0C, massimo 23.5\\00b0C negli ultimi 10 minuti\""
    "$NAME L\"Ingresso analogico\""
    "$VALUE L\"512\""
    "$DESCRIPTION L\"minimo 512, massimo 512 negli ultimi 10 minuti\""
)
for t in "${told[@]}"; do
    grep -qF "$t)" "$work/velmora.log" || fail "the accessibility service was not given $t"
done

# "Chiudi" with the trend window open: the panel ends, its owned window with it.
[ -z "$(named velmora)" ] || fail "a message box is open"
click_dlu "$win" 258 171 50 16  # "&Chiudi"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "\"Chiudi\" did not end the program"
echo "velmora.exe trend window under Wine: all checks passed"
