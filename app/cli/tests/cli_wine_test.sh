#!/usr/bin/env bash
# velmora-cli.exe under Wine, COM8 mapped to the simulated board's
# pseudo-terminal in the Wine prefix: a session the board shows, the
# readings printed, the version, wrong usage and a port that is not there;
# output to a file as UTF-8 bytes, and to a console as the characters; and
# a watch whose reader closes the pipe ending quietly; check passing, and
# find telling the board's port from one that is not there.
#   cli_wine_test.sh VELMORA_CLI_EXE VELMORA_BOARD
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to an initialised prefix}"
export WINEDEBUG=-all
# Wine turns the command line into UTF-16 by the Unix locale: "è" must
# arrive as one character whatever locale the test runs in.
export LC_ALL=C.UTF-8
cli=$1
log=$(mktemp) out=$(mktemp) err=$(mktemp)
"$2" --no-window --temp 21.5 --analog 700 >"$log" 2>&1 &
board=$!
trap 'kill $board 2>/dev/null || true; rm -f "$log" "$out" "$err" "$err.status" "$WINEPREFIX/dosdevices/com8"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for _ in $(seq 50); do [ -s "$log" ] && break; sleep 0.1; done
ln -sfn "$(head -1 "$log")" "$WINEPREFIX/dosdevices/com8"
# Runs the program; its status in $rc, its output without the console's
# carriage returns in out and err.
run() {
    rc=0
    wine "$cli" "$@" >"$out" 2>"$err" || rc=$?
    sed -i 's/\r$//' "$out" "$err"
}

run --version
[ $rc = 0 ] && grep -Eqx 'velmora-cli [0-9.]+' "$out" || fail "--version: $rc $(cat "$out" "$err")"
run led 9 on
[ $rc = 2 ] && grep -q '^usage: velmora-cli' "$err" || fail "wrong usage: $rc $(cat "$err")"
run -p COM99 layout
[ $rc = 1 ] && grep -q 'COM99: no such port' "$err" || fail "COM99: $rc $(cat "$err")"

run -p COM8 layout row 1 "Ciao è" led 2 on buzzer on temp analog
[ $rc = 0 ] || fail "session: $rc $(cat "$err")"
[ "$(cat "$out")" = $'21.5\n700' ] || fail "session printed: $(cat "$out")"
VELMORA_PORT=COM8 run watch -n 2 -i 0.1 --csv
[ $rc = 0 ] && [ "$(grep -c ',21.5,700$' "$out")" = 2 ] || fail "watch: $rc $(cat "$out" "$err")"

# Redirected, stdout and stderr carry the UTF-8 bytes, lines ended as
# Windows text files end them.
rc=0
wine "$cli" -p COM8 --raw temp >"$out" 2>"$err" || rc=$?
[ $rc = 0 ] && cmp -s "$out" <(printf ' 21.5\xc2\xb0C\r\n') || fail "--raw temp to a file: $rc $(od -c "$out")"
rc=0
wine "$cli" -p COMè layout >"$out" 2>"$err" || rc=$?
[ $rc = 1 ] && cmp -s "$err" <(printf 'velmora-cli: COM\xc3\xa8: no such port\r\n') ||
    fail "COMè to a file: $rc $(od -c "$err")"
# On a console (Wine makes one on a terminal: script's), the same text
# shows as characters, which Wine's console hands the terminal in UTF-8
# between its cursor moves.
on_console() {
    script -qec "wine $(printf '%q ' "$cli" "$@")" /dev/null </dev/null >"$out" 2>&1 || true
    sed -i 's/\x1b\[[0-9;?]*[A-Za-z]//g; s/\r//g' "$out"
}
on_console -p COM8 --raw temp
grep -q '21\.5°C' "$out" || fail "--raw temp on a console: $(od -c "$out")"
on_console -p COMè layout
grep -q 'COMè:nosuchport' <(tr -d ' ' <"$out") || fail "COMè on a console: $(od -c "$out")"
# A reader that has all it wants (| head) ends an endless watch: status 0,
# nothing on stderr.
{ rc=0; timeout 60 wine "$cli" -p COM8 watch -i 0.1 2>"$err" || rc=$?; echo $rc >"$err.status"; } |
    head -n 2 >"$out"
[ "$(cat "$err.status")" = 0 ] && [ ! -s "$err" ] || fail "watch | head: $(cat "$err.status") $(cat "$err")"
[ "$(grep -c $'\t21.5\t700' "$out")" = 2 ] || fail "watch | head printed: $(cat "$out")"

run -p COM8 --trace check -n 1
[ $rc = 0 ] && [ "$(grep -c '^PASS ' "$out")" = 5 ] && grep -q '  sent       "a"  Analog input read  \[61\]$' "$err" ||
    fail "check: $rc $(cat "$out" "$err")"
run find COM99 COM8
[ $rc = 0 ] && [ "$(cat "$out")" = COM8 ] && grep -q '^velmora-cli: COM99: skipped: no such port$' "$err" ||
    fail "find: $rc $(cat "$out" "$err")"
# With no port named, find asks every port the serial drivers publish.
# Wine publishes only the ttyS ports it found, so COM8 is published here,
# in the same Wine session as the find (the key lives as long as it).
rc=0
wine cmd /c "reg add HKLM\\HARDWARE\\DEVICEMAP\\SERIALCOMM /v \\Device\\VelmoraTest /d COM8 /f >nul && $(winepath -w "$cli") find" \
    >"$out" 2>"$err" || rc=$?
sed -i 's/\r$//' "$out" "$err"
[ $rc = 0 ] && grep -qx COM8 "$out" || fail "find with no port named: $rc $(cat "$out" "$err")"

kill -INT $board
wait $board || true
grep -q '^row 1: |Ciao è          ' "$log" || fail "row 1: $(cat "$log")"
grep -q '^LED: 0 1 0 0 BUZ: 1' "$log" || fail "outputs: $(cat "$log")"
echo "velmora-cli.exe under Wine: all checks passed"
