#!/usr/bin/env bash
# velmora-cli as a user runs it: the built program against velmora-board on
# a pseudo-terminal, through a name made to lead to it. Help and usage, a
# session the board shows, the port from $VELMORA_PORT, watch in each
# format, with milliseconds under a second apart; INT, TERM, HUP and QUIT
# ending a watch, and a reader that closes the pipe, each with the port's
# settings given back; and a second program kept out.
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

# watch in each format: a reading a line, its time in ISO 8601 with the
# offset; under a second apart the times carry milliseconds, so each differs.
second='[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}' zone='[+-][0-9]{2}:[0-9]{2}'
declare -A option=([plain]= [csv]=--csv [json]=--json)
declare -A line=([plain]=$'@T@\t21.5\t700' [csv]='@T@,21.5,700'
    [json]='\{"time": "@T@", "temperature_c": 21.5, "analog": 700\}')
# interval|readings|their time
for watch in "0.1|3|$second\.[0-9]{3}$zone" "1|1|$second$zone"; do
    IFS='|' read -r interval count stamp <<<"$watch"
    for format in plain csv json; do
        what="watch -i $interval ${option[$format]}"
        run -p BOARD watch -i "$interval" -n "$count" ${option[$format]}
        [ $rc = 0 ] && [ ! -s err ] || fail "$what: $rc $(cat err)"
        readings=$(grep -Ex "${line[$format]//@T@/$stamp}" out) || fail "$what printed: $(cat out)"
        [ "$(sort -u <<<"$readings" | wc -l)" = "$count" ] || fail "$what: not $count times apart: $(cat out)"
        others=$(grep -vEx "${line[$format]//@T@/$stamp}" out) || true
        [ "$others" = "$([ "$format" != csv ] || echo time,temperature_c,analog)" ] ||
            fail "$what printed besides its readings: $others"
        [ "$format" != csv ] || [ "$(head -n 1 out)" = time,temperature_c,analog ] || fail "csv: $(cat out)"
    done
done

# A stop signal (Ctrl+C, a closed terminal, kill) ends an endless watch:
# status 0, readings flushed, the port's settings back and the port free
# for the next program.
for signal in INT TERM HUP QUIT; do
    "$cli" -p BOARD watch -i 0.1 >watch.out 2>watch.err &
    pid=$!
    for _ in $(seq 100); do [ "$(wc -l <watch.out)" -ge 2 ] && break; sleep 0.05; done
    # Meanwhile a second program is kept out.
    run -p BOARD analog
    [ $rc = 1 ] && grep -q 'busy: another program holds the port' err || fail "second opener: $rc $(cat err)"
    kill -"$signal" "$pid"
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        fail "SIG$signal did not end the watch"
    fi
    rc=0
    wait "$pid" || rc=$?
    [ $rc = 0 ] || fail "SIG$signal: status $rc $(cat watch.err)"
    [ "$(grep -Ecx "$second\.[0-9]{3}$zone"$'\t21.5\t700' watch.out)" -ge 2 ] || fail "SIG$signal: $(cat watch.out)"
    [ "$(stty -F "$tty" -g)" = "$settings" ] || fail "SIG$signal left the port's settings changed"
    run -p BOARD analog
    [ $rc = 0 ] || fail "the port was not free after SIG$signal: $(cat err)"
done

# A reader that has read all it wants and closes the pipe (| head) has
# finished: the watch ends quietly with status 0, the port's settings back
# and the port free.
for reader in "watch -n 5|2" "watch -i 0.05|1"; do
    IFS='|' read -r command lines <<<"$reader"
    { rc=0; "$cli" -p BOARD $command 2>pipe.err || rc=$?; echo $rc >pipe.rc; } | head -n "$lines" >pipe.out
    [ "$(cat pipe.rc)" = 0 ] && [ ! -s pipe.err ] || fail "$command | head: $(cat pipe.rc) $(cat pipe.err)"
    [ "$(wc -l <pipe.out)" = "$lines" ] || fail "$command | head printed: $(cat pipe.out)"
    [ "$(stty -F "$tty" -g)" = "$settings" ] || fail "$command | head left the port's settings changed"
    run -p BOARD analog
    [ $rc = 0 ] || fail "the port was not free after $command | head: $(cat err)"
done

stop_board
grep -q '^row 1: |Ciao è          ' board.log || fail "row 1: $(cat board.log)"
grep -q '^row 2: |Velmora         ' board.log || fail "row 2: $(cat board.log)"
grep -q '^LED: 1 0 0 1 BUZ: 1' board.log || fail "outputs: $(cat board.log)"

# check with its trace: every check passes, and the bytes the trace says
# were sent are those the board logged, in order.
start_board
run -p BOARD --trace check -n 2 --outputs
[ $rc = 0 ] && [ "$(grep -c '^PASS ' out)" = 5 ] && [ "$(wc -l <out)" = 5 ] || fail "check: $rc $(cat out err)"
stop_board
sent=$(sed -n 's/^[0-9:.]*  sent  *".*"  .*  \[\([0-9A-F ]*\)\]$/\1/p' err)
logged=$(grep -E '^([0-9A-F]{2} )+$' board.log)
[ -n "$sent" ] && [ "$(echo $sent)" = "$(echo $logged)" ] || fail "trace sent '$(echo $sent)', the board got '$(echo $logged)'"
grep -q '^LED: 0 0 0 0 BUZ: 0' board.log || fail "check --outputs left an output on: $(cat board.log)"

# A firmware that ends each reply with CR LF fails check, named; find still
# knows the board by its first reply's 4 digits, and not /dev/null.
start_board --reply crlf
run -p BOARD check -n 1
[ $rc = 1 ] && grep -q '^FAIL nothing unasked: .*after Analog input read "a": "<0D><0A>"' out ||
    fail "check against crlf: $rc $(cat out err)"
run find BOARD /dev/null
[ $rc = 0 ] && [ "$(cat out)" = BOARD ] && grep -q '^velmora-cli: /dev/null: skipped: not a serial port$' err ||
    fail "find: $rc $(cat out err)"
stop_board

# A board that never answers.
start_board --reply never
run -p BOARD temp
[ $rc = 1 ] && grep -q 'BOARD: the board stopped answering' err || fail "silent board: $rc $(cat err)"
stop_board
echo "velmora-cli against velmora-board: all checks passed"
