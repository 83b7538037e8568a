#!/usr/bin/env bash
# The real velmora binary beside the simulated board under each GTK theme
# of the table (run it under dbus-run-session; it starts an X display of
# its own), read through the accessibility bus and on the screen:
#  - a pressed LED and a pressed "Acquisisci" differ from released ones by
#    a contrast of 3:1 or more;
#  - the trend window's charts are drawn on the theme's background: the
#    colour most of the charts' area has is the one most of a row editor
#    has, the theme's field background.
# Screenshots of the panel and the trend window under each theme go to the
# folder given last.
#   velmora_theme_test.sh VELMORA VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
here=$(dirname "$0")
. "$here/../../../scripts/x11_helpers.sh"
velmora=$(realpath "$1") board=$(realpath "$2") shots=$(realpath -m "$3")
# A look the bus never answers (a program busy starting) costs one try.
atspi="timeout 10 /usr/bin/python3 $(realpath "$here/atspi_panel.py") velmora"
charts="/usr/bin/python3 $(realpath "$here/atspi_charts.py") velmora"
mkdir -p "$shots"
window_test own-display
start_xvfb 1280x1024

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"

# theme (GTK_THEME; "default" leaves it unset) and the name of its screenshots.
themes=(
    "default              light"
    "Adwaita:dark         dark"
    "HighContrast         high-contrast"
    "HighContrastInverse  high-contrast-inverse"
)
# The panel's controls, by their accessible names.
ON=On ROW1="Riga 1" LED1="LED 1" LED2="LED 2" CLOSE=Chiudi
ACQ_TEMP="Acquisisci temperatura" ACQ_ANALOG="Acquisisci ingresso analogico"

# Field $2 (2 enabled, 4 text, 6 pressed, 8 place) of the control named $1;
# a read the busy bus did not answer is tried again.
field() {
    local line
    for _ in $(seq 5); do
        line=$($atspi 2>/dev/null | awk -F'\t' -v n="$1" '$1 == n') && [ -n "$line" ] && break
        sleep 0.2
    done
    awk -F'\t' -v f="$2" '{ print $f }' <<<"$line"
}
# Control $1's first action; a bus that did not answer the connection is asked again.
act() {
    for _ in $(seq 5); do $atspi do "$1" 2>/dev/null && return 0; sleep 0.2; done
    return 1
}
# Waits up to 5 s for field $2 of control $1 to be $3.
await() {
    for _ in $(seq 25); do [ "$(field "$1" "$2")" = "$3" ] && return 0; sleep 0.2; done
    return 1
}
# The charts as atspi_charts.py reads them; a read the busy bus did not answer is tried again.
read_charts() {
    local out
    for _ in $(seq 5); do out=$($charts 2>/dev/null) && [ -n "$out" ] && break; sleep 0.2; done
    echo "$out"
}
# The colour most pixels of the place $2 ("x,y,w,h") have in screenshot $1.
colour_at() {
    local x y w h
    IFS=, read -r x y w h <<<"$2"
    dominant "$1" "$x" "$y" "$w" "$h"
}
# The contrast between controls $2 and $3 in screenshot $1, as "N.NN".
contrast() {
    contrast_of "$(luminance_of "$(colour_at "$1" "$(field "$2" 8)")")" \
                "$(luminance_of "$(colour_at "$1" "$(field "$3" 8)")")"
}

cd "$work"
"$board" --no-window --link COM3 >board.log 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done

for t in "${themes[@]}"; do
    read -r theme name <<<"$t"
    theme_env=()
    [ "$theme" = default ] || theme_env=(GTK_THEME="$theme")
    env "${theme_env[@]}" "$velmora" >"velmora-$name.log" 2>&1 &
    app=$!
    pids+=("$app")
    await Porta 4 COM3 || fail "$theme: no panel on the accessibility bus showing COM3"
    panel=$(window Velmora) || fail "$theme: no window titled Velmora"
    xdotool windowmove "$panel" 0 0
    act "$ON"
    await "$LED1" 2 1 || fail "$theme: LED 1 is not enabled after On"
    act "$LED1"
    act "$ACQ_TEMP"
    await "$LED1" 6 1 || fail "$theme: LED 1 is not reported pressed"
    await "$ACQ_TEMP" 6 1 || fail "$theme: \"Acquisisci temperatura\" is not reported pressed"
    xdotool mousemove 1270 1010  # no hover look
    sleep 0.5
    import -window root "panel-$name.png"
    import -window "$panel" "$shots/theme-$name-panel.png"
    for pair in "$LED1|$LED2" "$ACQ_TEMP|$ACQ_ANALOG"; do
        IFS='|' read -r pressed released <<<"$pair"
        ratio=$(contrast "panel-$name.png" "$pressed" "$released")
        echo "$theme: \"$pressed\" pressed against \"$released\" released: $ratio:1"
        at_least "$ratio" 3 || fail "$theme: a pressed toggle differs from a released one by $ratio:1, under 3:1"
    done
    field_colour=$(colour_at "panel-$name.png" "$(field "$ROW1" 8)")

    xdotool windowfocus --sync "$panel" 2>/dev/null || true
    xdotool key alt+space
    sleep 0.4
    xdotool key a
    trend=$(window Andamento) || fail "$theme: \"Andamento...\" opened no window"
    xdotool windowmove "$trend" 0 440
    sleep 2.5  # a few readings
    area=$(read_charts | awk -F'\t' '$1 == "area" { print $2 }')
    [ -n "$area" ] || fail "$theme: no charts on the accessibility bus"
    import -window root "trend-$name.png"
    import -window "$trend" "$shots/theme-$name-trend.png"
    chart_colour=$(colour_at "trend-$name.png" "$area")
    echo "$theme: charts' background $chart_colour, a field's $field_colour"
    [ "$chart_colour" = "$field_colour" ] ||
        fail "$theme: the charts' background is $chart_colour, not the theme's $field_colour"

    act "$CLOSE"
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "$theme: Chiudi did not end the program"
    wait "$app" || fail "$theme: velmora exited with $?"
done
echo "velmora under ${#themes[@]} themes: all checks passed"
