#!/usr/bin/env bash
# The engine's scan and plan (scan_plan_timer: both scans, then the Duplicate plan from top to
# bottom) beside `rsync -rn --delete`, the dry run of the same sync, on the same trees: a top
# folder of FILES files of 100 bytes in folders of 250, against an empty folder and against an
# identical copy. Wall times of whole processes, and their processor times (user and system)
# that a loaded machine inflates less; ROUNDS (default 5) rounds after a warm-up, the two
# programs in turns whose order alternates; medians, the ratio of the medians and the range
# of the rounds' ratios; the engine's own scan and plan times besides. SIZES (default
# "100000 1000000") sets the trees, made once under TREES and kept.
# Needs the native build and rsync. Usage: bench/native-rsync.sh [BUILD] [TREES]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/native}
trees=${2:-$build/bench-trees}
timer="$build/scan_plan_timer"
[ -x "$timer" ] || { echo "no $timer: build the native configuration first" >&2; exit 1; }
command -v rsync >/dev/null || { echo "rsync is needed (apt-get install rsync)" >&2; exit 1; }

make_tree() {  # make_tree FILES: $trees/FILES/{top,same,empty}, made once
  local at="$trees/$1"
  [ -f "$at/.complete" ] && return
  rm -rf "$at"
  "$here/bench/make-tree.py" "$at/top" "$1" 250
  cp -a "$at/top" "$at/same"
  mkdir "$at/empty"
  touch "$at/.complete"
}

# elapsed OUTPUT-FILE COMMAND...: the command's wall time and processor time in ms, as
# "WALL CPU"; its output to the file.
elapsed() {
  local out=$1 times
  shift
  times=$(mktemp)
  /usr/bin/time -f '%e %U %S' -o "$times" "$@" >"$out"
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' "$times"
  rm -f "$times"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# compare FILES BOTTOM: one line of figures for the top tree against $trees/FILES/BOTTOM.
compare() {
  local at="$trees/$1" bottom=$2 out
  out=$(mktemp)
  local engine=() rsync=() ratios=() engineCpu=() rsyncCpu=() scans=() plans=()
  elapsed "$out" "$timer" "$at/top" "$at/$bottom" >/dev/null  # warm-up
  elapsed "$out" rsync -rn --delete "$at/top/" "$at/$bottom/" >/dev/null
  for round in $(seq "${ROUNDS:-5}"); do
    local e r
    if (( round % 2 )); then
      e=$(elapsed "$out" "$timer" "$at/top" "$at/$bottom")
      scans+=("$(sed -n 's/.*scan \([0-9.]*\) ms.*/\1/p' "$out")")
      plans+=("$(sed -n 's/.*plan \([0-9.]*\) ms.*/\1/p' "$out")")
      r=$(elapsed "$out" rsync -rn --delete "$at/top/" "$at/$bottom/")
    else
      r=$(elapsed "$out" rsync -rn --delete "$at/top/" "$at/$bottom/")
      e=$(elapsed "$out" "$timer" "$at/top" "$at/$bottom")
      scans+=("$(sed -n 's/.*scan \([0-9.]*\) ms.*/\1/p' "$out")")
      plans+=("$(sed -n 's/.*plan \([0-9.]*\) ms.*/\1/p' "$out")")
    fi
    engine+=("${e% *}") engineCpu+=("${e#* }") rsync+=("${r% *}") rsyncCpu+=("${r#* }")
    ratios+=("$(awk "BEGIN { printf \"%.2f\", ${e% *} / ${r% *} }")")
  done
  rm -f "$out"
  local em rm ec rc range
  em=$(printf '%s\n' "${engine[@]}" | median)
  rm=$(printf '%s\n' "${rsync[@]}" | median)
  ec=$(printf '%s\n' "${engineCpu[@]}" | median)
  rc=$(printf '%s\n' "${rsyncCpu[@]}" | median)
  range=$(printf '%s\n' "${ratios[@]}" | sort -n | sed -n '1p;$p' | paste -sd-)
  printf '%8d files against %-5s: wall: engine %6s ms (scan %s, plan %s), rsync -rn --delete %6s ms, ratio %.2f (%s); processor: engine %s ms, rsync %s ms, ratio %.2f\n' \
    "$1" "$bottom" "$em" "$(printf '%s\n' "${scans[@]}" | median)" \
    "$(printf '%s\n' "${plans[@]}" | median)" "$rm" "$(awk "BEGIN { print $em / $rm }")" "$range" \
    "$ec" "$rc" "$(awk "BEGIN { print $ec / $rc }")"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for files in ${SIZES:-100000 1000000}; do
  make_tree "$files"
  compare "$files" empty
  compare "$files" same
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
