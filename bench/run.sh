#!/usr/bin/env bash
# Builds the benchmark in Release and prints its figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/deps.sh"
install_missing cmake make g++ pkg-config libgtest-dev
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DVELMORA_GUI=OFF -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON >/dev/null
cmake --build "$root/build-bench" -j"$(nproc)" --target panel_bench
"$root/build-bench/panel_bench"
