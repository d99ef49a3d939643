#!/usr/bin/env bash
# The real program under Wine beside the engine alone (sync_timer) on the same trees: a top
# folder of 25,000, 50,000 and 100,000 small files (SIZES) in folders of 250 and an empty
# bottom folder. For each size, in one run, the best of ROUNDS (default 3) rounds of each,
# taken in turns: the time of Scan until the plan is listed and the time of the run, and
# their ratios. With AGAINST set to another build folder, that build's program takes the
# engine's place, to compare the program with an earlier one of itself. The source trees
# are made once and kept in the prefix.
# Needs the Windows build and prefix of scripts/test. Usage: bench/wine-app.sh [BUILD]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
TIMER=app_timer.exe source "$here/bench/wine-prefix.sh"
settings="$drive/users/$(id -un)/AppData/Roaming/TamrelFreeware/Evenkeeper"

make_tree() {  # make_tree FILES: C:\evk-app\FILES\, made once
  [ -d "$drive/evk-app/$1" ] && return
  "$here/bench/make-tree.py" "$drive/evk-app/$1" "$1" 250
}

# The program's one sync operation: Copy from C:\evk-app\FILES\ to C:\evk-app\dst\.
prepare_program() {
  mkdir -p "$settings"
  rm -f "$settings/GlobalSettings.ini"
  printf '[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\nindex=0\r\n[a]\r\nC:\\evk-app\\%s\\\r\nC:\\evk-app\\dst\\\r\noperation=0\r\ndirection=0\r\nlevels=16\r\nnot used\r\n' \
    "$1" >"$settings/Evenkeeper.txt"
}

fresh_destination() { rm -rf "$drive/evk-app/dst" && mkdir -p "$drive/evk-app/dst"; }

# milliseconds NAME LINE: the number before " ms" after NAME.
milliseconds() { sed -n "s/.*$1 \([0-9]*\) ms.*/\1/p" <<<"$2"; }

# least A B: the smaller number, B when A is empty.
least() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }

measure() {
  local beside=engine
  [ -n "${AGAINST:-}" ] && beside=before
  for files in ${SIZES:-25000 50000 100000}; do
    make_tree "$files"
    local ep="" er="" pp="" pr="" engine program
    for round in $(seq "${ROUNDS:-3}"); do
      fresh_destination
      if [ -n "${AGAINST:-}" ]; then
        prepare_program "$files"
        engine=$(wine_run "$arch" "$AGAINST/$arch/app_timer.exe")
      else
        engine=$(wine_run "$arch" "$build/$arch/sync_timer.exe" "C:\\evk-app\\$files\\" 'C:\evk-app\dst\')
      fi
      fresh_destination
      prepare_program "$files"
      program=$(wine_run "$arch" "$build/$arch/app_timer.exe")
      ep=$(least "$ep" "$(milliseconds "scan and plan" "$engine")")
      er=$(least "$er" "$(milliseconds run "$engine")")
      pp=$(least "$pp" "$(milliseconds "scan and plan" "$program")")
      pr=$(least "$pr" "$(milliseconds run "$program")")
    done
    printf '%6d files: scan and plan: %s %6d ms, program %6d ms (%.2fx); run: %s %6d ms, program %6d ms (%.2fx)\n' \
      "$files" "$beside" "$ep" "$pp" "$(awk "BEGIN{print $pp/$ep}")" "$beside" "$er" "$pr" "$(awk "BEGIN{print $pr/$er}")"
  done
  rm -rf "$drive/evk-app/dst" "$settings"
}
with_display with_wineserver "$prefix" "$arch" "$build/winehome" measure
