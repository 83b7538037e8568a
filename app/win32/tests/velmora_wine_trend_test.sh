#!/usr/bin/env bash
# The trend window of velmora.exe under Wine, COM3 in the Wine prefix
# leading to the simulated board, on X servers of its own: for each screen
# size and DPI of the table, the real system menu's "Andamento..." opens it
# while the poll reads, at the panel's DPI, inside the work area of the
# panel's monitor and clear of the panel where there is room (the places
# read with panel_probe.exe); the charts fill; and "Chiudi" ends the panel
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
    sleep 1
    click_dlu "$win" 101 17 50 14   # "&On"
    click_dlu "$win" 126 165 46 10  # analog "Acquisisci"
    click_dlu "$win" 126 152 46 10  # temperature "Acquisisci"
    click_dlu "$win" 191 153 26 12  # LED 1
    [ -z "$(named velmora)" ] || fail "$screen at $dpi DPI: a message box is open after connecting"
    places
    [ "$(place panel 3)" = "$dpi" ] || fail "$screen: the panel is at $(place panel 3) DPI, not $dpi"
    xdotool mousemove 0 0
    import -window "$win" "$shots/windows-panel-$screen-$dpi.png"

    xdotool windowfocus --sync "$win" 2>/dev/null || true
    # Wine's system menu has its own "&About Wine": "a" would stop there.
    # The item is the menu's last: Up from the first, then Enter.
    xdotool key alt+space
    sleep 0.5
    xdotool key Up Return
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
