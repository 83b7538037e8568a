#!/usr/bin/env bash
# The run command on an X display (run it under drive.py display, with a time
# limit): both windows show, each with the application icon; closing
# the panel with "Chiudi" ends the command cleanly, and the board removes
# its COM3 link and prints what it shows.
#   run_test.sh WORK_DIR WAIT_SECONDS COMMAND [ARG...]
# WORK_DIR is where the command's board makes COM3; WAIT_SECONDS how long
# the first window may take (the run command may build first).
set -euo pipefail
. "$(dirname "$0")/../x11_helpers.sh"
work=$(realpath -m "$1") wait=$2
shift 2
log=$(mktemp)
fail() {
    echo "FAIL: $*" >&2
    tail -n 30 "$log" | sed 's/^/command: /' >&2
    [ -f "$work/board.log" ] && sed 's/^/board: /' "$work/board.log" >&2
    exit 1
}
[ -n "${DISPLAY:-}" ] || fail "no X display: run under scripts/driver/drive.py display"
# A session of its own, so that whatever it leaves can be ended with it.
setsid "$@" >"$log" 2>&1 &
cmd=$!
trap 'kill -- -$cmd 2>/dev/null || true; rm -f "$log"' EXIT

board=$(window "Velmora - scheda simulata" "$wait") || fail "no board window"
panel=$(window Velmora 30) || fail "no panel window"
echo "both windows shown: board $board, panel $panel"
[ -L "$work/COM3" ] || fail "no COM3 link in $work"
# grep reads all of xprop's output: one that stopped at the first match
# (-q) would break xprop's pipe, which pipefail counts as a failure.
for id in "$board" "$panel"; do
    xprop -id "$id" _NET_WM_ICON | grep '_NET_WM_ICON(CARDINAL) = ' >/dev/null \
        || fail "window $id ($(xdotool getwindowname "$id")) has no icon"
done

xdotool windowfocus --sync "$panel" 2>/dev/null || true
xdotool key alt+c                      # "&Chiudi"
for _ in $(seq 100); do kill -0 "$cmd" 2>/dev/null || break; sleep 0.1; done
kill -0 "$cmd" 2>/dev/null && fail "the command did not end 10 s after \"Chiudi\""
status=0
wait "$cmd" || status=$?
[ "$status" -eq 0 ] || fail "the command exited with $status"
gone "Velmora - scheda simulata" || fail "the board window stayed"
[ ! -L "$work/COM3" ] || fail "the board left its COM3 link"
grep -q '^LED: 0 0 0 0 BUZ: 0$' "$work/board.log" || fail "the board did not print its final state"
echo "run command: both windows shown and closed cleanly"
