#!/bin/sh
# Builds the benchmark programs in Release and runs them all, or those whose
# names contain the first argument (run-benchmarks.sh chunk_tree).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" bench
cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSTIPPLEBOX_BUILD_BENCH=ON -DSTIPPLEBOX_BUILD_TESTS=OFF -DSTIPPLEBOX_BUILD_GUI=OFF >/dev/null
cmake --build "$root/build/bench"
for program in "$root"/build/bench/bench/bench_*; do
  case "$program" in
    *"${1:-}"*) echo "== $(basename "$program")"; "$program" ;;
  esac
done
