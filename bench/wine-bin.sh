#!/usr/bin/env bash
# The engine through the real Windows calls (sync_timer) with and without a Recycle Bin, in
# turns: a Duplicate of an empty folder that deletes FILES (default 10,000) small files, and a
# Copy that replaces FILES older small files. Without a bin the files are deleted and
# overwritten for good, as before the bin came; with one they go to Wine's bin, the user's
# trash folder, which Wine's shell has only while ~/.local/share exists. Prints the best run
# time of ROUNDS (default 3) rounds of each and their ratio.
# Needs the Windows build and prefix of scripts/test. Usage: bench/wine-bin.sh [BUILD]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
TIMER=sync_timer.exe source "$here/bench/wine-prefix.sh"
data="$build/winehome/.local/share"

# fill SIDE TIME: FILES small files under C:\evk-bin\SIDE\ with the given Unix time.
fill() {
  python3 - "$drive/evk-bin/$1" "${FILES:-10000}" "$2" <<'PY'
import os, sys
root, files, time = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
for i in range(files):
    folder = os.path.join(root, "folder%02d" % (i // 100))
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "file%05d.txt" % i)
    with open(path, "wb") as f:
        f.write(b"x" * 100)
    os.utime(path, (time, time))
PY
}

# run_ms OPERATION: the run's milliseconds of one Duplicate or Copy into C:\evk-bin\dst\.
run_ms() {
  rm -rf "$drive/evk-bin" && mkdir -p "$drive/evk-bin/src"
  fill dst 1000000000
  [ "$1" = copy ] && fill src 2000000000
  wine_run "$arch" "$build/$arch/sync_timer.exe" 'C:\evk-bin\src\' 'C:\evk-bin\dst\' \
    $([ "$1" = duplicate ] && echo duplicate) | sed -n 's/.*run \([0-9]*\) ms.*/\1/p'
}

least() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }

measure() {
  for operation in duplicate copy; do
    local gone="" binned=""
    for round in $(seq "${ROUNDS:-3}"); do
      rm -rf "$data"
      gone=$(least "$gone" "$(run_ms "$operation")")
      mkdir -p "$data"
      binned=$(least "$binned" "$(run_ms "$operation")")
      rm -rf "$data/Trash"
    done
    printf '%s of %d files: for good %d ms, to the bin %d ms (%.2fx)\n' "$operation" \
      "${FILES:-10000}" "$gone" "$binned" "$(awk "BEGIN{print $binned/$gone}")"
  done
  rm -rf "$drive/evk-bin" "$data"
}
wine_prefix "$prefix" "$arch" "$build/winehome" >/dev/null 2>&1 || exit 1
with_wineserver "$prefix" "$arch" "$build/winehome" measure
