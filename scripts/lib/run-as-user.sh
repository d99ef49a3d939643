#!/usr/bin/env bash
# Runs the permission tests (test names holding "AsUser") as an unprivileged user, natively
# and under Wine: root reads every folder and writes every read-only file, so run as root
# these tests would test nothing. Usage: run-as-user.sh BUILD WINE_BUILD WINE_ARCH (an empty
# WINE_BUILD, when the Windows build failed: natively only)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1 wine_build=$2 wine_arch=$3
filter='*AsUser*'
user=evenkeeper-test

stage=$(mktemp -d /tmp/evenkeeper-user.XXXXXX)
trap 'rm -rf "$stage"' EXIT
chmod 755 "$stage"
if [ "$(id -u)" -eq 0 ]; then
  id -u "$user" >/dev/null 2>&1 ||
    useradd --system --no-create-home --shell /usr/sbin/nologin "$user" || exit 1
  chown "$user:" "$stage"
  as_user() { setpriv --reuid="$user" --regid="$user" --init-groups -- "$@"; }
else
  as_user() { "$@"; }
fi

# check NAME LOG: the run passed and really ran tests.
check() {
  if grep -q '^\[  PASSED  \] [1-9]' "$2" && ! grep -q '^\[  FAILED  \]' "$2"; then
    grep -E '^\[  PASSED  \]|^\[  SKIPPED \]' "$2" | sed "s/^/$1: /"
    return 0
  fi
  tail -n 60 "$2"
  echo "$1: permission tests failed or did not run"
  return 1
}

status=0
cp "$build/native/evenkeeper_tests" "$stage/"
as_user env HOME="$stage" TMPDIR="$stage" EVENKEEPER_REQUIRE_UNPRIVILEGED=1 \
  "$stage/evenkeeper_tests" --gtest_filter="$filter" >"$build/logs/native-as-user.log" 2>&1
check native "$build/logs/native-as-user.log" || status=1

exe="$build/$wine_build/evenkeeper_tests.exe"
if [ -n "$wine_build" ] && [ -f "$exe" ]; then
  cp "$exe" "$here/wine.sh" "$stage/"
  as_user bash -c '
    source "$1/wine.sh"
    wine_prefix "$1/wineprefix" "$2" "$1/home" >"$1/prefix.log" 2>&1 || { cat "$1/prefix.log"; exit 1; }
    wine_env "$1/wineprefix" "$2" "$1/home"
    EVENKEEPER_REQUIRE_UNPRIVILEGED=1 wine_run "$2" "$1/evenkeeper_tests.exe" --gtest_filter="$3"
    code=$?
    wineserver -k
    exit $code' _ "$stage" "$wine_arch" "$filter" >"$build/logs/wine-as-user.log" 2>&1
  check "$wine_build under Wine" "$build/logs/wine-as-user.log" || status=1
fi
exit $status
