#!/usr/bin/env bash
# Installs the release under Wine as a user would and checks what the user gets: a silent
# install puts the shipped exe into Program Files with a Start-menu shortcut and an entry in
# the installed programs; the installed program syncs through its windows, its about box shows
# the version of its version information, and it exits with 0 (evenkeeper_smoke_test); a silent uninstall removes it all and leaves the user's settings.
# Every 32-bit program runs the way this shell runs them: natively, or inside the namespace
# of with_emulated_i386. A fresh prefix each time, in BUILD/release/.
# Usage: check-release.sh BUILD   (after scripts/release and the build of BUILD/win32)
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
source "$here/scripts/lib/wine.sh"
release="$build/release"
prefix="$release/wineprefix"
home="$release/home"
logs="$build/logs"
setup=$(ls "$release"/evenkeeper-*-setup.exe 2>/dev/null | head -n 1)
archive=$(ls "$release"/evenkeeper-*-win32.zip 2>/dev/null | head -n 1)
smoke="$build/win32/evenkeeper_smoke_test.exe"
if [ -z "$setup" ] || [ -z "$archive" ] || [ ! -f "$smoke" ]; then
  echo "release check: no release in $release or no $smoke"
  exit 1
fi

rm -rf "$prefix" "$home"
if ! wine_prefix "$prefix" win32 "$home" >"$logs/release-prefix.log" 2>&1; then
  tail -n 20 "$logs/release-prefix.log"
  exit 1
fi
installed="$prefix/drive_c/Program Files/Evenkeeper"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Evenkeeper.lnk"
settings="$prefix/drive_c/users/$(id -un)/AppData/Roaming/TamrelFreeware/Evenkeeper"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Evenkeeper'

failures=0
# check WHAT COMMAND...: runs the command and says whether WHAT held.
check() {
  local what=$1
  shift
  if "$@"; then echo "release check: $what"; else echo "release check FAILED: $what"; failures=$((failures + 1)); fi
}

# The entry in the installed programs, with the values the list and a silent uninstall use.
uninstall_entry() {
  wine reg query "$uninstall_key" >"$logs/release-entry.log" 2>&1 || return 1
  local value
  for value in 'DisplayName.*REG_SZ.*Evenkeeper' 'DisplayVersion.*REG_SZ.*[0-9]' \
               'UninstallString.*REG_SZ.*"C:\\Program Files\\Evenkeeper\\Uninstall.exe"$' \
               'QuietUninstallString.*REG_SZ.*"C:\\Program Files\\Evenkeeper\\Uninstall.exe" /S$'; do
    tr -d '\r' <"$logs/release-entry.log" | grep -q "$value" || { cat "$logs/release-entry.log"; return 1; }
  done
}

no_uninstall_entry() { ! wine reg query "$uninstall_key" >/dev/null 2>&1; }

# The uninstaller runs from a copy of itself in the temporary folder and returns at once.
uninstalled() {
  for _ in $(seq 600); do
    [ -e "$installed" ] || return 0
    sleep 0.1
  done
  ls -la "$installed"
  return 1
}

# Every line of the users' README ends in CR LF, and its version was filled in.
windows_readme() {
  local readme lines
  readme=$(mktemp)
  unzip -p "$archive" README.txt >"$readme"
  lines=$(tr -cd '\n' <"$readme" | wc -c)
  [ "$lines" -gt 0 ] && [ "$(grep -c $'\r$' "$readme")" -eq "$lines" ] && ! grep -q '@VERSION@' "$readme"
  local status=$?
  rm -f "$readme"
  return $status
}

# README.txt names the oldest Windows the exe starts on: Vista when the exe imports a
# function that XP lacks (GetTickCount64, which the threads runtime pulls in), else XP.
readme_windows_versions() {
  local exe readme oldest status
  exe=$(mktemp) readme=$(mktemp)
  unzip -p "$archive" evenkeeper.exe >"$exe"
  unzip -p "$archive" README.txt >"$readme"
  oldest="Windows XP"
  i686-w64-mingw32-objdump -p "$exe" | grep -w GetTickCount64 >/dev/null && oldest="Windows Vista"
  grep -q "for $oldest and later" "$readme"
  status=$?
  [ $status -eq 0 ] || echo "the exe starts on $oldest and later; README.txt says: $(grep -o 'for Windows [A-Za-z0-9]* and later' "$readme")"
  rm -f "$exe" "$readme"
  return $status
}

smoke_test() {
  wine "$smoke" 'C:\Program Files\Evenkeeper\evenkeeper.exe' >"$logs/release-smoke.log" 2>&1
  local status=$?
  grep -E '^\[  (PASSED|FAILED) ' "$logs/release-smoke.log"
  [ $status -eq 0 ] || tail -n 30 "$logs/release-smoke.log"
  [ $status -eq 0 ] && grep -q '^\[  PASSED  \] 2 tests' "$logs/release-smoke.log"
}

steps() {
  check "silent install" wine "$setup" /S
  check "the installed exe is the one in the zip" \
    cmp -s <(unzip -p "$archive" evenkeeper.exe) "$installed/evenkeeper.exe"
  check "README.txt beside it" test -f "$installed/README.txt"
  check "README.txt in the zip has Windows line ends and the version" windows_readme
  check "README.txt names the Windows versions the exe's imports allow" readme_windows_versions
  check "the Start-menu shortcut points to it" grep -qa 'Evenkeeper\\evenkeeper.exe' "$shortcut"
  check "the entry in the installed programs" uninstall_entry
  check "the installed program syncs through its windows, shows the version of its version information and exits with 0" smoke_test
  check "the user's settings were written" test -s "$settings/GlobalSettings.ini" -a -s "$settings/Evenkeeper.txt"
  check "silent uninstall" wine "$installed/Uninstall.exe" /S
  check "the uninstall removed the program folder" uninstalled
  check "the uninstall removed the shortcut" test ! -e "$shortcut"
  check "the uninstall removed the entry" no_uninstall_entry
  check "the user's settings stay" test -s "$settings/GlobalSettings.ini" -a -s "$settings/Evenkeeper.txt"
  [ $failures -eq 0 ]
}

with_display with_wineserver "$prefix" win32 "$home" steps
