#!/usr/bin/env bash
# What a paint of the trend window costs with ten minutes of points and with
# a full day, for each span, on a private Xvfb. Prints milliseconds and the
# ratio of the day to the ten minutes.
#   bench/paint.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/deps.sh"
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth
build="$root/build-gbench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target trend_paint >/dev/null
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
trap 'kill $xvfb 2>/dev/null || true' EXIT
DISPLAY=:$display "$build/trend_paint"
