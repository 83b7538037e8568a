#!/usr/bin/env bash
# The board window's temperature field typed into with real key events,
# slowly, in the C, en_US and it_IT locales (each compiled here when the
# system lacks it): the comma and the point both taken, a text out of range
# or not a number refused with the reason under the field and as its
# accessible description, the last good value kept. Read back through the
# accessibility bus and through what the board answers on its port
# (velmora-cli temp). On an X server and a session bus of its own.
#   board_temperature_test.sh VELMORA_BOARD VELMORA_CLI
set -euo pipefail
here=$(dirname "$0")
. "$here/../../scripts/x11_helpers.sh"
board=$(realpath "$1") cli=$(realpath "$2")
atspi_field=$(realpath "$here/../../app/wx/tests/atspi_field.py")
field() { /usr/bin/python3 "$atspi_field" velmora-board "Temperatura (°C)" "$@"; }
window_test own-session
cd "$work"

# What is typed, the key that ends it, then what the field shows, what
# velmora-cli temp prints and the field's description (the reason shown).
not_a_number="Non è un numero: la scheda resta a 24.7 °C."
out_of_range="Fuori dall'intervallo da -40 a 125 °C: la scheda resta a 24.7 °C."
cases=(
    "24,7|Return|24.7|24.7|"
    "130|Return|130|24.7|$out_of_range"
    "abc|Tab|abc|24.7|$not_a_number"     # the focus leaving takes it too
    "-3.5|Return|-3.5|-3.5|"             # and a good value clears the mark
    "|Up|-3.0|-3|"                       # Up steps half a degree
    "12,25|Tab|12.3|12.3|"               # the board's tenth
)

# A locale the system has, or one compiled from its source here; none when
# neither can be.
locale_env() {
    local name=${1%.UTF-8}
    if [ "$1" = C ] || locale -a | grep -qix "$name.utf-\?8"; then echo "LC_ALL=$1"; return; fi
    mkdir -p locales
    localedef -i "$name" -f UTF-8 "locales/$1" 2>/dev/null || return 0
    echo "LC_ALL=$1 LOCPATH=$work/locales"
}

tested=0
for locale in C en_US.UTF-8 it_IT.UTF-8; do
    settings=$(locale_env "$locale")
    if [ -z "$settings" ]; then echo "skipped: the locale $locale cannot be made here"; continue; fi
    env $settings "$board" --link BOARD --temp 21.5 >board.log 2>&1 &
    pid=$!
    pids+=("$pid")
    win=$(window "Velmora - scheda simulata") || fail "$locale: no board window"
    xdotool windowfocus --sync "$win"
    for case in "${cases[@]}"; do
        IFS='|' read -r typed key shows answers says <<<"$case"
        field focus
        xdotool key ctrl+a BackSpace
        [ -z "$typed" ] || xdotool type --delay 150 -- "$typed"
        xdotool key "$key"
        sleep 0.3
        read_back=$(field)
        what="$locale: '$typed' $key"
        [ "$(head -n 1 <<<"$read_back")" = "$shows	$says" ] || fail "$what: the field reads '$(head -n 1 <<<"$read_back")'"
        if [ -n "$says" ]; then
            grep -qxF "label	$says" <<<"$read_back" || fail "$what: no label says '$says': $read_back"
        fi
        temp=$("$cli" -p BOARD temp) || fail "$what: velmora-cli temp failed"
        [ "$temp" = "$answers" ] || fail "$what: the board answers $temp, not $answers"
    done
    kill -TERM "$pid"
    wait "$pid" || fail "$locale: the board ended with $?"
    tested=$((tested + 1))
done
[ "$tested" -ge 1 ] || fail "no locale to test in"
echo "the board's temperature field: all checks passed in $tested locales"
