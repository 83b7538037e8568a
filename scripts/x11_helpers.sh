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

# Clicks the middle of a control of the panel window $1, given in dialog
# units of its 321 x 201 template (x y cx cy): every build lays the
# template out in proportion to its window.
click_dlu() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    xdotool mousemove $((X + (2 * $2 + $4) * WIDTH / 642)) $((Y + (2 * $3 + $5) * HEIGHT / 402)) click 1
    sleep 0.3
}

# The frame every window test shares: a work folder, the background
# processes in $pids ended at exit and then any clean-up of the test's own,
# a function named test_cleanup; and an X display to run on.
window_test() {
    work=$(mktemp -d)
    pids=()
    trap end_window_test EXIT
    # A step that fails under set -e says which it was.
    trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
    [ -n "${DISPLAY:-}" ] || fail "no X display: run under xvfb-run"
}

end_window_test() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    if declare -F test_cleanup >/dev/null; then test_cleanup; fi
    rm -rf "$work"
}

# The same frame for a program under Wine, in the initialised prefix
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
    }
    window_test
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

# The frame of window_test on an X display of the test's own, $1 (WxHxD):
# Xvfb picks a free display itself, so tests can run side by side.
own_display_test() {
    local fd display
    exec {fd}< <(Xvfb -displayfd 1 -screen 0 "$1" -nolisten tcp 2>/dev/null)
    local xvfb=$!
    read -r display <&"$fd" || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$display
    window_test
    pids+=("$xvfb")
}
