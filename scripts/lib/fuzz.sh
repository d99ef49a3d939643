#!/usr/bin/env bash
# Fuzzes the settings readers for SECONDS (default 30) from the seed corpus in fuzz/corpus.
# Usage: fuzz.sh [SECONDS] [BUILD]   (BUILD defaults to build/; the fuzz build is BUILD/fuzz)
# New inputs that found new paths are kept in BUILD/fuzz/corpus for the next run; a crash
# leaves its input in BUILD/fuzz/ and makes the script exit non-zero.
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-30}
build=${2:-$here/build}
out="$build/fuzz"
mkdir -p "$build/logs"

source "$here/scripts/lib/build.sh"
if ! build_tree "$build/logs" fuzz "$out" -DCMAKE_CXX_COMPILER=clang++ \
       -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEVENKEEPER_FUZZ=ON -DEVENKEEPER_BENCH=OFF \
       --target evenkeeper_settings_fuzzer; then
  echo "fuzz: the fuzz build failed"
  exit 1
fi

mkdir -p "$out/corpus"
log="$build/logs/fuzz.log"
(cd "$out" && ./evenkeeper_settings_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 \
   -dict="$here/fuzz/settings.dict" -print_final_stats=1 corpus "$here/fuzz/corpus") >"$log" 2>&1
status=$?
runs=$(grep -oE '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1)
if [ $status -ne 0 ]; then
  grep -E -A30 'ERROR|broken:|runtime error|deadly signal' "$log" | head -n 60
  echo "fuzz: FAILED after ${runs:-an unknown number of runs} (log: $log)"
  exit 1
fi
echo "fuzz: ${runs}s, no failure; corpus $(ls "$out/corpus" | wc -l) inputs"
