#!/usr/bin/env bash
# The portable zip: exactly its four files in their order, the programs as
# built, LICENSE.txt the project's LICENSE and README.txt in plain ASCII,
# both with CRLF line ends for Notepad, the README naming this version.
#   windows_zip_test.sh ZIP VELMORA_EXE VELMORA_CLI_EXE LICENSE VERSION
set -euo pipefail
zip=$(realpath "$1") exe=$(realpath "$2") cli=$(realpath "$3") license=$(realpath "$4") version=$5
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(basename "$zip")" = "velmora-$version-win64.zip" ] || fail "named $(basename "$zip")"
listed=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$listed" = "velmora.exe velmora-cli.exe LICENSE.txt README.txt " ] || fail "the zip holds: $listed"
unzip -q "$zip" -d "$out"
cmp "$exe" "$out/velmora.exe" || fail "velmora.exe is not the one built"
cmp "$cli" "$out/velmora-cli.exe" || fail "velmora-cli.exe is not the one built"
for text in LICENSE.txt README.txt; do
    [ "$(grep -vc $'\r$' "$out/$text")" = 0 ] || fail "$text has lines without CRLF"
    LC_ALL=C grep -q '[^[:print:][:space:]]' "$out/$text" && fail "$text is not plain ASCII"
done
sed 's/\r$//' "$out/LICENSE.txt" | cmp - "$license" || fail "LICENSE.txt is not LICENSE"
readme=$(sed 's/\r$//' "$out/README.txt")
[ "$(head -1 <<<"$readme")" = "Velmora $version for Windows" ] || fail "README.txt begins '$(head -1 <<<"$readme")'"
grep -q @VERSION@ <<<"$readme" && fail "README.txt still says @VERSION@"
for says in "Windows 7 SP1 x64 or later" "Device Manager" "velmora-cli -p COM3 temp"; do
    grep -qF "$says" <<<"$readme" || fail "README.txt does not say '$says'"
done
echo "$(basename "$zip"): all checks passed"
