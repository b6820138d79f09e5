#pragma once
// Owners of kernel, file, registry, module, hook and window handles (the
// GDI owners are in gdi.h). Header-only, like the Owned they are made of.

#include <windows.h>

#include "toolkit/owned.h"

namespace tk {

struct CloseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// Files answer INVALID_HANDLE_VALUE, not null, when they cannot be opened.
struct CloseFileHandle {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// A search of FindFirstFile, which also answers INVALID_HANDLE_VALUE.
struct CloseFind {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE search) const { FindClose(search); }
};
struct CloseRegistryKey {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
struct FreeModule {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct UnhookHook {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
struct DestroyOwnedWindow {
  void operator()(HWND window) const { DestroyWindow(window); }
};

using KernelHandle = Owned<HANDLE, CloseKernelHandle>;  // process, thread, event, ...
using FileHandle = Owned<HANDLE, CloseFileHandle>;      // CreateFile
using FindHandle = Owned<HANDLE, CloseFind>;            // FindFirstFile
using RegistryKey = Owned<HKEY, CloseRegistryKey>;      // RegCreateKeyEx, RegOpenKeyEx
using Module = Owned<HMODULE, FreeModule>;              // LoadLibrary
using Hook = Owned<HHOOK, UnhookHook>;                  // SetWindowsHookEx
// A window of our own that no object of the toolkit carries (a spin box's
// arrows); a window destroyed by its parent first must be let go (Release).
using OwnedWindow = Owned<HWND, DestroyOwnedWindow>;

}  // namespace tk
