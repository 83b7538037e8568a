#!/usr/bin/env bash
# Start-up, memory and idle wake-ups of velmora and velmora-board against a
# bare wxWidgets dialog with a 1 s timer, all measured in the same run under
# a private Xvfb by measure-gui.sh; then where the start-up of both goes.
# Prints one line per figure with its ratio to the bare dialog. The same
# dialog with GTK's GL probe off is measured too: with the probe gone, it is
# what any GTK window pays before its own controls, the floor for the start.
#   bench/gui.sh [RUNS]      (MEASURE_GUI: path of measure-gui.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
measure=${MEASURE_GUI:-$root/../shared/tools/measure-gui.sh}
[ -f "$measure" ] || { echo "bench/gui.sh: no measure-gui.sh at $measure (set MEASURE_GUI)" >&2; exit 2; }
. "$root/scripts/deps.sh"
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth xdotool x11-utils dbus-x11
build="$root/build-gbench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target velmora velmora-board bare_dialog startup_parts >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
measure_program() {  # label, command...
    local label=$1
    shift
    bash "$measure" -n "$runs" -i 10 -s 3 -o "$out" -l "$label" -- "$@" >"$out/$label.log" 2>&1 ||
        { cat "$out/$label.log" >&2; exit 1; }
}
measure_program bare_dialog "$build/bare_dialog"
measure_program bare_gl_off env GDK_GL=disable "$build/bare_dialog"
measure_program velmora "$build/velmora"
measure_program velmora-board "$build/velmora-board"

# The median of one figure of one program, from measure-gui's summary.
median() { awk -F'|' -v m="$2" '$2 ~ "^ *"m" *$" {gsub(/ /, "", $3); print $3}' "$out/$1.summary.md"; }
line() {  # figure, unit, goal for the ratio, scale of the value
    local figure=$1 unit=$2 goal=$3 scale=${4:-1} base prog value
    base=$(median bare_dialog "$figure")
    printf '%-10s bare dialog %9s %s\n' "$figure" "$(awk -v v="$base" -v s="$scale" 'BEGIN {printf "%.1f", v / s}')" "$unit"
    for prog in bare_gl_off velmora velmora-board; do
        value=$(median "$prog" "$figure")
        awk -v p="$prog" -v f="$figure" -v v="$value" -v b="$base" -v s="$scale" -v u="$unit" \
            -v g="$([ "$prog" = bare_gl_off ] && echo "-" || echo "$goal")" \
            'BEGIN {printf "%-10s %-13s %7.1f %s  ratio %.2f  (goal <= %s)\n", f, p, v / s, u, (b > 0 ? v / b : 0), g}'
    done
}
echo "medians of $runs runs each, one Xvfb per program"
line start_ms ms 0.65
line rss_kB MiB 0.5 1024
line gl_rss_kB MiB "-" 1024
line wake_s /s 1.1
echo
echo "velmora's start-up, step by step:"
NO_AT_BRIDGE=1 /usr/bin/python3 "$root/scripts/driver/drive.py" display -- "$build/startup_parts"
