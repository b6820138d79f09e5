#!/usr/bin/env bash
# Runs the Windows test suites under Wine, each with its own display and Wine
# server, and says which it runs:
#   tools/windows-tests.sh 64   the 64-bit suite (build/win64), natively
#                               under wine64 on every machine
#   tools/windows-tests.sh 32   the 32-bit build (build/win): its whole suite
#                               where 32-bit programs run natively, only the
#                               32-bit boundary set (label boundary32) where
#                               they run under emulation
# Further arguments go to ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bits=$1
shift
jobs=${JOBS:-2}
common=(--output-on-failure --timeout 600 -j "$jobs")
if [ "$bits" = 64 ]; then
  echo "== 64-bit suite: build/win64 under wine64 (every Windows test but the long ones)"
  TARVEX_WINE_BITS=64 exec "$here/tools/with-wine.sh" \
    bash -c 'cd "$1" && shift && ctest "$@"' _ "$here/build/win64" "${common[@]}" -LE long "$@"
fi
"$here/tools/i386.sh" ensure
mode=$("$here/tools/i386.sh" mode)
if [ "$mode" = native ]; then
  echo "== 32-bit suite: build/win under Wine (every Windows test but the long ones)"
  select=(-LE long)
else
  echo "== 32-bit boundary set: build/win under Wine, 32-bit programs emulated by qemu-i386 (label boundary32)"
  # An emulated program takes many seconds to start: more than two at once
  # only queue for the two cores, and each needs a longer leash.
  common=(--output-on-failure --timeout 1800 -j "$jobs")
  select=(-L boundary32)
fi
TARVEX_WINE_BITS=32 exec "$here/tools/with-wine.sh" \
  bash -c 'cd "$1" && shift && ctest "$@"' _ "$here/build/win" "${common[@]}" "${select[@]}" "$@"
