#!/bin/sh
# Times stipplebox-convert turning a 64-layer 256 × 256 document into an
# animated GIF against ImageMagick's convert making the same animation from
# the 64 frames as BMP files, in the same run, and prints the ratio.
# Usage: bench-convert.sh [runs]  (5 when not given)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
"$root/scripts/install-deps.sh" bench
cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSTIPPLEBOX_BUILD_BENCH=ON -DSTIPPLEBOX_BUILD_TESTS=OFF -DSTIPPLEBOX_BUILD_GUI=OFF >/dev/null
cmake --build "$root/build/bench" --target stipplebox-convert make-pixel-art >/dev/null
convert_tool="$root/build/bench/src/stipplebox-convert"
magick=/usr/bin/convert
[ -x "$magick" ] || magick=convert

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input="$work/layers.sbx"
"$root/build/bench/bench/make-pixel-art" "$input" 256 256 64
"$convert_tool" "$input" --export-layers "$work/frame.bmp"

now() { date +%s%N; }
start=$(now)
i=0
while [ $i -lt "$runs" ]; do
  "$convert_tool" "$input" --export-gif "$work/ours.gif"
  i=$((i + 1))
done
ours=$(( ($(now) - start) / runs / 1000 ))

start=$(now)
i=0
while [ $i -lt "$runs" ]; do
  "$magick" -delay 8 -loop 0 "$work"/frame_*.bmp "$work/theirs.gif"
  i=$((i + 1))
done
theirs=$(( ($(now) - start) / runs / 1000 ))

echo "stipplebox-convert --export-gif: ${ours} us per run, $(stat -c %s "$work/ours.gif") bytes"
echo "ImageMagick convert from BMPs:   ${theirs} us per run, $(stat -c %s "$work/theirs.gif") bytes"
awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "ImageMagick takes %.1f times as long\n", a / b }'
