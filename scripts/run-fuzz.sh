#!/bin/sh
# Builds the fuzz programs of the file readers (pictures, palettes and key
# settings) with clang and runs each for a bounded time (seconds per program,
# 20 when not given), starting from the shared corpus and the seeds in
# fuzz/seeds. Exits non-zero on any find, including any single allocation
# above 512 MiB.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build="$root/build/fuzz"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTIPPLEBOX_BUILD_FUZZ=ON \
  -DSTIPPLEBOX_BUILD_TESTS=OFF -DSTIPPLEBOX_BUILD_GUI=OFF >/dev/null
formats="gif png bmp dpx accelerator tool_sub_key gpl pal act hex"
# shellcheck disable=SC2086
cmake --build "$build" --target $(printf 'fuzz_%s ' $formats)

shared="$root/../shared/corpus"
status=0
for format in $formats; do
  work=$(mktemp -d)
  seeds=""
  for folder in "$shared/$format" "$root/fuzz/seeds/$format"; do
    [ -d "$folder" ] && seeds="$seeds $folder"
  done
  echo "== fuzz_$format for ${seconds}s"
  # New inputs go to the scratch folder; the seed folders are only read.
  # shellcheck disable=SC2086
  log="$build/fuzz_$format.log"
  if "$build/fuzz/fuzz_$format" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$build/crash-$format-" "$work" $seeds >"$log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
  else
    tail -n 60 "$log"
    status=1
  fi
  rm -rf "$work"
done
exit $status
