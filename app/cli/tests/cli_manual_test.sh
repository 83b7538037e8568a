#!/usr/bin/env bash
# velmora-cli's manual page as `man` shows it: no formatter warning, the
# JSON example whole and valid JSON, the watch heading on one line, and
# every exit status the program has (its kExit constants) told both there
# and in --help.
#   cli_manual_test.sh VELMORA_CLI MAN_SOURCE CLI_RUN_HEADER VERSION
set -euo pipefail
cli=$1 source=$2 header=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The page as installed: the version filled in.
sed "s/@VERSION@/$version/g" "$source" >"$work/velmora-cli.1"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/velmora-cli.1" >"$work/page" 2>"$work/warnings"
[ ! -s "$work/warnings" ] || fail "the formatter warns: $(cat "$work/warnings")"

example=$(sed -n 's/^ *\({"time".*\)$/\1/p' "$work/page")
[ "$(grep -c . <<<"$example")" = 1 ] || fail "not one JSON example line: '$example'"
/usr/bin/python3 -c '
import json, sys
reading = json.loads(sys.argv[1])
assert sorted(reading) == ["analog", "temperature_c", "time"], reading
' "$example" || fail "the JSON example does not parse as a reading: $example"

grep -qx ' *watch \[-i SECONDS\] \[-n COUNT\] \[--csv|--json\]' "$work/page" ||
    fail "the watch heading is not whole on one line: $(grep -A1 '^ *watch' "$work/page")"

# The statuses: the program's, the page's EXIT STATUS and --help's.
program=$(sed -n 's/.*constexpr int kExit[A-Za-z]* = \([0-9]*\);.*/\1/p' "$header" | sort -n | xargs)
page=$(sed -n '/^EXIT STATUS/,/^[A-Z]/s/^       \([0-9][0-9]*\) .*/\1/p' "$work/page" | sort -n | xargs)
"$cli" --help >"$work/help"
help=$(sed -n '/^exit status:/,$s/^  \([0-9][0-9]*\) .*/\1/p' "$work/help" | sort -n | xargs)
[ -n "$program" ] || fail "no exit status constant in $header"
[ "$page" = "$program" ] || fail "the page's EXIT STATUS tells '$page', the program has '$program'"
[ "$help" = "$program" ] || fail "--help tells the statuses '$help', the program has '$program'"
echo "velmora-cli's manual page: all checks passed"
