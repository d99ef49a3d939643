#!/usr/bin/env bash
# A whole sync under Wine beside Wine's own `xcopy /E /K` of the same tree: 10,000 small
# files in 100 folders, then four files of 32 MiB; three rounds each, best times and ratio.
# Needs the Windows build and prefix of scripts/test. Usage: bench/wine-copy.sh [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
arch=win64 winbuild=win64
[ -f "$build/win32/sync_timer.exe" ] && /usr/lib/wine/wine --version >/dev/null 2>&1 && arch=win32 winbuild=win32
source "$here/scripts/lib/wine.sh"
prefix="$build/$winbuild/wineprefix"
drive="$prefix/drive_c"

make_tree() {  # make_tree small|large
  rm -rf "$drive/evk-src"
  if [ "$1" = small ]; then
    for d in $(seq 0 99); do
      mkdir -p "$drive/evk-src/folder$d"
      for f in $(seq 0 99); do head -c 1024 /dev/zero >"$drive/evk-src/folder$d/file$f.txt"; done
    done
  else
    mkdir -p "$drive/evk-src"
    for f in 0 1 2 3; do head -c $((32 << 20)) /dev/urandom >"$drive/evk-src/movie$f.mkv"; done
  fi
}

# best_of COMMAND...: the best wall time of three runs in ms, each into an empty folder.
best_of() {
  local best=999999 start end
  for round in 1 2 3; do
    rm -rf "$drive/evk-dst"
    mkdir "$drive/evk-dst"
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    (( (end - start) / 1000000 < best )) && best=$(( (end - start) / 1000000 ))
  done
  echo "$best"
}

measure() {
  wine_env "$prefix" "$arch" "$build/winehome"
  wineserver -p
  wine_run "$arch" cmd /c exit >/dev/null 2>&1
  for size in small large; do
    make_tree "$size"
    sync=$(best_of wine_run "$arch" "$build/$winbuild/sync_timer.exe" 'C:\evk-src\' 'C:\evk-dst\')
    xcopy=$(best_of wine_run "$arch" xcopy /E /K /I /Q 'C:\evk-src' 'C:\evk-dst')
    echo "$size files: sync ${sync} ms, xcopy ${xcopy} ms, ratio $(awk "BEGIN{printf \"%.2f\", $sync/$xcopy}")"
  done
  rm -rf "$drive/evk-src" "$drive/evk-dst"
  wineserver -k
}
measure
