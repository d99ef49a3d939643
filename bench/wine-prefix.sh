# Sourced by the Wine benchmarks, after `build` is set: the Windows build that has TIMER
# (win32 where this kernel runs 32-bit programs, else win64), its prefix and its drive C:.
source "$here/scripts/lib/wine.sh"
arch=win64
[ -f "$build/win32/$TIMER" ] && wine32_runs && arch=win32
prefix="$build/$arch/wineprefix"
drive="$prefix/drive_c"
