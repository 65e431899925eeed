#!/bin/sh
# Builds the editor (optimised, with debug information) and starts it.
# Arguments are passed on: run-editor.sh picture.sbx opens that file.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" editor
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTIPPLEBOX_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" --target stipplebox
exec "$root/build/release/src/stipplebox" "$@"
