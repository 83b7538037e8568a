#!/usr/bin/env bash
# velmora's command line, with no display at all: --help and --version
# answer on stdout without a window, anything else is refused on stderr
# with exit status 2.
#   velmora_cli_test.sh VELMORA VERSION
set -uo pipefail
velmora=$(realpath "$1") version=$2
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# args | exit status | stdout has | stderr has ("" for empty)
while IFS='|' read -r args status want_out want_err; do
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$velmora" $args >"$out" 2>"$err"
    got=$?
    [ "$got" -eq "$status" ] || fail "velmora $args: exit $got, not $status"
    if [ -n "$want_out" ]; then grep -qF -- "$want_out" "$out" || fail "velmora $args: stdout lacks '$want_out'"
    else [ ! -s "$out" ] || fail "velmora $args: stdout not empty: $(cat "$out")"; fi
    if [ -n "$want_err" ]; then grep -qF -- "$want_err" "$err" || fail "velmora $args: stderr lacks '$want_err'"
    else [ ! -s "$err" ] || fail "velmora $args: stderr not empty: $(cat "$err")"; fi
done <<TABLE
--help|0|usage: velmora|
--version|0|velmora $version|
--colour red|2||unknown option '--colour'
--help --version|2||usage: velmora
COM3|2||usage: velmora
TABLE
[ "$failed" -eq 0 ] && echo "velmora's command line: all checks passed"
exit "$failed"
