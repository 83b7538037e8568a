#!/usr/bin/env bash
# dialog_tests.exe (the dialogs as Windows builds them, the trend window on
# a change of DPI) at 96, 144 and 192 DPI, set in the Wine prefix, each
# run on an X server of its own.
#   wine_dialog_test.sh DIALOG_TESTS_EXE
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1")
wine_window_test own-display

for dpi in 96 144 192; do
    echo "== at $dpi DPI"
    wine_dpi "$dpi"
    start_xvfb 1920x1080
    VELMORA_DPI=$dpi wine "$exe" || fail "the dialogs at $dpi DPI"
    wineserver -k 2>/dev/null || true
    wineserver -w
    stop_xvfb
done
echo "dialogs at 96, 144 and 192 DPI: all checks passed"
