#!/usr/bin/env bash
# The project's Wine prefixes: the environment every Wine run of the project
# uses, and the settings the prefixes are made with. Every script that runs
# Wine goes through here, so the tests, the demo and the simulator's launcher
# all see the same fonts.
#   tools/wine-prefix.sh [COMMAND [ARGS...]]
#       makes or updates the prefix, then runs COMMAND in its environment
#   source tools/wine-prefix.sh
#       only exports the environment and defines tarvex_prepare_wine_prefix
# TARVEX_WINE_BITS picks the side: 32 (default) for the shipped 32-bit
# programs, in build/wineprefix; 64 for the 64-bit test build, run by wine64
# in build/wineprefix64. Where 32-bit programs run only under emulation
# (tools/i386.sh), they too run in build/wineprefix64. WINEPREFIX names
# another prefix. $tarvex_wine is the loader to run programs of that side with.
#
# A made prefix is kept as a template in the machine's cache (TARVEX_CACHE,
# default ~/.cache/tarvex) and later clones start from a copy of it.

tarvex_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "${TARVEX_WINE_BITS:-32}" = 64 ]; then
  export TARVEX_WINE_BITS=64
  export WINEPREFIX="${WINEPREFIX:-$tarvex_root/build/wineprefix64}"
  export WINEARCH=win64
  # Debian keeps the 64-bit loader in Wine's library folder, off the PATH.
  tarvex_wine=/usr/lib/wine/wine64
elif [ "$("$tarvex_root/tools/i386.sh" mode)" != native ]; then
  # Where 32-bit programs are emulated, they run in the 64-bit prefix (Wine's
  # WoW64), whose own background programs are 64-bit and start natively:
  # only the program under test pays for the emulation.
  export TARVEX_WINE_BITS=32
  export WINEPREFIX="${WINEPREFIX:-$tarvex_root/build/wineprefix64}"
  export WINEARCH=win64
  tarvex_wine=/usr/lib/wine/wine
else
  export TARVEX_WINE_BITS=32
  export WINEPREFIX="${WINEPREFIX:-$tarvex_root/build/wineprefix}"
  export WINEARCH=win32
  tarvex_wine=wine
fi
# The loader of the prefix's own programs (its set-up, cmd, reg).
if [ "$WINEARCH" = win64 ]; then tarvex_wine_own=/usr/lib/wine/wine64; else tarvex_wine_own=$tarvex_wine; fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
tarvex_cache="${TARVEX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarvex}"

# Raise when the settings below change: prefixes made before then are
# brought up to date on their next use.
tarvex_prefix_settings=3

# The faces the plug-in's forms and defaults name, and their free stand-ins
# with the same character widths (fonts-liberation, fonts-comic-neue). Wine
# uses a replacement only while the face itself is missing. MS Sans Serif and
# Tahoma come with Wine's own fonts; Brush Script MT has no free stand-in.
tarvex_font_replacements=(
  "Arial=Liberation Sans"
  "Times New Roman=Liberation Serif"
  "Courier New=Liberation Mono"
  "Comic Sans MS=Comic Neue"
)

tarvex_prefix_ready() {
  [ -f "$1/system.reg" ] && [ "$(cat "$1/.tarvex-settings" 2>/dev/null)" = "$tarvex_prefix_settings" ]
}

# The registry reaches its files when the server ends. Under emulation Wine's
# background programs may keep it waiting for many minutes: it is told to
# end (and so to save) after a while.
tarvex_end_wine_server() {
  timeout 120 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
}

tarvex_prepare_wine_prefix() {
  if tarvex_prefix_ready "$WINEPREFIX"; then
    return 0
  fi
  mkdir -p "$WINEPREFIX"
  (
    # Test programs may start together on a fresh prefix.
    flock 9
    if tarvex_prefix_ready "$WINEPREFIX"; then
      exit 0
    fi
    local version template
    version=$("$tarvex_wine_own" --version 2>/dev/null | head -n1 | tr -cd 'A-Za-z0-9.-' || true)
    template="$tarvex_cache/prefix-$WINEARCH-${version:-wine}-$tarvex_prefix_settings"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      if tarvex_prefix_ready "$template"; then
        cp -a "$template/." "$WINEPREFIX/"
        exit 0
      fi
      # A template made with older settings saves Wine's own set-up; the
      # settings below bring it up to date.
      local older
      older=$(ls -d "$tarvex_cache/prefix-$WINEARCH-${version:-wine}"-* 2>/dev/null | grep -v '\.tmp$' | sort -V | tail -n1 || true)
      if [ -n "$older" ] && [ -f "$older/system.reg" ]; then
        cp -a "$older/." "$WINEPREFIX/"
        rm -f "$WINEPREFIX/.tarvex-settings"
      fi
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$tarvex_wine_own" wineboot -i >/dev/null 2>&1 || true
      tarvex_end_wine_server
    fi

    # Debian's Wine does not load its own fonts (fonts-wine) from where the
    # package puts them; from the Windows font folder it does, bitmap fonts
    # included, as on Windows.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
    mkdir -p "$fonts"
    for f in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
      [ -e "$f" ] && ln -sf "$f" "$fonts/"
    done

    local reg="$WINEPREFIX/tarvex-settings.reg" pair
    {
      printf 'REGEDIT4\r\n\r\n'
      # Xvfb has no window manager: let Wine manage its own windows, otherwise
      # every hidden or destroyed top-level window waits two seconds for one.
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
      for pair in "${tarvex_font_replacements[@]}"; do
        printf '"%s"="%s"\r\n' "${pair%%=*}" "${pair#*=}"
      done
      # No game controllers or USB devices: their drivers only poll, and
      # under emulation that polling takes a whole core.
      for service in winebus wineusb; do
        printf '\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\%s]\r\n"Start"=dword:00000004\r\n' "$service"
      done
    } >"$reg"
    "$tarvex_wine_own" reg import "Z:${reg//\//\\}" >/dev/null 2>&1 || { echo "wine-prefix: settings not imported" >&2; exit 1; }
    rm -f "$reg"
    tarvex_end_wine_server
    echo "$tarvex_prefix_settings" >"$WINEPREFIX/.tarvex-settings"
    # Kept for later clones; a template half copied is never ready.
    if [ ! -e "$template" ]; then
      mkdir -p "$tarvex_cache"
      rm -rf "$template.tmp"
      cp -a "$WINEPREFIX" "$template.tmp" && rm -f "$template.tmp/.tarvex-settings.lock" "$template.tmp/wineserver" &&
        mv "$template.tmp" "$template" || rm -rf "$template.tmp"
    fi
  ) 9>"$WINEPREFIX/.tarvex-settings.lock"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  tarvex_prepare_wine_prefix
  if [ $# -gt 0 ]; then exec "$@"; fi
fi
