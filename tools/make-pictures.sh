#!/usr/bin/env bash
# Regenerates the dialogs' pictures in decor/pictures/ (the about box's gauge
# picture, the banner, the clock face, the chooser glyphs, the form icon):
# builds the generator and runs it under Wine. The generated files are
# committed, so a normal build needs neither this script nor Wine.
#   tools/make-pictures.sh [BUILD-DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$here" && realpath -m "${1:-build/pictures-win}")
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" >/dev/null
fi
cmake --build "$build" --target make-pictures
out="$here/decor/pictures"
mkdir -p "$out"
(cd "$out" && "$here/tools/with-wine.sh" "$here/tools/wine-run" "$build/decor/make-pictures.exe" .)
ls -l "$out"
