#!/bin/sh
# run-fuzz.sh SECONDS [TARGET]: builds the fuzz programs with clang and runs
# each built one (or only TARGET, as in "sbx" or "fuzz_sbx") for SECONDS
# (20 when not given), starting from its seeds in fuzz/seeds/<name>, the
# shared corpus folder of the same name when there is one, and with
# fuzz/dict/<name>.dict. The targets are listed in fuzz/CMakeLists.txt.
# Exits non-zero on any finding, including any single allocation above 512 MiB.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
only=${2:-}
only=${only#fuzz_}
build="$root/build/fuzz"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTIPPLEBOX_BUILD_FUZZ=ON \
  -DSTIPPLEBOX_BUILD_TESTS=OFF -DSTIPPLEBOX_BUILD_GUI=OFF -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 >/dev/null
if [ -n "$only" ]; then
  cmake --build "$build" --target "fuzz_$only"
else
  cmake --build "$build"
fi

shared="$root/../shared/corpus"
status=0
for program in "$build"/fuzz/fuzz_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name=${program##*/fuzz_}
  [ -z "$only" ] || [ "$name" = "$only" ] || continue
  seeds=""
  for folder in "$root/fuzz/seeds/$name" "$shared/$name"; do
    [ -d "$folder" ] && seeds="$seeds $folder"
  done
  dict=""
  [ -f "$root/fuzz/dict/$name.dict" ] && dict="-dict=$root/fuzz/dict/$name.dict"
  work=$(mktemp -d)
  log="$build/fuzz_$name.log"
  echo "== fuzz_$name for ${seconds}s"
  # New inputs go to the scratch folder; the seed folders are only read.
  # shellcheck disable=SC2086
  if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$build/crash-$name-" $dict "$work" $seeds >"$log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || true
  else
    tail -n 60 "$log"
    status=1
  fi
  rm -rf "$work"
done
exit $status
