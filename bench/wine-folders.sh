#!/usr/bin/env bash
# The scan and plan under Wine of a folder-heavy tree, 20,000 folders of one file each (a
# music library has a folder per album), against an empty folder: this build's
# scan_plan_timer beside another build's (an earlier commit) on the same tree. ROUNDS
# (default 3) rounds in turns whose order alternates; medians of the timers' own scan and
# plan times, and their ratio. The tree is made once in the prefix and kept.
# Needs the Windows build, and the other build's win32/scan_plan_timer.exe (for a commit that
# lacks the target, add bench/timers/ScanPlanTimer.cpp and its CMake lines to its copy).
# Usage: bench/wine-folders.sh OTHER-BUILD [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
other=${1:?usage: bench/wine-folders.sh OTHER-BUILD [BUILD]}
build=${2:-$here/build}
source "$here/scripts/lib/wine.sh"
wine32_runs || { echo "this bench needs a kernel that runs 32-bit programs" >&2; exit 1; }
prefix="$build/win32/wineprefix"
drive="$prefix/drive_c"
timers=("$build/win32/scan_plan_timer.exe" "$other/win32/scan_plan_timer.exe")
for timer in "${timers[@]}"; do [ -f "$timer" ] || { echo "no $timer" >&2; exit 1; }; done

make_tree() {  # C:\evk-folders\top\ (20,000 folders of one file) and C:\evk-folders\empty\
  [ -f "$drive/evk-folders/.complete" ] && return
  rm -rf "$drive/evk-folders"
  "$here/bench/make-tree.py" "$drive/evk-folders/top" 20000 1
  mkdir "$drive/evk-folders/empty"
  touch "$drive/evk-folders/.complete"
}

# scan_and_plan TIMER: the timer's scan and plan in ms.
scan_and_plan() {
  wine "$1" 'C:\evk-folders\top\' 'C:\evk-folders\empty\' |
    sed -n 's/.*scan \([0-9.]*\) ms, plan \([0-9.]*\) ms.*/\1 \2/p' | awk '{ printf "%d\n", $1 + $2 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure() {
  make_tree
  local this=() before=() t
  scan_and_plan "${timers[0]}" >/dev/null  # warm-up
  for round in $(seq "${ROUNDS:-3}"); do
    if (( round % 2 )); then
      this+=("$(scan_and_plan "${timers[0]}")") before+=("$(scan_and_plan "${timers[1]}")")
    else
      before+=("$(scan_and_plan "${timers[1]}")") this+=("$(scan_and_plan "${timers[0]}")")
    fi
  done
  local tm bm
  tm=$(printf '%s\n' "${this[@]}" | median)
  bm=$(printf '%s\n' "${before[@]}" | median)
  echo "load before: $load_before; after: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "20000 folders of one file, scan and plan: this build $tm ms (${this[*]}), other build $bm ms (${before[*]}), ratio $(awk "BEGIN { printf \"%.2f\", $tm / $bm }")"
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
wine_prefix "$prefix" win32 "$build/winehome"
with_wineserver "$prefix" win32 "$build/winehome" measure
