#!/usr/bin/env bash
# The guide's pictures at another screen resolution, for tools/make-gallery.sh
# --dpi N (see there): runs host/demo/gallery-scaled.tvs in the Wine prefix of
# N pixels per inch on a screen large enough for the editors at 192, then
# crops and puts together its screenshots.
#   tools/make-gallery-scaled.sh DPI [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dpi=${1:-}
case "$dpi" in
  120 | 144 | 168 | 192) ;;
  *)
    echo "make-gallery: the scaled pictures are drawn at 120, 144, 168 or 192 pixels per inch, not \"$dpi\"" >&2
    exit 2
    ;;
esac
out=$(realpath -m "${2:-$here}")
pictures="$out/docs/pictures"
mkdir -p "$pictures"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A length at 96 pixels per inch, at this DPI (halves rounded up, as the
# script's object and move lines are scaled).
scaled() { echo $(( ($1 * dpi + 48) / 96 )); }

# The script with its object and move lines scaled: a host aware of the DPI
# lays out its page so.
awk -v dpi="$dpi" '
  function scale(v,   t, q) { t = v * dpi + 48; q = int(t / 96); if (t < 0 && q * 96 != t) q--; return q }
  ($1 == "object" && NF == 6) || ($1 == "move" && NF == 4) {
    for (i = 3; i <= NF; i++) $i = scale($i)
  }
  { print }
' "$here/host/demo/gallery-scaled.tvs" >"$work/gallery-scaled.tvs"

bits=${TARVEX_HOST_BITS:-$("$here/tools/i386.sh" bits)}
(cd "$work" && TARVEX_WINE_BITS=$bits TARVEX_WINE_DPI=$dpi TARVEX_SCREEN=2048x1536x24 \
  "$here/tools/with-wine.sh" "$here/tools/tarvex-host" --script "$work/gallery-scaled.tvs")

shot="$work/scaled"
name() { echo "$pictures/scaled-$dpi-$1.png"; }
# The kinds' page in four tiles, the later ones moved left and up by (320, 240) at 96.
dx=$(scaled 320) dy=$(scaled 240)
python3 "$here/tools/png_compose.py" "$(name kinds)" "$(scaled 634)" "$(scaled 470)" \
  "$shot/kinds-0-0.png" 0 0 "$shot/kinds-1-0.png" "$dx" 0 "$shot/kinds-0-1.png" 0 "$dy" \
  "$shot/kinds-1-1.png" "$dx" "$dy"
# The editors' design client sizes.
while read -r picture width height; do
  cp "$shot/$picture.png" "$(name "$picture")"
  python3 "$here/tools/png_tidy.py" "$(name "$picture")" "$(scaled "$width")" "$(scaled "$height")"
done <<'LIST'
editor-create 524 476
editor-set-color 524 336
LIST
python3 "$here/tools/png_compose.py" --client "$(name about)" "$(scaled 319)" "$(scaled 242)" "$shot/about.png"
echo "Pictures at $dpi pixels per inch: $pictures/scaled-$dpi-*.png"
