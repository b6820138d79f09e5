#!/usr/bin/env bash
# Shows on a fresh clone of this repository what `make demo` promises: the
# first run builds only what the demo runs (the plug-in, the host simulator,
# their libraries and the localisation file: no test program), draws the
# guide's pictures and prints no Wine error line; a second run does no build
# work. The installed packages and build/deps are shared with this tree.
#   tools/check-demo.sh [BRANCH]    (default: the checked-out commit)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/tarvex-check-demo.XXXXXX)
trap 'rm -rf "$work"' EXIT
git clone -q "$here" "$work/clone"
git -C "$work/clone" checkout -q "${1:-$(git -C "$here" rev-parse HEAD)}"
mkdir -p "$work/clone/build"
ln -s "$(readlink -f "$here/build/deps")" "$work/clone/build/deps"
cd "$work/clone"

# Build steps are ninja's "[n/m] ..." lines, apart from its check of the
# source folders for new files, which runs before every build.
steps() { grep -E '^\[[0-9]+/[0-9]+\] ' "$1" | grep -v 'Re-checking globbed directories' || true; }

failed=0
make demo >"$work/first.log" 2>&1 || { echo "first make demo failed:"; tail -30 "$work/first.log"; exit 1; }
first=$(steps "$work/first.log" | wc -l)
tests=$(steps "$work/first.log" | grep -E 'tests/|googletest|gtest|gmock|fuzz|bench/|host_(test|bad)_plugin' || true)
echo "first make demo: $first build steps"
if [ -n "$tests" ]; then
  echo "FAIL: it built test targets:"; echo "$tests" | head -20; failed=1
fi
make demo >"$work/second.log" 2>&1 || { echo "second make demo failed:"; tail -30 "$work/second.log"; exit 1; }
second=$(steps "$work/second.log" | wc -l)
echo "second make demo: $second build steps"
if [ "$second" != 0 ]; then steps "$work/second.log"; failed=1; fi
errors=$(grep -h 'err:' "$work/first.log" "$work/second.log" || true)
if [ -n "$errors" ]; then echo "FAIL: Wine error lines:"; echo "$errors" | head; failed=1; fi
for p in kinds kinds-no-text text-inversion needle-sweep pie-direction cut-down; do
  [ -s "docs/pictures/$p.png" ] || { echo "FAIL: docs/pictures/$p.png missing"; failed=1; }
done
[ -s dist/demo.png ] || { echo "FAIL: dist/demo.png missing"; failed=1; }
if ! git diff --quiet -- docs/pictures; then
  echo "note: the pictures differ from the committed ones:"; git diff --stat -- docs/pictures
fi
[ "$failed" = 0 ] && echo "make demo: as promised"
exit "$failed"
