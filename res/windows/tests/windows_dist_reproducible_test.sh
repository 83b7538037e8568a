#!/usr/bin/env bash
# windows_dist.sh twice on the same programs and SOURCE_DATE_EPOCH, from
# folders with paths of different lengths, in different time zones and
# umasks, a second apart: the zip and the installer come out byte for byte
# the same, and the zip's files carry the time SOURCE_DATE_EPOCH in UTC.
#   windows_dist_reproducible_test.sh VELMORA_EXE VELMORA_CLI_EXE ICON VERSION
set -euo pipefail
dist=$(cd "$(dirname "$0")/.." && pwd)/windows_dist.sh
exe=$(realpath "$1") cli=$(realpath "$2") icon=$(realpath "$3") version=$4
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export SOURCE_DATE_EPOCH=1700000000   # 2023-11-14 22:13:20 UTC

(umask 022 && TZ=UTC bash "$dist" "$out/a" "$version" "$exe" "$cli" "$icon")
sleep 1
(umask 077 && TZ=Pacific/Kiritimati bash "$dist" "$out/a-much-longer-folder/b" "$version" "$exe" "$cli" "$icon")
for file in "velmora-$version-win64.zip" "velmora-$version-win64-setup.exe"; do
    cmp "$out/a/$file" "$out/a-much-longer-folder/b/$file" || fail "$file differs between the two runs"
done
times=$(TZ=Asia/Tokyo zipinfo -T "$out/a/velmora-$version-win64.zip" | awk '/^-/ {print $7}' | sort -u)
[ "$times" = 20231114.221320 ] || fail "the zip's files carry the times $times"
echo "windows_dist.sh: both runs gave the same files"
