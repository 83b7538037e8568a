#!/usr/bin/env bash
# Makes the two Windows downloads from the cross-built programs, in OUT_DIR:
# velmora-VERSION-win64.zip (portable) and velmora-VERSION-win64-setup.exe.
# Both hold velmora.exe, velmora-cli.exe, LICENSE.txt (from LICENSE) and
# README.txt (from res/windows/README.txt), the text files with CRLF for
# Notepad. Every file carries the time SOURCE_DATE_EPOCH (now if unset),
# in UTC, in a fixed order and with no trace of the paths, so the same
# programs and sources give the same bytes wherever and whenever it runs.
#   windows_dist.sh OUT_DIR VERSION VELMORA_EXE VELMORA_CLI_EXE ICON
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$(realpath -m "$1") version=$2
exe=$(realpath "$3") cli=$(realpath "$4") icon=$(realpath "$5")
epoch=${SOURCE_DATE_EPOCH:-$(date +%s)}
name=velmora-$version-win64
files=(velmora.exe velmora-cli.exe LICENSE.txt README.txt)

stage=$out/$name
rm -rf "$stage"
mkdir -p "$stage"
cp "$exe" "$stage/velmora.exe"
cp "$cli" "$stage/velmora-cli.exe"
sed 's/\r*$/\r/' "$root/LICENSE" >"$stage/LICENSE.txt"
sed -e "s/@VERSION@/$version/g" -e 's/\r*$/\r/' "$here/README.txt" >"$stage/README.txt"
chmod 0644 "$stage"/*
touch -d "@$epoch" "$stage"/*

# zip stores local time: in UTC it is the same time for every builder.
# -X leaves out the owner and the extra time fields.
rm -f "$out/$name.zip"
(cd "$stage" && TZ=UTC zip -q -X -9 "$out/$name.zip" "${files[@]}")

makensis -V2 -NOCD -DVERSION="$version" -DSTAGE="$stage" -DICON="$icon" \
    -DOUTFILE="$out/$name-setup.exe" "$here/velmora.nsi"
rm -rf "$stage"
