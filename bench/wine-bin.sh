#!/usr/bin/env bash
# A Duplicate of an empty folder over 10,000 small files (sync_timer duplicate, the engine
# through the real Windows calls), with and without a Recycle Bin, in turns: without one the
# files are deleted for good as before the bin came; with one they go to Wine's bin, the
# user's trash folder, which Wine's shell has only while ~/.local/share exists. Prints the
# best run time of ROUNDS (default 3) rounds of each and their ratio.
# Needs the Windows build and prefix of scripts/test. Usage: bench/wine-bin.sh [BUILD]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
arch=win64
[ -f "$build/win32/sync_timer.exe" ] && /usr/lib/wine/wine --version >/dev/null 2>&1 && arch=win32
source "$here/scripts/lib/wine.sh"
prefix="$build/$arch/wineprefix"
drive="$prefix/drive_c"
data="$build/winehome/.local/share"

fill_destination() {
  rm -rf "$drive/evk-bin" && mkdir -p "$drive/evk-bin/empty"
  python3 - "$drive/evk-bin/dst" <<'PY'
import os, sys
for i in range(10000):
    folder = os.path.join(sys.argv[1], "folder%02d" % (i // 100))
    if i % 100 == 0:
        os.makedirs(folder)
    with open(os.path.join(folder, "file%05d.txt" % i), "wb") as f:
        f.write(b"x" * 100)
PY
}

# run_ms: the run's milliseconds of one Duplicate of the filled destination.
run_ms() {
  fill_destination
  wine_run "$arch" "$build/$arch/sync_timer.exe" 'C:\evk-bin\empty\' 'C:\evk-bin\dst\' duplicate |
    sed -n 's/.*run \([0-9]*\) ms.*/\1/p'
}

least() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }

measure() {
  local gone="" binned=""
  for round in $(seq "${ROUNDS:-3}"); do
    rm -rf "$data"
    gone=$(least "$gone" "$(run_ms)")
    mkdir -p "$data"
    binned=$(least "$binned" "$(run_ms)")
    rm -rf "$data/Trash"
  done
  rm -rf "$drive/evk-bin" "$data"
  printf 'Duplicate deleting 10,000 files: for good %d ms, to the bin %d ms (%.2fx)\n' \
    "$gone" "$binned" "$(awk "BEGIN{print $binned/$gone}")"
}
wine_prefix "$prefix" "$arch" "$build/winehome" >/dev/null 2>&1 || exit 1
with_wineserver "$prefix" "$arch" "$build/winehome" measure
