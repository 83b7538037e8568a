#!/usr/bin/env bash
# The trend window of velmora.exe under Wine, COM3 in the Wine prefix
# leading to the simulated board, on X servers of its own: for each screen
# size and DPI of the table, the real system menu's "Andamento..." opens it
# while the poll reads, at the panel's DPI, inside the work area of the
# panel's monitor and clear of the panel where there is room (the places
# read with panel_probe.exe); the charts fill; each chart's latest value is
# a static text of its own (the board's readings, beside the plots, and
# handed to the accessibility service with its chart's name, its value and
# the span's range); and "Chiudi" ends the panel
# with the window open. (Bringing it forward again is checked on the Linux
# build: without a window manager Wine gives the keys to the trend window
# once it is in front.) Screenshots of the panel and the trend window go to
# the folder given last.
#   velmora_wine_trend_test.sh VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1") probe=$(realpath "$2") board=$(realpath "$3") shots=$(realpath -m "$4")
mkdir -p "$shots"
wine_window_test own-display
# Wine 8's accessibility service keeps no names (SetHwndPropStr is a stub),
# but its trace shows what it was given.
export WINEDEBUG=-all,fixme+oleacc

click() { /usr/bin/python3 "$(dirname "$0")/../../../scripts/driver/drive.py" click wine "$probe" Velmora "$1"; }
# Field $2 of the line about window $1 (work, panel, trend) in the probe's
# last reading, taken by places.
places() { seen=$(wine "$probe" windows | tr -d '\r'); }
place() { awk -F'\t' -v w="$1" -v f="$2" '$1 == w { print $f }' <<<"$seen"; }

# Screen size, and DPI (96 is 100 %).
while read -r screen dpi; do
    echo "== $screen at $dpi DPI"
    [ "$dpi" = "${set_dpi:-}" ] || wine_dpi "$dpi"
    set_dpi=$dpi
    start_xvfb "$screen"
    start_wine_panel "$board" "$exe"
    for name in On "Acquisisci ingresso analogico" "Acquisisci temperatura" "LED 1"; do click "$name"; done
    [ -z "$(named velmora)" ] || fail "$screen at $dpi DPI: a message box is open after connecting"
    places
    [ "$(place panel 3)" = "$dpi" ] || fail "$screen: the panel is at $(place panel 3) DPI, not $dpi"
    xdotool mousemove 0 0
    import -window "$win" "$shots/windows-panel-$screen-$dpi.png"

    xdotool windowfocus --sync "$win" 2>/dev/null || true
    # Wine's system menu has its own "&About Wine": "a" would stop there.
    # The item is the one before the menu's last ("Traffico..."): Up twice
    # from the first, then Enter.
    xdotool key alt+space
    sleep 0.5
    xdotool key Up Up Return
    trend=$(window Andamento 10) || fail "$screen at $dpi DPI: \"Andamento...\" in the system menu opened no window"
    sleep 4  # a few ticks on the charts
    places
    [ "$(place trend 3)" = "$dpi" ] || fail "$screen: the trend window is at $(place trend 3) DPI, not $dpi"
    work_area=$(place work 2) panel_at=$(place panel 2) trend_at=$(place trend 2)
    echo "work area $work_area, panel $panel_at, trend window $trend_at"
    # The work area as Windows tells it lies on the X screen.
    read -r width height < <(xdotool getdisplaygeometry)
    IFS=, read -r x y w h <<<"$work_area"
    ((x >= 0 && y >= 0 && x + w <= width && y + h <= height)) || fail "$screen: the work area is $work_area"
    fault=$(placement_fault "$work_area" "$panel_at" "$trend_at" $((8 * dpi / 96)))
    [ -z "$fault" ] || fail "$screen at $dpi DPI: the trend window $fault"
    import -window "$trend" "$shots/windows-trend-$screen-$dpi.png"
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

    # "Chiudi" with the trend window open: the panel ends, its owned window
    # with it. Clicked through the probe: the window may cover it.
    [ -z "$(named velmora)" ] || fail "a message box is open"
    wine "$probe" click 2  # "&Chiudi", IDCANCEL
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "$screen at $dpi DPI: \"Chiudi\" did not end the program"
    wineserver -k 2>/dev/null || true
    wineserver -w
    stop_xvfb
done <<'TABLE'
1024x768 96
1280x800 96
1920x1080 96
1280x800 144
1920x1080 192
TABLE
echo "velmora.exe trend window under Wine: all checks passed"
