#!/usr/bin/env bash
# Installs what is missing, builds, and opens the panel beside the
# simulated board: press "On" and the panel talks to it. Closing the panel
# ends the board too. scripts/tests/run_test.sh drives it under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/deps.sh"
install_missing "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)"
exec "$root/scripts/launch.sh" "$root/build"
