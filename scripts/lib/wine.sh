# Wine helpers for the test scripts (sourced).

# wine_env PREFIX ARCH HOME: the variables of a private, quiet prefix that never prompts.
wine_env() {
  export WINEPREFIX=$1 WINEARCH=$2 HOME=$3
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ "$2" = win64 ]; then export WINELOADER=/usr/lib/wine/wine64; else unset WINELOADER; fi
}

# wine_run ARCH program [arguments]: the loader that matches the prefix.
wine_run() {
  local arch=$1
  shift
  if [ "$arch" = win64 ]; then /usr/lib/wine/wine64 "$@"; else wine "$@"; fi
}

# Whether this kernel runs 32-bit programs (some are booted without 32-bit emulation).
# EVENKEEPER_NO_32BIT=1 makes it answer as such a kernel would, to try their way anywhere.
wine32_runs() {
  [ "${EVENKEEPER_NO_32BIT:-}" != 1 ] && [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# wine_prefix PREFIX ARCH HOME: creates the prefix once: fonts where Wine finds them, and a
# virtual desktop shared by every process of the prefix (frames, captions, fast closing).
wine_prefix() (
  local prefix=$1 arch=$2
  # Wine's own fonts (package fonts-wine), so that every text looks as it does on Windows;
  # copied again whenever they are missing, as in a prefix made before they were installed.
  if [ -f "$prefix/system.reg" ] && [ -f "$prefix/.evenkeeper-ready" ]; then
    [ -f "$prefix/drive_c/windows/Fonts/tahoma.ttf" ] || cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    exit 0
  fi
  mkdir -p "$3"
  wine_env "$@"
  wine_run "$arch" wineboot -i || exit 1
  mkdir -p "$prefix/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  wine_run "$arch" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
  wine_run "$arch" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
  wineserver -w
  touch "$prefix/.evenkeeper-ready"
)

# run_to_the_end COMMAND...: runs the command in the background and waits for it. Ctrl+C or
# a kill of the script is passed on to it, so that its own cleanup runs, and then ends the
# script (a shell runs its traps only once the command it waits for in the foreground ends).
run_to_the_end() {
  local child status signal=
  "$@" &
  child=$!
  trap "signal=TERM; kill -TERM $child 2>/dev/null" TERM
  trap "signal=INT; kill -TERM $child 2>/dev/null" INT
  wait "$child"
  status=$?
  while kill -0 "$child" 2>/dev/null; do wait "$child"; status=$?; done
  trap - INT TERM
  [ -z "$signal" ] || exit "$status"
  return "$status"
}

# with_display COMMAND...: runs the command with a private Xvfb as its display, stopped
# however the command ends.
with_display() { run_to_the_end display_for "$@"; }
# (run in the background by run_to_the_end, so its traps are its own)
display_for() {
  local fifo pid display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=:$display
  run_to_the_end "$@"
}

# with_wineserver PREFIX ARCH HOME COMMAND...: keeps one wineserver alive (warmed up) while
# the command runs, so that each test program starts in a tenth of a second; it is ended
# however the command ends.
with_wineserver() { run_to_the_end wineserver_for "$@"; }
wineserver_for() {
  wine_env "$1" "$2" "$3"
  shift 3
  wineserver -p
  trap 'wineserver -k; wineserver -w' EXIT
  wine_run "$WINEARCH" cmd /c exit >/dev/null 2>&1
  run_to_the_end "$@"
}
