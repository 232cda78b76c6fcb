#!/usr/bin/env bash
# The MSI under Wine, as school IT deploys it: an older package installed
# silently, the package itself over it (the older one goes), the older one
# again (refused), then a silent uninstall that leaves a book saved into the
# program folder. Run by scripts/windows-build.sh with Wine set up (wine.sh)
# and the packages built:
#   check-msi.sh <Miravel-<version>.msi> <older .msi> <version> <book> <expected --check output>
# Prints one line: what was checked, or what failed; fails when anything did.
set -uo pipefail
version="$3" book="$4" expected="$5"
# msiexec takes a leading "/" for a switch: the packages by their Windows names.
msi="$(winepath -w "$1" 2> /dev/null)" older="$(winepath -w "$2" 2> /dev/null)"

fail() { echo "MSI: $1"; wine msiexec /x "$msi" /qn > /dev/null 2>&1; exit 1; }

# The Miravel entries of the machine's list of installed programs, as
# "<name> <version>" lines.
installed_versions() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2> /dev/null | tr -d '\r' |
    awk '/^HKEY/ {name = ""} $1 == "DisplayName" {name = $3} $1 == "DisplayVersion" && name == "Miravel" {print name, $3}'
}

program_files="$(wine cmd /c echo %ProgramW6432% 2> /dev/null | tr -d '\r')\\Miravel"
folder="$(winepath -u "$program_files" 2> /dev/null)"
[ -n "$folder" ] || fail "no Program Files folder under Wine"

wine msiexec /i "$older" /qn > /dev/null 2>&1 || fail "the older package did not install"
wine msiexec /i "$msi" /qn > /dev/null 2>&1 || fail "msiexec /i $(basename "$1") /qn failed"
[ -f "$folder/Miravel.exe" ] || fail "no Miravel.exe in $program_files"
[ "$(installed_versions)" = "Miravel $version" ] ||
  fail "after the upgrade the installed programs list: $(installed_versions | tr '\n' ';')"
if wine msiexec /i "$older" /qn > /dev/null 2>&1; then
  fail "the older package installed over the newer one"
fi
[ "$(wine "$folder/Miravel.exe" --check "Z:$book" 2>&1 | tr -d '\r')" = "$expected" ] ||
  fail "the installed Miravel.exe does not check a book as the Linux program does"
# The Start-menu entry: Windows puts a per-machine one in ProgramData's
# Start menu, Wine's msiexec in the user's.
menu_entries=0
for menu in "$(wine cmd /c echo %ProgramData% 2> /dev/null | tr -d '\r')" \
            "$(wine cmd /c echo %APPDATA% 2> /dev/null | tr -d '\r')"; do
  [ -f "$(winepath -u "$menu\\Microsoft\\Windows\\Start Menu\\Programs\\Miravel.lnk" 2> /dev/null)" ] &&
    menu_entries=$((menu_entries + 1))
done
[ $menu_entries -eq 1 ] || fail "$menu_entries Start-menu entries (one expected)"

echo kept > "$folder/3年1組.txt"
wine msiexec /x "$msi" /qn > /dev/null 2>&1 || fail "msiexec /x $(basename "$1") /qn failed"
[ ! -e "$folder/Miravel.exe" ] || fail "Miravel.exe is still there after the uninstall"
[ -z "$(installed_versions)" ] || fail "still in the installed programs list after the uninstall"
[ "$(cat "$folder/3年1組.txt" 2> /dev/null)" = kept ] || fail "the uninstall removed a teacher's book"
rm -rf "$folder"
echo "MSI: installed silently over an older one, refused a downgrade, uninstalled silently (books kept)"
