#!/usr/bin/env bash
# Redraws the guide's pictures in docs/pictures/ with the built plug-in in the
# host simulator (host/demo/gallery.tvs), then crops and compresses them.
# `make demo` runs it; the pictures are committed, so reading the guide needs
# neither a build nor Wine. With a folder, the pictures go to FOLDER/docs/
# pictures instead (tools/compare-pictures.sh draws them with both builds).
#   tools/make-gallery.sh [FOLDER]
# At another screen resolution (--dpi N, from 97 to 192; Windows' steps are
# 120, 144, 168, 192), host/demo/gallery-scaled.tvs draws the Create editor,
# the colour editor, the about box and the five kinds in the Wine prefix of
# N pixels per inch (TARVEX_WINE_DPI), as docs/pictures/scaled-N-<name>.png,
# their sizes those at 96 times N/96. `make demo` does not draw these.
#   tools/make-gallery.sh --dpi N [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --dpi ]; then
  exec "$here/tools/make-gallery-scaled.sh" "${2:-}" "${@:3}"
fi
out=$(realpath -m "${1:-$here}")
mkdir -p "$out/docs/pictures"
(cd "$out" && "$here/tools/tarvex-host" --script "$here/host/demo/gallery.tvs")
# picture, width, height: the part of the host window that the script uses
while read -r name width height; do
  python3 "$here/tools/png_tidy.py" "$out/docs/pictures/$name.png" "$width" "$height"
done <<'LIST'
kinds 634 470
kinds-no-text 634 470
kinds-contrast 634 470
text-inversion 320 274
needle-sweep 632 90
pie-direction 632 136
cut-down 634 80
editor-create 524 476
editor-delete 524 336
editor-set-progress 524 336
editor-set-value 524 336
editor-set-color 524 336
editor-set-progress-color 524 336
editor-set-font 524 336
editor-set-visible 524 336
LIST
echo "Pictures: $out/docs/pictures/"
