#!/usr/bin/env bash
# velmora.exe under Wine (run it under xvfb-run): the right-aligned clock
# shows its last digit whole. Under Wine its text is drawn wider than it is
# measured, so a right-aligned static loses the last pixel column of its
# last digit whenever the drawn ink reaches past the measure. The test
# waits for such a second (panel_probe draws the clock's text unclipped in
# the dialogs' font and says how far its ink passes the measure), then the
# clock's ink on the screen must be as wide as that unclipped drawing. The
# clock's place comes from panel_probe by its control id. A screenshot of
# the panel goes to the folder given last.
#   velmora_wine_clock_test.sh VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1") probe=$(realpath "$2") board=$(realpath "$3") shots=$(realpath -m "$4")
mkdir -p "$shots"
wine_window_test

CLOCK=1024  # res/resource.h
place() { wine "$probe" | tr -d '\r' | awk -F'\t' -v i="$1" '$1 == i { print $6 }'; }
# "text<TAB>ink<TAB>past" of the clock's text drawn unclipped.
ink() { wine "$probe" ink "$CLOCK" | tr -d '\r'; }
# "first last": the columns of the place $2 ("x,y,w,h") of screenshot $1
# that hold a pixel other than the place's background, the first and the last.
ink_columns() {
    local x y w h bg
    IFS=, read -r x y w h <<<"$2"
    bg=$(dominant "$1" "$x" "$y" "$w" "$h")
    convert "$1" -crop "${w}x${h}+${x}+${y}" +repage -fill white -opaque "$bg" -fill black +opaque white \
        -negate -scale "${w}x1!" -threshold 0 txt:- |
        awk -F'[,:]' '/#FFFFFF/ { if (first == "") first = $1; last = $1 } END { print first, last }'
}

start_wine_panel "$board" "$exe"
sleep 1
clock=$(place "$CLOCK")
[ -n "$clock" ] || fail "no clock (control $CLOCK) in the panel"
checked=0
for _ in $(seq 20); do
    before=$(ink)
    import -window root "$work/screen.png"
    # The second did not change while the screen was taken, and its ink
    # passes the measure: the case that loses a column.
    [ "$(ink)" = "$before" ] || continue
    IFS=$'\t' read -r text width past <<<"$before"
    [ "$past" -ge 1 ] || { sleep 0.5; continue; }
    read -r first last <<<"$(ink_columns "$work/screen.png" "$clock")"
    shown=$((last - first + 1))
    echo "clock $text: $width px of ink drawn unclipped ($past past its measure), $shown px on the screen"
    [ "$shown" = "$width" ] || fail "the clock shows $shown of the $width pixel columns of \"$text\""
    cp "$work/screen.png" "$shots/windows-clock.png"
    checked=$((checked + 1))
    [ "$checked" -ge 3 ] && break
    sleep 1
done
[ "$checked" -ge 3 ] || fail "in 20 tries, not three seconds whose ink passes the measure"

click_dlu "$win" 258 171 50 16  # "&Chiudi"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "\"Chiudi\" did not end the program"
echo "velmora.exe clock under Wine: all checks passed"
