#!/usr/bin/env bash
# Starts the simulated board and the panel from the binaries in BIN_DIR, in
# a working folder where the panel's default port name "COM3" leads to the
# board; "On" with the defaults connects. Ends the board with the panel.
#   launch.sh BIN_DIR [WORK_DIR]
set -euo pipefail
bin=$(realpath "$1")
work=$(realpath -m "${2:-$bin/run}")
mkdir -p "$work"
cd "$work"
"$bin/velmora-board" --link COM3 >board.log 2>&1 &
board=$!
trap 'kill $board 2>/dev/null; wait $board 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
[ -L COM3 ] || { cat board.log >&2; exit 1; }
"$bin/velmora"
