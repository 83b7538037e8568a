#!/usr/bin/env bash
# velmora.exe under Wine on an X display (run it under xvfb-run), its COM3
# mapped to the simulated board's pseudo-terminal in the Wine prefix. The
# same session of clicks runs against the Linux build too, and the bytes at
# the board must be the same. The About box opens centred on the panel
# (dialog_tests.exe checks that the panel opens centred on the screen). Screenshots of the window and the About box
# go to the folder given last.
#   velmora_wine_test.sh VELMORA_EXE VELMORA_LINUX VELMORA_BOARD SCREENSHOT_DIR
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
exe=$(realpath "$1") linux=$(realpath "$2") board=$(realpath "$3") shots=$(realpath -m "$4")
mkdir -p "$shots"
wine_window_test

# One session: connect, LED 1, row 1, both acquisitions, one tick, disconnect.
# Prints what the board received, one line a read, in hex.
session() {
    local name=$1; shift
    "$board" --no-window --link "$work/COM3" >"$work/$name.board" 2>&1 &
    local bpid=$!
    for _ in $(seq 50); do [ -L "$work/COM3" ] && break; sleep 0.1; done
    ln -sfn "$(readlink "$work/COM3")" "$WINEPREFIX/dosdevices/com3"
    (cd "$work" && exec "$@") >"$work/$name.log" 2>&1 &
    local app=$!
    pids+=("$bpid" "$app")
    # A new prefix's first window takes Wine a while (fonts, registry).
    win=$(window Velmora 90) || fail "$name: no window titled Velmora"
    sleep 1
    click_dlu "$win" 101 17 50 14   # "&On"
    click_dlu "$win" 191 153 26 12  # "LED 1"
    click_dlu "$win" 257 73 50 14   # row 1 "Aggiorna"
    click_dlu "$win" 126 165 46 10  # analog "Acquisisci"
    click_dlu "$win" 126 152 46 10  # temperature "Acquisisci"
    for _ in $(seq 40); do grep -q '^61 $' "$work/$name.board" && grep -q '74 $' "$work/$name.board" && break; sleep 0.1; done
    [ -n "$(named velmora)" ] && fail "$name: a message box is open"
    import -window "$win" "$shots/$name-connected.png"
    click_dlu "$win" 169 17 50 14   # "Off"
    if [ "$name" = windows ]; then
        # The real system menu: Alt+Space, then the About item's mnemonic.
        xdotool key alt+space
        sleep 0.5
        xdotool key i
        about=$(window "Informazioni sul Velmora" 10) || fail "no About box from the system menu"
        sleep 0.5
        read -r px py pw ph <<<"$(geometry "$win")"
        centre "$about" $((px + pw / 2)) $((py + ph / 2)) \
            || fail "the About box is not centred on the panel: $(geometry "$about") on $px $py $pw $ph"
        import -window "$about" "$shots/windows-about.png"
        xdotool windowfocus --sync "$about" 2>/dev/null || true
        xdotool key Return
        gone "Informazioni sul Velmora" || fail "Enter did not close the About box"
    fi
    click_dlu "$win" 258 171 50 16  # "&Chiudi"
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "$name: \"Chiudi\" did not end the program"
    kill "$bpid"
    wait "$bpid" 2>/dev/null || true
    grep -E "^([0-9A-F]{2} )+\$" "$work/$name.board"  # the reads, not the path or the final state
}

# "X Y WIDTH HEIGHT" of a window's client area (with no window manager,
# Wine's X windows leave out the caption; both boxes have the same one).
geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X $Y $WIDTH $HEIGHT"
}
# Whether window $1's centre is within 4 pixels of ($2, $3).
centre() {
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    local dx=$((x + w / 2 - $2)) dy=$((y + h / 2 - $3))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]
}

# The poll may tick any number of times: "a", "T", "t" lines stand for it.
traffic() { tr -d '\n' | sed -E 's/(61 |54 |74 )+$/<poll>/'; }

win=
windows=$(session windows wine "$exe" | traffic)
linux=$(session linux "$linux" | traffic)
echo "windows: $windows"
echo "linux:   $linux"
want="4C 45 44 62 31 6F 6E 6C 11 77 52 69 67 61 20 31 20 20 20 20 20 20 20 20 20 20 <poll>"
[ "$windows" = "$want" ] || fail "the Windows build sent other bytes than expected"
[ "$windows" = "$linux" ] || fail "the two builds sent different bytes"
echo "velmora.exe under Wine: all checks passed"
