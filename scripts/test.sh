#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors (the
# Linux build and, with mingw-w64, the Windows one), and runs every test,
# the Windows ones under Wine. Screenshots land in build-test/screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/deps.sh"
install_missing "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev googletest \
    xvfb xauth xdotool x11-utils imagemagick g++-mingw-w64-x86-64-posix wine64 \
    dpkg-dev desktop-file-utils
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_WINDOWS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j2
