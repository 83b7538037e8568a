#!/usr/bin/env bash
# The README's installing commands in a build folder of their own, and the
# .deb that CPack makes from it: what it installs, what it depends on,
# desktop entries that validate, a README whose pictures are where its
# links lead, programs that give the package's version, the MIT licence,
# the software centres' metainfo with the desktop entry it names, and the
# checks of Debian (lintian --pedantic) and AppStream (appstreamcli
# --pedantic) with nothing reported.
#   package_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$(realpath -m "$1") src=$(realpath "$2") version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$src"/res/desktop/*.desktop || fail "a desktop entry does not validate"
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF >/dev/null || fail "configure failed"
cmake --build "$build" -j"$(nproc)" >"$out/build.log" 2>&1 || { tail -30 "$out/build.log"; fail "build failed"; }
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack failed"
deb=$(ls "$out"/velmora_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
doc=./usr/share/doc/velmora
for want in ./usr/bin/velmora ./usr/bin/velmora-board ./usr/bin/velmora-cli \
    ./usr/share/applications/org.velmora.velmora.desktop ./usr/share/applications/velmora-board.desktop \
    ./usr/share/metainfo/org.velmora.velmora.metainfo.xml \
    ./usr/share/man/man1/velmora.1.gz ./usr/share/man/man1/velmora-board.1.gz \
    ./usr/share/man/man1/velmora-cli.1.gz \
    $doc/README.md $doc/copyright $doc/changelog.gz; do
    grep -qx "$want" <<<"$files" || fail "the package lacks $want"
done
for size in 16 32 48 64 128 256; do
    icon=./usr/share/icons/hicolor/${size}x${size}/apps/velmora.png
    grep -qx "$icon" <<<"$files" || fail "the package lacks $icon"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q libwxgtk3.2 <<<"$depends" || fail "no dependency on wxWidgets: $depends"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong version"

dpkg-deb -x "$deb" "$out/root"
# Every picture the installed README shows is installed where its link leads.
links=$(grep -oE '!\[[^]]*\]\([^)]+\)' "$out/root/$doc/README.md" | sed -E 's/.*\(([^)]+)\)/\1/')
[ -n "$links" ] || fail "the README shows no pictures"
for link in $links; do
    [ -f "$out/root/$doc/$link" ] || fail "the installed README's picture $link is not at $doc/$link"
done
size=$(stat -c %s "$out/root/usr/share/icons/hicolor/256x256/apps/velmora.png")
[ "$size" -lt 16384 ] || fail "the 256 px icon takes $size bytes"
for program in velmora velmora-board velmora-cli; do
    got=$(env -u DISPLAY "$out/root/usr/bin/$program" --version)
    [ "$got" = "$program $version" ] || fail "$program --version says '$got'"
done

grep -qx 'License: Expat' "$out/root/$doc/copyright" || fail "the copyright file does not give the MIT (Expat) licence"
metainfo=$out/root/usr/share/metainfo/org.velmora.velmora.metainfo.xml
appstreamcli validate --pedantic --no-net "$metainfo" >"$out/appstream.log" 2>&1 \
    || { cat "$out/appstream.log"; fail "appstreamcli does not accept the metainfo"; }
grep -q 'successful\.$' "$out/appstream.log" || { cat "$out/appstream.log"; fail "appstreamcli reports something"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo does not name release $version"
id=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -f "$out/root/usr/share/applications/$id" ] || fail "the metainfo names $id, which is not installed"

lintian --pedantic --fail-on error,warning "$deb" | tee "$out/lintian.log" \
    || fail "lintian reports errors or warnings"
grep -qE '^[EW]: ' "$out/lintian.log" && fail "lintian reports errors or warnings"
echo "package $(basename "$deb"): all checks passed"
