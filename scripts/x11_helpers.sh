# Helpers for the tests that drive real windows on an X display; sourced.

# The shown windows named exactly $1 (xdotool's own match ignores case).
named() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$1" ] && echo "$id"
    done
    return 0
}

# Waits up to $2 seconds (10) for a window named exactly $1; prints its id.
window() {
    local id
    for _ in $(seq $((${2:-10} * 10))); do
        id=$(named "$1" | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits up to 5 seconds for no window named exactly $1 to be shown.
gone() {
    for _ in $(seq 50); do
        [ -z "$(named "$1")" ] && return 0
        sleep 0.1
    done
    return 1
}

# "X,Y,WIDTH,HEIGHT" of X window $1 on the screen.
window_rect() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X,$Y,$WIDTH,$HEIGHT"
}

# What is wrong with where a window opened beside the panel, or nothing:
# it lies inside the work area, and clear of the panel whenever the work
# area has room for it beside, above or below the panel, $4 pixels away.
#   placement_fault WORK PANEL WINDOW GAP, each rectangle X,Y,WIDTH,HEIGHT
placement_fault() {
    local wx wy ww wh px py pw ph tx ty tw th gap=$4
    IFS=, read -r wx wy ww wh <<<"$1"
    IFS=, read -r px py pw ph <<<"$2"
    IFS=, read -r tx ty tw th <<<"$3"
    if ((tx < wx || ty < wy || tx + tw > wx + ww || ty + th > wy + wh)); then
        echo "lies outside the work area $1"
    elif ((th <= wh && (wx + ww - px - pw >= tw + gap || px - wx >= tw + gap) ||
           tw <= ww && (wy + wh - py - ph >= th + gap || py - wy >= th + gap))) &&
         ((tx < px + pw && tx + tw > px && ty < py + ph && ty + th > py)); then
        echo "covers the panel though the work area $1 has room beside it"
    fi
}

# The frame every window test shares: a work folder, the background
# processes in $pids ended at exit and then any clean-up of the test's own,
# a function named test_cleanup; and an X display to run on: the one given
# in $DISPLAY, else an Xvfb of the test's own. With "own-display" the test
# starts its servers itself with start_xvfb; with "own-session" it gets one
# of its own here, and a session bus started on that display, so that the
# accessibility bus it starts is this display's and no other test's.
window_test() {
    work=$(mktemp -d)
    pids=()
    xvfb=
    trap end_window_test EXIT
    # A step that fails under set -e says which it was.
    trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
    if [ "${1:-}" = own-session ]; then
        start_xvfb 1024x768
        dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
        pids+=($!)
        for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
        [ -s "$work/bus" ] || fail "no session bus: $(cat "$work/dbus.log")"
        DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
        export DBUS_SESSION_BUS_ADDRESS
    fi
    [ "${1:-}" = own-display ] || [ -n "${DISPLAY:-}" ] || start_xvfb 1024x768
}

end_window_test() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    if declare -F test_cleanup >/dev/null; then test_cleanup; fi
    # The display last: the programs end on their own terms, not on losing it.
    if [ -n "${xvfb:-}" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}

# An X server of the test's own with one screen of $1 (WIDTHxHEIGHT), on
# a display it picks itself; sets DISPLAY and $xvfb, its process. Ended
# with the test, or before by stop_xvfb.
start_xvfb() {
    local number= named
    # A file of its own: the server opens it only once it is started.
    named=$(mktemp "$work/display.XXXXXX")
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$named" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do
        number=$(sed -n 1p "$named")
        [ -n "$number" ] && break
        sleep 0.1
    done
    [ -n "$number" ] || fail "Xvfb ($1) named no display"
    export DISPLAY=":$number"
}

stop_xvfb() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
}

# The same frame for a program under Wine (its argument as window_test's), in the initialised prefix
# $WINEPREFIX: no Wine server left from before (one started without a
# display would keep this test's windows from showing), and at the end none
# left behind, nor the prefix's COM3.
wine_window_test() {
    : "${WINEPREFIX:?set WINEPREFIX to an initialised prefix}"
    export WINEDEBUG=-all
    wineserver -k 2>/dev/null || true
    wineserver -w
    test_cleanup() {
        wineserver -k 2>/dev/null || true
        rm -f "$WINEPREFIX/dosdevices/com3"
        [ -z "$wine_dpi_set" ] || wine_dpi default
    }
    wine_dpi_set=
    window_test "$@"
}

# The DPI of the programs Wine starts next (96 is 100 %; "default" is
# Wine's own): the prefix's LogPixels, which Wine reads as its server
# starts. The server running is ended first, and the setting written out
# as the next one ends. wine_window_test's end sets it back.
wine_dpi() {
    wineserver -k 2>/dev/null || true
    wineserver -w
    if [ "$1" = default ]; then
        wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
    else
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
        wine_dpi_set=1
    fi
    wineserver -w
}

# The simulated board (program $1) behind the prefix's COM3, and the panel
# (Windows program $2) started on it in the work folder, until its window
# shows: sets $app, its process, and $win, its window.
start_wine_panel() {
    "$1" --no-window --link "$work/COM3" >"$work/board.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -L "$work/COM3" ] && break; sleep 0.1; done
    ln -sfn "$(readlink "$work/COM3")" "$WINEPREFIX/dosdevices/com3"
    (cd "$work" && exec wine "$2") >"$work/velmora.log" 2>&1 &
    app=$!
    pids+=("$app")
    # A new prefix's first window takes Wine a while (fonts, registry).
    win=$(window Velmora 90) || fail "no window titled Velmora"
}

# Says why a test failed, with the end of each log and file it wrote, and ends it.
fail() {
    echo "FAIL: $*" >&2
    local f
    for f in "$work"/*.log "$work"/*.csv; do
        [ -f "$f" ] && sed "s|^|$(basename "$f"): |" "$f" | tail -40 >&2
    done
    exit 1
}

# The colour most pixels of a region of a screenshot have, as "#RRGGBB":
# dominant PNG X Y WIDTH HEIGHT. (sed reads all it is given: a head that
# stops early would break the pipe under pipefail.)
dominant() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -format %c histogram:info:- | sort -rn |
        sed -n 1p | grep -o '#[0-9A-Fa-f]\{6\}' | sed -n 1p
}

# The relative luminance of a colour "#RRGGBB".
luminance_of() {
    /usr/bin/python3 -c '
import sys
h = sys.argv[1].lstrip("#")
c = [int(h[i:i + 2], 16) / 255 for i in (0, 2, 4)]
c = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
print(0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2])' "$1"
}

# The relative luminance of the colour most pixels of a region of a
# screenshot have: luminance PNG X Y WIDTH HEIGHT.
luminance() { luminance_of "$(dominant "$@")"; }

# The contrast of two luminances, as "N.NN".
contrast_of() { /usr/bin/python3 -c "a, b = sorted(($1, $2)); print(f'{(b + 0.05) / (a + 0.05):.2f}')"; }

# Whether number $1 is at least $2.
at_least() { /usr/bin/python3 -c "import sys; sys.exit(0 if $1 >= $2 else 1)"; }
