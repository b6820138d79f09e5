#!/usr/bin/env bash
# The project's Wine prefix: the environment every Wine run of the project uses,
# and the settings the prefix is made with. Every script that runs Wine goes
# through here, so the tests, the demo and the simulator's launcher all see the
# same fonts.
#   tools/wine-prefix.sh [COMMAND [ARGS...]]
#       makes or updates the prefix, then runs COMMAND in its environment
#   source tools/wine-prefix.sh
#       only exports the environment and defines tarvex_prepare_wine_prefix
# The prefix is build/wineprefix unless WINEPREFIX names another.

tarvex_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$tarvex_root/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Raise when the settings below change: prefixes made before then are
# brought up to date on their next use.
tarvex_prefix_settings=2

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

tarvex_prepare_wine_prefix() {
  local stamp="$WINEPREFIX/.tarvex-settings"
  if [ -f "$WINEPREFIX/system.reg" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$tarvex_prefix_settings" ]; then
    return 0
  fi
  mkdir -p "$WINEPREFIX"
  (
    # Test programs may start together on a fresh prefix.
    flock 9
    if [ -f "$WINEPREFIX/system.reg" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$tarvex_prefix_settings" ]; then
      exit 0
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w || true
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
    } >"$reg"
    wine reg import "Z:${reg//\//\\}" >/dev/null 2>&1 || { echo "wine-prefix: settings not imported" >&2; exit 1; }
    rm -f "$reg"
    echo "$tarvex_prefix_settings" >"$stamp"
  ) 9>"$WINEPREFIX/.tarvex-settings.lock"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  tarvex_prepare_wine_prefix
  if [ $# -gt 0 ]; then exec "$@"; fi
fi
