#!/usr/bin/env bash
# The installer under Wine, silent (/S), in a Wine prefix of this test's own
# made afresh in PREFIX, on an X display of its own. First an older version
# (made by windows_dist.sh like the real one, from stand-in files), then
# this one over it: the files replaced, the all-users Start-menu shortcut,
# and one Uninstall entry whose values read back right. The installed
# velmora-cli.exe and velmora.exe then talk to the simulated board on COM3.
# Last, the uninstaller as Windows runs it, from the entry's
# QuietUninstallString: no folder, shortcut, file or registry key is left.
#   windows_setup_test.sh SETUP_EXE VELMORA_EXE VELMORA_CLI_EXE ICON VERSION VELMORA_BOARD PREFIX PANEL_PROBE_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../scripts/x11_helpers.sh"
setup=$(realpath "$1") exe=$(realpath "$2") cli=$(realpath "$3") icon=$(realpath "$4")
version=$5 board=$(realpath "$6")
WINEPREFIX=$(realpath -m "$7") probe=$(realpath "$8")
click() { /usr/bin/python3 "$here/../../../scripts/driver/drive.py" click wine "$probe" Velmora "$1"; }
# No menu entries for the desktop of the machine running the test: they
# would be written outside the prefix.
export WINEPREFIX WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_window_test own-display
start_xvfb 1024x768
rm -rf "$WINEPREFIX"
wine wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot -i failed"
wineserver -w

dir='C:\Program Files\Velmora'
unix_dir="$WINEPREFIX/drive_c/Program Files/Velmora"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
key="$uninstall\\Velmora"

# A value of the Uninstall entry as `reg query` shows it.
value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^    $1    REG_[A-Z_]*    //p"; }
# How many Uninstall entries are Velmora's.
entries() { wine reg query "$uninstall" /s | tr -d '\r' | grep -c '^    DisplayName    REG_SZ    Velmora$' || true; }
# Runs an installer silently; it returns when done.
install() {
    wine "$1" /S >>"$work/install.log" 2>&1 || fail "$(basename "$1") /S exited with $?"
    wineserver -w
}

older=0.0.0.1
mkdir "$work/older"
echo "velmora.exe $older" >"$work/older/velmora.exe"
echo "velmora-cli.exe $older" >"$work/older/velmora-cli.exe"
bash "$here/../windows_dist.sh" "$work/older" "$older" "$work/older/velmora.exe" \
    "$work/older/velmora-cli.exe" "$icon" >"$work/older.log" 2>&1 || fail "no older installer"
install "$work/older/velmora-$older-win64-setup.exe"
[ "$(value DisplayVersion)" = "$older" ] || fail "the older version's entry says '$(value DisplayVersion)'"
grep -qx "velmora.exe $older" "$unix_dir/velmora.exe" || fail "the older version's files are not installed"

install "$setup"
[ "$(ls "$unix_dir" | tr '\n' ' ')" = "LICENSE.txt README.txt uninstall.exe velmora-cli.exe velmora.exe " ] \
    || fail "installed: $(ls "$unix_dir" | tr '\n' ' ')"
cmp "$exe" "$unix_dir/velmora.exe" || fail "velmora.exe was not replaced"
cmp "$cli" "$unix_dir/velmora-cli.exe" || fail "velmora-cli.exe was not replaced"
[ "$(head -1 "$unix_dir/README.txt")" = $'Velmora '"$version"$' for Windows\r' ] \
    || fail "README.txt begins '$(head -1 "$unix_dir/README.txt")'"
[ -f "$shortcut" ] || fail "no Velmora shortcut in the all-users Start menu"
grep -aqF "$dir\\velmora.exe" "$shortcut" || fail "the shortcut does not lead to $dir\\velmora.exe"

[ "$(entries)" = 1 ] || fail "$(entries) Uninstall entries for Velmora after the upgrade"
while IFS='|' read -r name want; do
    [ "$(value "$name")" = "$want" ] || fail "$name is '$(value "$name")', not '$want'"
done <<EOF
DisplayName|Velmora
DisplayVersion|$version
Publisher|the Velmora authors
DisplayIcon|$dir\\velmora.exe,0
InstallLocation|$dir
UninstallString|"$dir\\uninstall.exe"
QuietUninstallString|"$dir\\uninstall.exe" /S
EOF
# In KiB, of what the installer put there.
size=$(($(cat "$unix_dir"/* | wc -c) / 1024))
[ "$(($(value EstimatedSize)))" = "$size" ] || fail "EstimatedSize is $(value EstimatedSize), not $size KiB"

# The installed velmora-cli.exe reads the board's temperature on COM3.
"$board" --no-window --temp 21.5 >"$work/cli-board.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/cli-board.log" ] && break; sleep 0.1; done
ln -sfn "$(head -1 "$work/cli-board.log")" "$WINEPREFIX/dosdevices/com3"
got=$(wine "$dir\\velmora-cli.exe" -p COM3 temp 2>"$work/cli.log" | tr -d '\r') || fail "velmora-cli.exe failed"
[ "$got" = 21.5 ] || fail "velmora-cli.exe -p COM3 temp printed '$got'"
# The Wine server holds the board's terminal as its own: ending the board
# first would hang it up and make the server dump its state.
wineserver -w
kill "${pids[-1]}"

# The installed velmora.exe connects to the board on COM3 and switches LED 1.
start_wine_panel "$board" "$dir\\velmora.exe"
click On
click "LED 1"
for _ in $(seq 40); do grep -q '^4C 45 44 62 31 6F 6E $' "$work/board.log" && break; sleep 0.1; done
grep -q '^4C 45 44 62 31 6F 6E $' "$work/board.log" || fail "the board did not receive LED 1's command"
[ -z "$(named velmora)" ] || fail "a message box is open"
click Chiudi
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "\"Chiudi\" did not end velmora.exe"
wineserver -w
rm -f "$WINEPREFIX/dosdevices/com3"

# The uninstaller copies itself to Temp, starts the copy and returns at
# once: the copy does the work, so wait for every process of the prefix.
quiet=$(value QuietUninstallString)
program=${quiet#\"}
program=${program%%\"*}
arguments=${quiet#"\"$program\" "}
wine "$program" $arguments >"$work/uninstall.log" 2>&1 || fail "the uninstaller exited with $?"
wineserver -w
[ ! -e "$unix_dir" ] || fail "left behind: $(ls "$unix_dir")"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left behind"
wine reg query "$key" >/dev/null 2>&1 && fail "the Uninstall entry is left behind"
[ "$(entries)" = 0 ] || fail "$(entries) Uninstall entries for Velmora are left"
left=$(find "$WINEPREFIX/drive_c" -iname '*velmora*'; grep -il velmora "$WINEPREFIX"/*.reg || true)
[ -z "$left" ] || fail "left behind: $left"
echo "installer under Wine: all checks passed"
