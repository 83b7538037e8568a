#!/usr/bin/env bash
# Memory while polling: the real panel, connected to the simulated board
# with both "Acquisisci" pressed, for MINUTES (10) under its own Xvfb; its
# resident memory sampled every SECONDS (30), then the growth from the
# first sample to the last. Driven through the accessibility bus.
#   bench/soak.sh [MINUTES] [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-10} every=${2:-30}
. "$root/scripts/deps.sh"
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth python3-pyatspi at-spi2-core dbus-daemon
build="$root/build-gbench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target velmora velmora-board >/dev/null

if [ -z "${SOAK_INSIDE:-}" ]; then
    export SOAK_INSIDE=1
    exec /usr/bin/python3 "$root/scripts/driver/drive.py" display --bus -- "$0" "$minutes" "$every"
fi

work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
# A look the bus never answers (a program busy starting) costs one try.
atspi="timeout 10 /usr/bin/python3 $root/app/wx/tests/atspi_panel.py velmora"
cd "$work"
"$build/velmora-board" --no-window --link COM3 >board.log 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -L COM3 ] && break; sleep 0.1; done
"$build/velmora" >velmora.log 2>&1 &
app=$!
pids+=("$app")
for _ in $(seq 50); do $atspi >/dev/null 2>&1 && break; sleep 0.2; done
$atspi do On
sleep 1
$atspi do "Acquisisci temperatura"
$atspi do "Acquisisci ingresso analogico"
sleep 3
# The reading right of the label $1.
shown() { $atspi readout "$1" 2>/dev/null; }
echo "polling: temperature '$(shown Temperatura:)', analog '$(shown "Ingresso analogico:")'"
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$app/status"; }
first=$(rss) peak=$first
echo "t(s)  RSS(kB)"
start=$SECONDS
while [ $((SECONDS - start)) -lt $((minutes * 60)) ]; do
    sleep "$every"
    kill -0 "$app" 2>/dev/null || { echo "the panel ended" >&2; exit 1; }
    now=$(rss)
    [ "$now" -gt "$peak" ] && peak=$now
    printf '%5d  %7d\n' $((SECONDS - start)) "$now"
done
echo "still polling: temperature '$(shown Temperatura:)', analog '$(shown "Ingresso analogico:")'"
echo "RSS first ${first} kB, last ${now} kB, peak ${peak} kB: growth $((now - first)) kB over $minutes min"
