#!/usr/bin/env bash
# The guide's pictures at another screen resolution, for tools/make-gallery.sh
# --dpi N (see there): runs host/demo/gallery-scaled.tvs in the Wine prefix of
# N pixels per inch on a screen large enough for the editors at 192, then
# crops its screenshots.
#   tools/make-gallery-scaled.sh DPI [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dpi=${1:-}
# Up to 192 the editors fit the virtual screen below.
if ! [[ "$dpi" =~ ^[0-9]+$ ]] || [ "$dpi" -le 96 ] || [ "$dpi" -gt 192 ]; then
  echo "make-gallery: the scaled pictures are drawn at 97 to 192 pixels per inch, not \"$dpi\"" >&2
  exit 2
fi
out=$(realpath -m "${2:-$here}")
pictures="$out/docs/pictures"
mkdir -p "$pictures"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A length at 96 pixels per inch, at this DPI (halves rounded up, as the
# dialogs' layout rounds).
scaled() { echo $(( ($1 * dpi + 48) / 96 )); }

# The script with its host-window and object lines scaled: a host aware of
# the DPI lays out its page so.
awk -v dpi="$dpi" '
  function scale(v,   t, q) { t = v * dpi + 48; q = int(t / 96); if (t < 0 && q * 96 != t) q--; return q }
  ($1 == "object" && NF == 6) || ($1 == "host-window" && NF == 3) {
    for (i = ($1 == "object" ? 3 : 2); i <= NF; i++) $i = scale($i)
  }
  { print }
' "$here/host/demo/gallery-scaled.tvs" >"$work/gallery-scaled.tvs"

bits=${TARVEX_HOST_BITS:-$("$here/tools/i386.sh" bits)}
(cd "$work" && TARVEX_WINE_BITS=$bits TARVEX_WINE_DPI=$dpi TARVEX_SCREEN=2048x1536x24 \
  "$here/tools/with-wine.sh" "$here/tools/tarvex-host" --script "$work/gallery-scaled.tvs")

# Each picture cut to its size at 96 (the part of the host window the page
# uses, the dialogs' design client sizes), scaled.
while read -r picture width height; do
  out="$pictures/scaled-$dpi-$picture.png"
  cp "$work/scaled/$picture.png" "$out"
  python3 "$here/tools/png_tidy.py" "$out" "$(scaled "$width")" "$(scaled "$height")"
done <<'LIST'
kinds 634 470
editor-create 524 476
editor-set-color 524 336
about 319 242
LIST
echo "Pictures at $dpi pixels per inch: $pictures/scaled-$dpi-*.png"
