#!/usr/bin/env bash
# The real velmora binary ended by a signal (run it under drive.py display): on
# TERM, HUP and INT it runs its close routine, over an open About box,
# menu or message box too, and exits with 0; the simulated board's
# pseudo-terminal is then neither exclusive (TIOCEXCL, which would keep
# the next non-root open out with EBUSY) nor locked. KILL, which no program
# can catch, shows that the check sees a port left exclusive.
#   velmora_signal_test.sh VELMORA VELMORA_BOARD
set -euo pipefail
. "$(dirname "$0")/../../../scripts/x11_helpers.sh"
velmora=$(realpath "$1") board=$(realpath "$2")
window_test

keys() { xdotool windowfocus --sync "$panel" 2>/dev/null || true; xdotool key --delay 50 "$@"; }

# How the port at $1 is left: exclusive, locked or released.
port_state() {
    /usr/bin/python3 - "$1" <<'PY'
import errno, fcntl, os, struct, sys
TIOCGEXCL = 0x80045440
try:
    fd = os.open(sys.argv[1], os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
except OSError as e:
    print("exclusive" if e.errno == errno.EBUSY else f"unopenable: {e}")
    sys.exit()
if struct.unpack("i", fcntl.ioctl(fd, TIOCGEXCL, b"\0" * 4))[0]:
    print("exclusive")
    sys.exit()
try:
    fcntl.flock(fd, fcntl.LOCK_EX | fcntl.LOCK_NB)
    print("released")
except BlockingIOError:
    print("locked")
PY
}

# signal, what is open when it comes, the exit status, the port after.
#   connected: the port held; about: the About box open over a held port;
#   menu: the system menu stand-in open over a held port;
#   box: "Errore in CreateFile!!" open (COM3 leads nowhere), no port held.
cases=(
    "TERM  connected  0    released"
    "HUP   connected  0    released"
    "INT   connected  0    released"
    "TERM  about      0    released"
    "TERM  menu       0    released"
    "TERM  box        0    -"
    "KILL  connected  137  exclusive"
)
cd "$work"
for c in "${cases[@]}"; do
    read -r sig state want_status want_port <<<"$c"
    rm -f COM3
    pts= got=-
    if [ "$state" != box ]; then
        "$board" --no-window --link COM3 >board.log 2>&1 &
        bpid=$!
        pids+=("$bpid")
        for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
        pts=$(readlink COM3)
    fi
    "$velmora" >velmora.log 2>&1 &
    app=$!
    pids+=("$app")
    panel=$(window Velmora) || fail "$sig/$state: no window titled Velmora"
    keys alt+o
    case $state in
    connected) sleep 0.8 ;;
    about)
        sleep 0.8
        keys alt+space
        sleep 0.5
        xdotool key i
        window "Informazioni sul Velmora" >/dev/null || fail "$sig/$state: no About box"
        ;;
    menu)
        sleep 0.8
        keys alt+space
        sleep 0.5
        ;;
    box) window velmora >/dev/null || fail "$sig/$state: no message box after a failed connect" ;;
    esac
    if [ -n "$pts" ]; then
        [ "$(port_state "$pts")" = exclusive ] || fail "$sig/$state: the panel does not hold the port"
    fi
    kill -"$sig" "$app"
    status=0
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "$sig/$state: velmora did not end"
    { wait "$app"; } 2>/dev/null || status=$?  # no "Killed" from the shell
    [ "$status" = "$want_status" ] || fail "$sig/$state: velmora exited with $status, not $want_status"
    if [ -n "$pts" ]; then
        got=$(port_state "$pts")
        [ "$got" = "$want_port" ] || fail "$sig/$state: the port is left $got, not $want_port"
        kill "$bpid"
        wait "$bpid" 2>/dev/null || true
    fi
    echo "$sig with $state: exit $status, port $got"
done
echo "velmora ended by signals: all checks passed"
