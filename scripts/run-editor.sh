#!/bin/sh
# Builds the editor (optimised, with debug information) and starts it.
# Arguments are passed on: run-editor.sh picture.sbx opens that file.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" editor
# One unit per library, as in the test build: each header is parsed once.
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTIPPLEBOX_BUILD_TESTS=OFF -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 >/dev/null
cmake --build "$root/build/release" --target stipplebox
exec "$root/build/release/src/stipplebox" "$@"
