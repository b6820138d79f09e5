#!/usr/bin/env bash
# make release-check: the release archive is reproducible, and its guide
# renders with every picture in a real browser.
#   1. `make release` twice, the plug-in relinked in between: the two
#      archives must be the same bytes.
#   2. The archive unpacked into an empty folder and guide.html opened by
#      headless Chromium: every <img> must have loaded (naturalWidth > 0);
#      screenshots of its top and of its pictures section are saved as
#      dist/guide.png and dist/guide-pictures.png.
# Needs Debian's chromium (apt-get install chromium), which `make test` does
# not.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
cd "$here"

archive() { echo "dist/Tarvex2-$(cat build/win/generated/version.txt).zip"; }

make --no-print-directory release
first=$(archive)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$first" "$tmp/first.zip"
# The second archive from a newly linked plug-in, not from the same file.
rm -f dist/Tarvex2.nbp
make --no-print-directory release
second=$(archive)
if [ "$first" != "$second" ] || ! cmp "$tmp/first.zip" "$second"; then
  echo "release-check: two releases of one commit differ ($first, $second)" >&2
  exit 1
fi
echo "release-check: two releases of one commit are the same bytes:"
sha256sum "$tmp/first.zip" "$second"
(cd dist && sha256sum -c "$(basename "$second").sha256")

browser=$(command -v chromium || true)
if [ -z "$browser" ]; then
  echo "release-check: the browser check needs Debian's chromium: apt-get install chromium" >&2
  exit 2
fi
mkdir "$tmp/unpacked"
python3 -m zipfile -e "$second" "$tmp/unpacked"
flags=(--headless --no-sandbox --disable-gpu --disable-quic --no-first-run
       --disable-background-networking --disable-component-update --disable-sync
       --user-data-dir="$tmp/profile" --window-size=1000,1400 --hide-scrollbars)

# Two copies of the page beside it: one that lists, once it has loaded, what
# became of each picture, and one that starts at its pictures section (a
# headless screenshot does not follow a #fragment).
python3 - "$tmp/unpacked/guide.html" "$tmp/unpacked/image-check.html" "$tmp/unpacked/pictures-view.html" <<'PY'
import sys
page = open(sys.argv[1], encoding="utf-8").read()
view = """<script>
const start = document.getElementById("what-the-gauge-draws");
while (start && start.previousSibling) start.previousSibling.remove();
</script>
"""
check = """<script>
window.addEventListener("load", () => {
  const rows = Array.from(document.images, i =>
    (i.complete && i.naturalWidth > 0 ? "loaded " : "MISSING ") + i.naturalWidth + "x" + i.naturalHeight + " " + i.getAttribute("src"));
  const out = document.createElement("pre");
  out.id = "image-check";
  out.textContent = "IMAGES-BEGIN\\n" + rows.join("\\n") + "\\nIMAGES-END";
  document.body.appendChild(out);
});
</script>
"""
assert "</body>" in page
open(sys.argv[2], "w", encoding="utf-8").write(page.replace("</body>", check + "</body>"))
open(sys.argv[3], "w", encoding="utf-8").write(page.replace("</body>", view + "</body>"))
PY
"$browser" "${flags[@]}" --virtual-time-budget=10000 --dump-dom "file://$tmp/unpacked/image-check.html" \
  2>"$tmp/browser.log" >"$tmp/dom.html" || { cat "$tmp/browser.log" >&2; exit 1; }
report=$(sed -n '/^<pre id="image-check">IMAGES-BEGIN$/,/^IMAGES-END/p' "$tmp/dom.html" | sed '1d;$d')
shown=$(grep -o '<img src=' "$tmp/unpacked/guide.html" | wc -l)
loaded=$(printf '%s\n' "$report" | grep -c '^loaded ' || true)
printf '%s\n' "$report"
if [ "$shown" -eq 0 ] || [ "$loaded" -ne "$shown" ]; then
  echo "release-check: guide.html shows $shown pictures, the browser loaded $loaded" >&2
  exit 1
fi
echo "release-check: the browser loaded all $shown pictures of guide.html"

"$browser" "${flags[@]}" --screenshot="$tmp/top.png" "file://$tmp/unpacked/guide.html" 2>>"$tmp/browser.log"
"$browser" "${flags[@]}" --screenshot="$tmp/pictures.png" \
  "file://$tmp/unpacked/pictures-view.html" 2>>"$tmp/browser.log"
cp "$tmp/top.png" dist/guide.png
cp "$tmp/pictures.png" dist/guide-pictures.png
echo "release-check: screenshots dist/guide.png and dist/guide-pictures.png"
