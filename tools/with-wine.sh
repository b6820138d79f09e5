#!/usr/bin/env bash
# Runs a command with one Xvfb display and one persistent wineserver for the
# whole run, so tests do not pay Wine's start-up each time.
#   [TARVEX_WINE_BITS=64] tools/with-wine.sh COMMAND [ARGS...]
# The 32-bit side (default) or the 64-bit one; TARVEX_WINE_DPI=N runs it on a
# screen of N pixels per inch. See tools/wine-prefix.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/wine-prefix.sh"

started_x=""
if [ -z "${TARVEX_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  n=$(( 70 + RANDOM % 200 ))
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  # TARVEX_SCREEN: the display's size and depth (make bench asks for room for 1920x1080).
  Xvfb ":$n" -screen 0 "${TARVEX_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  started_x=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$started_x" ] && kill "$started_x" >/dev/null 2>&1 || true
}
trap cleanup EXIT

tarvex_prepare_wine_prefix
wineserver -p >/dev/null 2>&1 || true
# Start Wine's background services now, with no pipe of ours: services that a
# test program starts would inherit its output pipe and keep ctest waiting
# for the end of that output until the run is over.
"$tarvex_wine_own" cmd /c exit </dev/null >/dev/null 2>&1 || true
"$@"
