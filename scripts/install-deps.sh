#!/bin/sh
# Installs the Debian packages this project needs and the machine lacks.
# Usage: install-deps.sh editor|tests|bench
set -eu

# The toolkit's own translations give its buttons and file dialogs Japanese texts.
editor="cmake ninja-build g++ pkg-config zlib1g-dev libpng-dev qt6-base-dev qt6-translations-l10n fonts-noto-cjk"
# The image tools read back what the editor writes and make the interchange
# fixtures; nettle hashes the corpus pictures; clang builds the fuzz targets;
# the editor's smoke test photographs it under Xvfb (ImageMagick) and ends it
# through its menu (xdotool); the benchmarks are compiled with the tests so that
# they keep building. gifsicle makes and decodes animations for the GIF import;
# the installation test checks the installed files with the desktop's own
# tools (desktop-file-utils, libxml2-utils, shared-mime-info, groff).
tests="$editor libgtest-dev libgmock-dev xvfb xauth imagemagick xdotool giflib-tools pngcheck nettle-dev clang libclang-rt-dev libbenchmark-dev libgif-dev gifsicle desktop-file-utils libxml2-utils shared-mime-info groff-base"
# giflib is the reference the GIF benchmarks measure against.
bench="cmake ninja-build g++ pkg-config zlib1g-dev libpng-dev libbenchmark-dev libgif-dev imagemagick"

case "${1:-}" in
  editor) wanted=$editor ;;
  tests) wanted=$tests ;;
  bench) wanted=$bench ;;
  *) echo "usage: $0 editor|tests|bench" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
else
  as_root="sudo"
fi
$as_root apt-get update -q
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
