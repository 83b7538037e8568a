#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and
# runs every test. Screenshots land in build-test/screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/deps.sh"
install_missing "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev \
    xvfb xauth xdotool x11-utils imagemagick
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j2
