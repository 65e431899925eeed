#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test, then fuzzes each picture reader for a short while (a
# clang build of its own). Exits non-zero when any test fails or the fuzzing
# finds a fault.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" tests
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTIPPLEBOX_SANITIZE=ON >/dev/null
cmake --build "$root/build/test"
cd "$root/build/test"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
"$root/scripts/run-fuzz.sh" 20
