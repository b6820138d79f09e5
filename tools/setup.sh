#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian (bookworm)
# machine, then cross-builds libjpeg-turbo for i686-w64-mingw32. Quick when done.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
deps="$here/build/deps"
stamp="$deps/.setup-done-v2"
if [ -f "$stamp" ]; then exit 0; fi

sudo_() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 mingw-w64-tools binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth
  cmake ninja-build make g++ pkg-config dpkg-dev
  googletest libgtest-dev
  clang libclang-rt-14-dev llvm
  python3 zlib1g-dev
  # Stand-ins with Windows metrics for the faces the dialogs and gauges name
  # (tools/wine-prefix.sh maps them), and Wine's own MS Sans Serif and Tahoma.
  fonts-liberation fonts-comic-neue fonts-wine
)
need_install=0
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || { need_install=1; break; }
done
if [ "$need_install" = 1 ]; then
  sudo_ dpkg --add-architecture i386
  # Source entries are needed for libjpeg-turbo's source package.
  for f in /etc/apt/sources.list.d/debian.sources; do
    [ -f "$f" ] && sudo_ sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
  done
  if [ -f /etc/apt/sources.list ] && ! grep -q '^deb-src' /etc/apt/sources.list; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | sudo_ tee -a /etc/apt/sources.list >/dev/null || true
  fi
  sudo_ apt-get update -q
  DEBIAN_FRONTEND=noninteractive sudo_ apt-get install -y -q --no-install-recommends "${packages[@]}"
fi

# libjpeg-turbo, static, for the Windows side.
jpeg_prefix="$deps/libjpeg-turbo-mingw"
if [ ! -f "$jpeg_prefix/lib/libjpeg.a" ]; then
  mkdir -p "$deps/src"
  cd "$deps/src"
  if ! ls -d libjpeg-turbo-*/ >/dev/null 2>&1; then
    if ! apt-get source --download-only libjpeg-turbo >/dev/null 2>&1; then
      sudo_ sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true
      sudo_ apt-get update -q
      apt-get source --download-only libjpeg-turbo
    fi
    dpkg-source -x --no-check libjpeg-turbo_*.dsc
  fi
  src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -n1)
  cmake -S "$src" -B "$deps/libjpeg-turbo-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$jpeg_prefix"
  cmake --build "$deps/libjpeg-turbo-build"
  cmake --install "$deps/libjpeg-turbo-build"
fi
touch "$stamp"
