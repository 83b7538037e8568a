#!/usr/bin/env bash
# The .deb that CPack makes from a build tree: what it installs, what it
# depends on, and desktop entries that validate.
#   package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1") src=$(realpath "$2")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$src"/res/desktop/*.desktop || fail "a desktop entry does not validate"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack failed"
deb=$(ls "$out"/velmora_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for want in ./usr/bin/velmora ./usr/bin/velmora-board \
    ./usr/share/applications/velmora.desktop ./usr/share/applications/velmora-board.desktop \
    ./usr/share/doc/velmora/README.md ./usr/share/doc/velmora/velmora-panel.png \
    ./usr/share/doc/velmora/velmora-with-board.png; do
    grep -qx "$want" <<<"$files" || fail "the package lacks $want"
done
for size in 16 32 48 64 128 256; do
    icon=./usr/share/icons/hicolor/${size}x${size}/apps/velmora.png
    grep -qx "$icon" <<<"$files" || fail "the package lacks $icon"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q libwxgtk3.2 <<<"$depends" || fail "no dependency on wxWidgets: $depends"
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.0.1 ] || fail "wrong version"
echo "package $(basename "$deb"): all checks passed"
