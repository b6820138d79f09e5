#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian (bookworm)
# machine, makes sure 32-bit programs run (natively, or through qemu's i386
# emulator where the kernel runs 64-bit code only), then cross-builds
# libjpeg-turbo for i686- and x86_64-w64-mingw32. Quick when done.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
deps="$here/build/deps"
stamp="$deps/.setup-done-v4"
if [ -f "$stamp" ]; then exec "$here/tools/i386.sh" ensure; fi

sudo_() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 mingw-w64-tools binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xauth
  # Runs 32-bit programs where the kernel cannot (tools/i386.sh).
  qemu-user-static
  cmake ninja-build make g++ pkg-config dpkg-dev
  googletest libgtest-dev
  clang libclang-rt-14-dev llvm
  python3 zlib1g-dev
  # Renders the author's guide for the release archive (make release).
  cmark-gfm
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

# 32-bit programs run natively or through the emulator from here on.
"$here/tools/i386.sh" ensure

# libjpeg-turbo, static, for both Windows builds.
if ! ls -d "$deps"/src/libjpeg-turbo-*/ >/dev/null 2>&1; then
  mkdir -p "$deps/src"
  cd "$deps/src"
  if ! apt-get source --download-only libjpeg-turbo >/dev/null 2>&1; then
    sudo_ sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true
    sudo_ apt-get update -q
    apt-get source --download-only libjpeg-turbo
  fi
  dpkg-source -x --no-check libjpeg-turbo_*.dsc
fi
src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -n1)
for arch in i686 x86_64; do
  jpeg_prefix="$deps/libjpeg-turbo-$arch"
  [ -f "$jpeg_prefix/lib/libjpeg.a" ] && continue
  cmake -S "$src" -B "$deps/libjpeg-turbo-build-$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" -DCMAKE_INSTALL_LIBDIR="$jpeg_prefix/lib"
  cmake --build "$deps/libjpeg-turbo-build-$arch"
  cmake --install "$deps/libjpeg-turbo-build-$arch"
done
touch "$stamp"
