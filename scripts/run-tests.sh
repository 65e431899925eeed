#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# fuzzes each file reader for a short while (a clang build of its own) and
# runs every test. The benchmarks are compiled too, not run. Exits non-zero when the fuzzing finds a fault or any test
# fails.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" tests
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTIPPLEBOX_SANITIZE=ON \
  -DSTIPPLEBOX_BUILD_BENCH=ON >/dev/null
cmake --build "$root/build/test"
"$root/scripts/run-fuzz.sh" 20
cd "$root/build/test"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
