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
# TARVEX_WINE_DPI (default 96) is the screen's pixels per inch (the prefix's
# LogPixels): at any other value the programs run in a sibling of the side's
# prefix named after it, e.g. build/wineprefix64-dpi144, made as a copy of the
# prepared prefix with that LogPixels; its readiness marker names the DPI, so
# a prefix is never used at another one. A WINEPREFIX given from outside is
# used as it is (one chosen here by an outer run, as tools/with-wine.sh around
# ctest, is not "given": a test registered at another DPI gets its sibling).
#
# A made prefix is kept as a template in the machine's cache (TARVEX_CACHE,
# default ~/.cache/tarvex) and later clones start from a copy of it.

tarvex_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tarvex_wine_dpi="${TARVEX_WINE_DPI:-96}"
case "$tarvex_wine_dpi" in *[!0-9]*) ;; *) tarvex_wine_dpi=$((10#$tarvex_wine_dpi)) ;; esac
if [ "$tarvex_wine_dpi" != 96 ] && [ -n "${WINEPREFIX:-}" ] && [ "$WINEPREFIX" = "${TARVEX_WINE_CHOSEN_PREFIX:-}" ]; then
  unset WINEPREFIX
fi
tarvex_given_prefix="${WINEPREFIX:-}"
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
# The side's prefix at 96 pixels per inch; the one at another DPI is its sibling.
tarvex_base_prefix=$WINEPREFIX
if [ "$tarvex_wine_dpi" != 96 ] && [ -z "$tarvex_given_prefix" ]; then
  export WINEPREFIX="$WINEPREFIX-dpi$tarvex_wine_dpi"
fi
if [ -z "$tarvex_given_prefix" ]; then export TARVEX_WINE_CHOSEN_PREFIX=$WINEPREFIX; fi
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

# PREFIX [MARKER]: made, with the current settings (and the DPI the marker names).
tarvex_prefix_ready() {
  [ -f "$1/system.reg" ] && [ "$(cat "$1/.tarvex-settings" 2>/dev/null)" = "${2:-$tarvex_prefix_settings}" ]
}

# The registry reaches its files when the server ends. Under emulation Wine's
# background programs may keep it waiting for many minutes: it is told to
# end (and so to save) after a while.
tarvex_end_wine_server() {
  timeout 120 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
}

tarvex_prepare_wine_prefix() {
  if [ "$WINEPREFIX" != "$tarvex_base_prefix" ]; then
    tarvex_prepare_dpi_prefix
    return
  fi
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

# The sibling at another DPI: a copy of the side's prepared prefix with the
# screen's LogPixels set where Wine reads them (the user's desktop settings
# and the machine's font settings).
tarvex_prepare_dpi_prefix() {
  local marker="$tarvex_prefix_settings dpi$tarvex_wine_dpi"
  if tarvex_prefix_ready "$WINEPREFIX" "$marker"; then
    return 0
  fi
  case "$tarvex_wine_dpi" in
    '' | 0 | *[!0-9]*) echo "wine-prefix: TARVEX_WINE_DPI must be a number of pixels per inch, not \"$tarvex_wine_dpi\"" >&2; return 1 ;;
  esac
  (WINEPREFIX=$tarvex_base_prefix && tarvex_prepare_wine_prefix) || return 1
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if tarvex_prefix_ready "$WINEPREFIX" "$marker"; then
      exit 0
    fi
    # A copy half made, or made at another DPI, starts again.
    find "$WINEPREFIX" -mindepth 1 -maxdepth 1 ! -name .tarvex-settings.lock -exec rm -rf {} +
    find "$tarvex_base_prefix" -mindepth 1 -maxdepth 1 ! -name .tarvex-settings.lock ! -name .tarvex-settings \
      ! -name wineserver -exec cp -a -t "$WINEPREFIX" {} + || exit 1
    local reg="$WINEPREFIX/tarvex-dpi.reg" key
    {
      printf 'REGEDIT4\r\n'
      for key in 'HKEY_CURRENT_USER\Control Panel\Desktop' \
        'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        printf '\r\n[%s]\r\n"LogPixels"=dword:%08x\r\n' "$key" "$tarvex_wine_dpi"
      done
    } >"$reg"
    "$tarvex_wine_own" reg import "Z:${reg//\//\\}" >/dev/null 2>&1 || { echo "wine-prefix: the DPI was not set" >&2; exit 1; }
    rm -f "$reg"
    tarvex_end_wine_server
    echo "$marker" >"$WINEPREFIX/.tarvex-settings"
  ) 9>"$WINEPREFIX/.tarvex-settings.lock"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  tarvex_prepare_wine_prefix
  if [ $# -gt 0 ]; then exec "$@"; fi
fi
