#!/usr/bin/env bash
# velmora-board as a process, with no display: --help and --version, bad
# values refused with exit status 2, a name that is not a symbolic link
# left as it is, and on HUP, INT and TERM the link removed and the final
# state printed. A reply set a minute late does not hold the board.
#   board_process_test.sh VELMORA_BOARD VERSION
set -uo pipefail
board=$(realpath "$1") version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$board" "$@" >out 2>err; }

# args | exit status | stdout has | stderr has ("" for empty)
while IFS='|' read -r args status want_out want_err; do
    # shellcheck disable=SC2086
    run $args
    got=$?
    [ "$got" -eq "$status" ] || fail "velmora-board $args: exit $got, not $status"
    if [ -n "$want_out" ]; then grep -qF -- "$want_out" out || fail "velmora-board $args: stdout lacks '$want_out'"
    else [ ! -s out ] || fail "velmora-board $args: stdout not empty: $(cat out)"; fi
    if [ -n "$want_err" ]; then grep -qF -- "$want_err" err || fail "velmora-board $args: stderr lacks '$want_err'"
    else [ ! -s err ] || fail "velmora-board $args: stderr not empty: $(cat err)"; fi
done <<TABLE
--help|0|usage: velmora-board|
--version|0|velmora-board $version|
--reply late=-1|2||bad value 'late=-1' for --reply
--reply late=abc|2||usage: velmora-board
--reply slow=60001|2||bad value 'slow=60001' for --reply
--reply chatty=5|2||bad value 'chatty=5' for --reply
--analog abc|2||bad value 'abc' for --analog
--analog 1024|2||bad value
--temp nan|2||bad value 'nan' for --temp
--temp 200|2||bad value
--frobnicate|2||unknown option
--link|2||--link needs a value
TABLE

# A regular file, a folder and a FIFO at the link's name stay as they are.
echo precious >COM3
run --no-window --link COM3
[ $? -eq 2 ] || fail "a regular file at the link's name: not exit 2"
grep -q "COM3 exists and is not a symbolic link" err || fail "no clear message for a regular file: $(cat err)"
[ "$(cat COM3)" = precious ] || fail "the regular file was changed"
rm COM3
for make in "mkdir COM3" "mkfifo COM3"; do
    $make
    run --no-window --link COM3
    [ $? -eq 2 ] || fail "$make: not exit 2"
    [ ! -L COM3 ] && [ -e COM3 ] || fail "$make: it was replaced"
    rm -rf COM3
done

# Each stop signal: the link goes, the state is printed, the exit is clean.
for sig in HUP INT TERM; do
    env -u DISPLAY "$board" --no-window --link COM3 --reply late=60000 >out 2>err &
    pid=$!
    for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
    [ -L COM3 ] || fail "$sig: no link made"
    printf a >"$(head -1 out)"   # an analog read, to be answered a minute late
    sleep 0.3
    kill -s "$sig" "$pid"
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "$sig: still running 2 s later"
        kill -9 "$pid"
    fi
    wait "$pid"
    status=$?
    [ "$status" -eq 0 ] || fail "$sig: exit $status"
    [ ! -e COM3 ] && [ ! -L COM3 ] || fail "$sig: the link was left behind"
    grep -q '^LED: 0 0 0 0 BUZ: 0$' out || fail "$sig: no final state printed"
done

# Two boards on one name: the first to end leaves the second's link.
env -u DISPLAY "$board" --no-window --link COM3 >first 2>&1 &
first=$!
for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
env -u DISPLAY "$board" --no-window --link COM3 >second 2>&1 &
second=$!
for _ in $(seq 50); do [ "$(readlink COM3)" = "$(head -1 second 2>/dev/null)" ] && break; sleep 0.1; done
kill "$first"; wait "$first"
[ "$(readlink COM3)" = "$(head -1 second)" ] || fail "the first board to end took the second's link"
kill "$second"; wait "$second"
[ ! -L COM3 ] || fail "the second board left its link"

[ "$failed" -eq 0 ] && echo "velmora-board as a process: all checks passed"
exit "$failed"
