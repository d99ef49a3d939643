# The one way the scripts configure and build a tree (sourced).

# build_tree LOGS NAME DIR [cmake arguments] [--target TARGET...]: configures DIR from the
# sources and builds it (only the targets after --target, when given), with the logs in
# LOGS/NAME-configure.log and LOGS/NAME-build.log; on failure prints their ends and
# returns 1.
build_tree() {
  local logs=$1 name=$2 dir=$3 sources
  shift 3
  sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  local configure=() targets=()
  while [ $# -gt 0 ] && [ "$1" != --target ]; do configure+=("$1"); shift; done
  [ $# -gt 0 ] && targets=("$@")
  mkdir -p "$logs"
  if ! cmake -S "$sources" -B "$dir" "${configure[@]}" >"$logs/$name-configure.log" 2>&1 ||
     ! cmake --build "$dir" -j"$(nproc)" "${targets[@]}" >"$logs/$name-build.log" 2>&1; then
    tail -n 40 "$logs/$name-configure.log" "$logs/$name-build.log"
    return 1
  fi
}
