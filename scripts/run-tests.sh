#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# fuzzes each reader of outside bytes for a short while (a clang build of its
# own) and runs every test. The benchmarks are compiled too, not run. Exits
# non-zero when the fuzzing finds a fault or any test fails.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" tests
# A unity build compiles each library's and program's sources as one unit:
# most of the time would go to parsing the same headers again. So file-local
# names must differ across the files of one library or program. Inside such
# a unit every test fixture of an anonymous namespace looks to gcc as if it
# came from another file, hence the one warning turned off.
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTIPPLEBOX_SANITIZE=ON \
  -DSTIPPLEBOX_BUILD_BENCH=ON -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 \
  -DCMAKE_CXX_FLAGS=-Wno-subobject-linkage >/dev/null
cmake --build "$root/build/test"
# 10 seconds a target keeps the fuzzing near two and a half minutes with
# fifteen targets; lower it as targets are added.
"$root/scripts/run-fuzz.sh" 10
cd "$root/build/test"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
