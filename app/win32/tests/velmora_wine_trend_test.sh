#!/usr/bin/env bash
# The trend window of velmora.exe under Wine on an X display (run it under
# xvfb-run), COM3 in the Wine prefix leading to the simulated board: the
# real system menu's "Andamento..." opens it, the charts fill while the
# poll reads, and "Chiudi" ends the panel with the window open. (Bringing
# it forward again is checked on the Linux build: without a window manager
# Wine gives the keys to the trend window once it is in front.) A screenshot goes to the folder given last.
#   velmora_wine_trend_test.sh VELMORA_EXE VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1") board=$(realpath "$2") shots=$(realpath -m "$3")
mkdir -p "$shots"
wine_window_test

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

# "Chiudi" with the trend window open: the panel ends, its owned window with it.
[ -z "$(named velmora)" ] || fail "a message box is open"
click_dlu "$win" 258 171 50 16  # "&Chiudi"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "\"Chiudi\" did not end the program"
echo "velmora.exe trend window under Wine: all checks passed"
