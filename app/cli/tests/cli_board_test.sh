#!/usr/bin/env bash
# velmora-cli as a user runs it: the built program against velmora-board on
# a pseudo-terminal, through a name made to lead to it. Help and usage, a
# session the board shows, the port from $VELMORA_PORT, watch in each
# format, Ctrl+C and SIGTERM ending a watch with the port's settings given
# back, a reader that goes away, and a second program kept out.
#   cli_board_test.sh VELMORA_CLI VELMORA_BOARD
set -euo pipefail
cli=$(realpath "$1") board=$(realpath "$2")
work=$(mktemp -d)
boardpid=
cleanup() {
    [ -z "$boardpid" ] || kill "$boardpid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"

start_board() {
    "$board" --no-window --link BOARD "$@" >board.log 2>&1 &
    boardpid=$!
    for _ in $(seq 100); do [ -s board.log ] && break; sleep 0.05; done
    [ -L BOARD ] || fail "the board did not start: $(cat board.log)"
}
stop_board() {
    kill -INT "$boardpid"
    wait "$boardpid" || true
    boardpid=
}
# Runs the CLI; its status in $rc, its output in out and err.
run() {
    rc=0
    "$cli" "$@" >out 2>err || rc=$?
}

# Help, version and wrong usage.
run --help
[ $rc = 0 ] && grep -q '^usage: velmora-cli' out && [ ! -s err ] || fail "--help: $rc $(cat err)"
run --version
[ $rc = 0 ] && grep -Eqx 'velmora-cli [0-9.]+' out || fail "--version: $rc $(cat out)"
run led 5 on
[ $rc = 2 ] && [ ! -s out ] && grep -q '^usage: velmora-cli' err || fail "wrong usage: $rc $(cat err)"

# A session: what the board shows after it, and the readings printed.
start_board --temp 21.5 --analog 700
tty=$(head -n 1 board.log)
settings=$(stty -F "$tty" -g)
run -p BOARD layout row 1 "Ciao è" row 2 Velmora led 1 on led 4 on buzzer on temp analog
[ $rc = 0 ] || fail "session: $rc $(cat err)"
[ "$(cat out)" = $'21.5\n700' ] || fail "session printed: $(cat out)"
[ ! -s err ] || fail "session warned: $(cat err)"
[ "$(stty -F "$tty" -g)" = "$settings" ] || fail "the session left the port's settings changed"

# The port from the environment; --raw gives the reply as it came.
VELMORA_PORT=BOARD run --raw temp analog
[ $rc = 0 ] && [ "$(cat out)" = $' 21.5°C\n0700' ] || fail "VELMORA_PORT --raw: $rc $(cat out) $(cat err)"

time_re='[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}'
run -p BOARD watch -i 0.1 -n 3 --csv
[ $rc = 0 ] && [ "$(head -n 1 out)" = time,temperature_c,analog ] || fail "csv: $rc $(cat out)"
[ "$(tail -n +2 out | grep -Ecx "$time_re,21.5,700")" = 3 ] || fail "csv lines: $(cat out)"
run -p BOARD watch -n 2 -i 0.1 --json
[ "$(grep -Ecx "\{\"time\": \"$time_re\", \"temperature_c\": 21.5, \"analog\": 700\}" out)" = 2 ] ||
    fail "json: $rc $(cat out)"

# Ctrl+C and SIGTERM end an endless watch: status 0, readings flushed, the
# port's settings back and the port free for the next program.
for signal in INT TERM; do
    "$cli" -p BOARD watch -i 0.1 >watch.out 2>watch.err &
    pid=$!
    for _ in $(seq 100); do [ "$(wc -l <watch.out)" -ge 2 ] && break; sleep 0.05; done
    # Meanwhile a second program is kept out.
    run -p BOARD analog
    [ $rc = 1 ] && grep -q 'busy: another program holds the port' err || fail "second opener: $rc $(cat err)"
    kill -"$signal" "$pid"
    rc=0
    wait "$pid" || rc=$?
    [ $rc = 0 ] || fail "SIG$signal: status $rc $(cat watch.err)"
    [ "$(grep -Ecx "$time_re"$'\t21.5\t700' watch.out)" -ge 2 ] || fail "SIG$signal: $(cat watch.out)"
    [ "$(stty -F "$tty" -g)" = "$settings" ] || fail "SIG$signal left the port's settings changed"
    run -p BOARD analog
    [ $rc = 0 ] || fail "the port was not free after SIG$signal: $(cat err)"
done

# A reader that leaves (| head) ends the watch without a signal's death.
rc=0
"$cli" -p BOARD watch -i 0.05 2>pipe.err | head -n 1 >/dev/null || rc=$?
grep -q 'cannot write the output' pipe.err || fail "a closed pipe: $(cat pipe.err)"
[ "$(stty -F "$tty" -g)" = "$settings" ] || fail "a closed pipe left the port's settings changed"

stop_board
grep -q '^row 1: |Ciao è          ' board.log || fail "row 1: $(cat board.log)"
grep -q '^row 2: |Velmora         ' board.log || fail "row 2: $(cat board.log)"
grep -q '^LED: 1 0 0 1 BUZ: 1' board.log || fail "outputs: $(cat board.log)"

# A board that never answers.
start_board --reply never
run -p BOARD temp
[ $rc = 1 ] && grep -q 'BOARD: the board stopped answering' err || fail "silent board: $rc $(cat err)"
stop_board
echo "velmora-cli against velmora-board: all checks passed"
