#!/usr/bin/env bash
# The Win32 port backend's tests under Wine, COM7 mapped to the simulated
# board's pseudo-terminal in the Wine prefix.
#   wine_port_test.sh LINK_TESTS_EXE VELMORA_BOARD
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to an initialised prefix}"
export WINEDEBUG=-all
log=$(mktemp)
"$2" --no-window >"$log" 2>&1 &
board=$!
trap 'kill $board 2>/dev/null; rm -f "$log" "$WINEPREFIX/dosdevices/com7"' EXIT
for _ in $(seq 50); do [ -s "$log" ] && break; sleep 0.1; done
ln -sfn "$(head -1 "$log")" "$WINEPREFIX/dosdevices/com7"
VELMORA_TEST_PORT=COM7 wine "$1"
