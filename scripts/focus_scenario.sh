# The focus while the board leaves and comes back, as the window tests of
# both builds check it; sourced after x11_helpers.sh. The test defines:
#   $win                   the panel's window, started and connected
#   ON ROW1 CHIUDI CLOCK   those controls as its reader names them
#   field ID N             field N (2 enabled, 4 text) of control ID
#   focus_in               the control with the focus, as its reader says
#   plug / pull            a new board under the same name / the board ending

# With no window manager nobody makes the panel the active window again
# when a box closes: the test does, as a window manager would.
activate() { xdotool windowfocus --sync "$win" 2>/dev/null || true; }
focused() { activate; focus_in; }
keys() { activate; xdotool key --delay 80 "$@"; sleep 0.4; }
# Types $1 slowly into what has the focus, then lets a tick pass.
type_slowly() { activate; xdotool type --delay 150 -- "$1"; sleep 1.6; }

# Waits up to 5 s for row 1's editor to be enabled ($1 1) or disabled ($1 0).
row1_enabled() {
    for _ in $(seq 25); do [ "$(field "$ROW1" 2)" = "$1" ] && return 0; sleep 0.2; done
    return 1
}

# Closes the box captioned velmora with Space, unread, as in the report.
space_on_box() {
    local box
    box=$(window velmora) || fail "no box captioned velmora: $1"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key space
    gone velmora || fail "Space did not close the box: $1"
}

# While the board is away row 1 is disabled and the focus waits on the next
# control; when the panel has connected again by itself, it is row 1's.
across_the_reconnect() {
    row1_enabled 0 || fail "row 1 is still enabled after the board left ($1)"
    [ "$(focused)" = "$CHIUDI" ] ||
        fail "with row 1 disabled the focus is on '$(focused)', not on Chiudi ($1)"
    plug
    row1_enabled 1 || fail "the panel did not connect again when the board came back ($1)"
    [ "$(focused)" = "$ROW1" ] || fail "after the reconnect the focus is on '$(focused)', not on row 1 ($1)"
}

focus_scenario() {
    # The report's case: "ciao " typed, the board pulled, the box closed with Space.
    click_dlu "$win" 14 73 234 14
    keys End shift+Home BackSpace
    type_slowly "ciao "
    pull
    space_on_box "the board was pulled"
    across_the_reconnect "the board was pulled"
    type_slowly "mondo"
    type_slowly " bello"
    local got
    got=$(field "$ROW1" 4)
    [ "$got" = "ciao mondo bello" ] || fail "row 1 reads '$got', not 'ciao mondo bello'"
    [ "$(focused)" = "$ROW1" ] || fail "the focus left row 1 while typing: '$(focused)'"
    echo "typed across the board's leaving and return: '$got'"

    # The About box (from the system menu) open over a board that leaves.
    keys End shift+Home BackSpace
    type_slowly "ciao "
    keys alt+space
    xdotool key i
    local about clock
    about=$(window "Informazioni sul Velmora" 10) || fail "no About box from the system menu"
    clock=$(field "$CLOCK" 4)
    pull
    sleep 2.5
    [ -z "$(named velmora)" ] || fail "a box opened over the About box"
    [ "$(field "$CLOCK" 4)" != "$clock" ] || fail "the clock stood still under the About box"
    [ "$(field "$ON" 2)" = 1 ] || fail "the board's leaving was not acted on under the About box"
    xdotool windowfocus --sync "$about" 2>/dev/null || true
    xdotool key Return
    gone "Informazioni sul Velmora" || fail "Enter did not close the About box"
    space_on_box "the board left under the About box"
    across_the_reconnect "after the About box"
    type_slowly "mondo"
    got=$(field "$ROW1" 4)
    [ "$got" = "ciao mondo" ] || fail "row 1 reads '$got' after the About box, not 'ciao mondo'"
    echo "the box waited for the About box; typing went on: '$got'"
}
