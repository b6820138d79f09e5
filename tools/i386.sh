#!/usr/bin/env bash
# How this machine runs 32-bit (i386) Linux programs, Wine's 32-bit side among
# them. The one place that decides; the Makefile, the launcher and the test
# scripts ask it.
#   tools/i386.sh mode        prints native, emulated or none
#   tools/i386.sh bits        the Windows build to run programs of: 32 where
#                             32-bit programs run natively, else 64
#   tools/i386.sh ensure      registers qemu's i386 user-mode emulator when
#                             32-bit programs do not run natively (one line
#                             says so); nothing when they do
#   tools/i386.sh unregister  removes that registration
# TARVEX_I386=emulated makes `ensure` register the emulator even where 32-bit
# programs run natively: the kernel tries a registered emulator before its own
# loader, so this rehearses the emulated path (undo with `unregister`).
#
# Decided by trying, not by kernel names: native when a 32-bit program runs
# while no emulator is registered for 32-bit programs.
set -euo pipefail

binfmt=/proc/sys/fs/binfmt_misc
entry=tarvex-i386
emulator=/usr/bin/qemu-i386-static
probe=/usr/lib/wine/wineserver32
# ELF, 32-bit, little-endian, an executable or shared object, machine i386.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

sudo_() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

mounted() { [ -e "$binfmt/register" ]; }
mount_binfmt() {
  mounted || sudo_ mount -t binfmt_misc binfmt_misc "$binfmt" >/dev/null 2>&1 || true
}

# An enabled registration, ours or another's, for 32-bit x86 programs.
registered() {
  mounted || return 1
  local f
  for f in "$binfmt"/*; do
    case "$f" in */register | */status) continue ;; esac
    [ "$(head -n1 "$f" 2>/dev/null)" = enabled ] || continue
    grep -qs '^magic 7f454c4601010100000000000000000002000300' "$f" && return 0
  done
  return 1
}

runs_32() { [ -x "$probe" ] && "$probe" --version >/dev/null 2>&1; }

mode() {
  if registered; then
    runs_32 && echo emulated || echo none
  elif runs_32; then
    echo native
  else
    echo none
  fi
}

register() {
  mount_binfmt
  if ! mounted; then
    echo "i386: binfmt_misc cannot be mounted; 32-bit programs cannot run here" >&2
    return 1
  fi
  if [ ! -x "$emulator" ]; then
    echo "i386: $emulator is missing (Debian package qemu-user-static; make setup installs it)" >&2
    return 1
  fi
  # F: the kernel opens the emulator now, so it serves every mount namespace.
  printf ':%s:M::%s:%s:%s:F' "$entry" "$magic" "$mask" "$emulator" | sudo_ tee "$binfmt/register" >/dev/null
}

case "${1:-mode}" in
  mode)
    mode
    ;;
  bits)
    [ "$(mode)" = native ] && echo 32 || echo 64
    ;;
  ensure)
    mount_binfmt
    if [ "${TARVEX_I386:-}" = emulated ] && ! registered; then
      register
      echo "i386: qemu's i386 emulator registered for 32-bit programs, as asked (TARVEX_I386=emulated; undo: tools/i386.sh unregister)"
    elif [ "$(mode)" = none ]; then
      echo "i386: this machine does not run 32-bit programs; registering qemu's i386 user-mode emulator (32-bit tests run 40-100x slower, so only the 32-bit boundary set runs)"
      register
    fi
    m=$(mode)
    if [ "$m" = none ]; then
      echo "i386: 32-bit programs still do not run ($probe --version fails)" >&2
      exit 1
    fi
    ;;
  unregister)
    if [ -e "$binfmt/$entry" ]; then echo -1 | sudo_ tee "$binfmt/$entry" >/dev/null; fi
    ;;
  *)
    echo "usage: tools/i386.sh [mode|bits|ensure|unregister]" >&2
    exit 2
    ;;
esac
