#!/usr/bin/env bash
# Draws the guide's pictures with the 32-bit build and with the 64-bit build
# and fails unless every picture is the same bytes from both. `make test`
# runs it (about a minute where 32-bit programs are emulated: one process);
# both builds' plug-in and simulator must be built.
#   tools/compare-pictures.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/tarvex-pictures.XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "== the guide's pictures from the 32-bit and the 64-bit build"
for bits in 32 64; do
  TARVEX_HOST_BITS=$bits "$here/tools/make-gallery.sh" "$work/$bits" >"$work/$bits.log" 2>&1 ||
    { echo "FAIL: drawing with the $bits-bit build:"; tail -20 "$work/$bits.log"; exit 1; }
done
failed=0 count=0
for picture in "$work"/32/docs/pictures/*.png; do
  name=$(basename "$picture")
  count=$((count + 1))
  if ! cmp -s "$picture" "$work/64/docs/pictures/$name"; then
    echo "FAIL: $name differs between the 32-bit and the 64-bit build"
    failed=1
  fi
done
[ "$count" -gt 0 ] || { echo "FAIL: no pictures drawn"; exit 1; }
[ "$failed" = 0 ] && echo "$count pictures, the same bytes from both builds"
exit "$failed"
