#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors (the
# Linux build and, with mingw-w64, the Windows one), and runs every test,
# the Windows ones under Wine; then the core and link tests again under the
# address and undefined-behaviour sanitizers. Screenshots land in
# build-test/screenshots. Last, the run command itself under a virtual
# display with a time limit: it builds, shows both windows and is closed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/deps.sh"
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
jobs=$(nproc)

build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_WINDOWS=ON >/dev/null
cmake --build "$build" -j"$jobs"
(cd "$build" && ctest --output-on-failure -j"$jobs")

asan="$root/build-sanitize"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_GUI=OFF \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$asan" -j"$jobs"
(cd "$asan" && ctest --output-on-failure -j"$jobs")

/usr/bin/python3 "$root/scripts/driver/drive.py" display --screen 1260x600 -- timeout 1200 \
    "$root/scripts/tests/run_test.sh" "$root/build/run" 900 "$root/scripts/run.sh"
